// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Steuerelementsetzer.h"

#include "cli/Bedienfehler.h"
#include "toolkit/Fehler.h"
#include "toolkit/Formular.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace {

bool Wahrheitswert(const std::string& name, const std::string& wert)
{
    if (wert == "true")
        return true;
    if (wert == "false")
        return false;
    throw TBedienfehler("Für das Kontrollkästchen " + name + " ist nur true oder false erlaubt, nicht \"" + wert
                        + "\".");
}

int Ganzzahl(const std::string& name, const std::string& wert, const char* was)
{
    int zahl = 0;
    const char* ende = wert.data() + wert.size();
    const auto [zeiger, fehler] = std::from_chars(wert.data(), ende, zahl);
    if (wert.empty() || fehler != std::errc() || zeiger != ende)
        throw TBedienfehler(std::string("Für ") + was + " " + name + " wird eine ganze Zahl erwartet, nicht \"" + wert
                            + "\".");
    return zahl;
}

// The control of that name and the window that holds it.
std::pair<TControl*, const TFormular*> Finde(const std::vector<TFormular*>& fenster, const std::string& name)
{
    for (const TFormular* f : fenster) {
        if (f == nullptr)
            continue;
        if (TControl* control = f->Finde(name); control != nullptr)
            return {control, f};
    }
    return {nullptr, nullptr};
}

// Whether --set can change the control at all (when it can be operated).
bool Setzbar(const TControl& control)
{
    switch (control.Art()) {
    case TSteuerelementArt::CheckBox:
    case TSteuerelementArt::RadioButton:
    case TSteuerelementArt::RadioGroup:
    case TSteuerelementArt::UpDown:
    case TSteuerelementArt::ComboBox:
    case TSteuerelementArt::Button:
        return true;
    case TSteuerelementArt::Edit:
        return !static_cast<const TEdit&>(control).ReadOnly();
    case TSteuerelementArt::Label:
    case TSteuerelementArt::Memo:
    case TSteuerelementArt::ScrollBar:
    case TSteuerelementArt::GroupBox:
    case TSteuerelementArt::TabSheet:
    case TSteuerelementArt::PageControl:
    case TSteuerelementArt::PaintBox:
        break;
    }
    return false;
}

// Why a user could not operate the control now; empty when they could.
std::string Sperrgrund(const TControl& control)
{
    if (control.Bedienbar())
        return {};
    if (control.Enabled() && control.Visible())
        return "gerade nicht bedienbar";
    return control.Visible() ? "gesperrt" : "ausgeblendet";
}

// The settable controls of the windows that a search by name reaches, in window and creation
// order: of two controls with one name, the first window's.
std::vector<std::pair<const TControl*, const TFormular*>> Erreichbare(const std::vector<TFormular*>& fenster)
{
    std::vector<std::pair<const TControl*, const TFormular*>> liste;
    for (const TFormular* f : fenster) {
        if (f == nullptr)
            continue;
        for (const auto& control : f->Steuerelemente()) {
            if (Setzbar(*control) && Finde(fenster, control->Name()).first == control.get())
                liste.emplace_back(control.get(), f);
        }
    }
    return liste;
}

// Edit distance of two names, letters compared without their case.
std::size_t Abstand(const std::string& a, const std::string& b)
{
    // Names are ASCII; other bytes (of a mistyped umlaut) are compared as they are.
    const auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    std::vector<std::size_t> zeile(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        zeile[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = zeile[0];
        zeile[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t oben = zeile[j];
            zeile[j] =
                std::min({zeile[j] + 1, zeile[j - 1] + 1, diagonal + (klein(a[i - 1]) == klein(b[j - 1]) ? 0 : 1)});
            diagonal = oben;
        }
    }
    return zeile[b.size()];
}

// " Meinten Sie A, B oder C?" for up to three names close to the unknown one; empty when no
// name is close enough to be meant.
std::string Vorschlaege(const std::vector<TFormular*>& fenster, const std::string& name)
{
    // A third of the name may be mistyped, and at least two characters.
    const std::size_t grenze = std::max<std::size_t>(2, name.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> nahe;
    for (const auto& [control, formular] : Erreichbare(fenster)) {
        if (const std::size_t abstand = Abstand(name, control->Name()); abstand <= grenze)
            nahe.emplace_back(abstand, control->Name());
    }
    std::stable_sort(nahe.begin(), nahe.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    // A name that differs only in case is the one meant.
    const bool nurGrossKlein = !nahe.empty() && nahe.front().first == 0;
    std::erase_if(nahe, [&](const auto& n) { return nurGrossKlein && n.first > 0; });
    nahe.resize(std::min<std::size_t>(nahe.size(), 3));
    std::string text;
    for (std::size_t i = 0; i < nahe.size(); ++i)
        text += (i == 0 ? " Meinten Sie " : i + 1 == nahe.size() ? " oder " : ", ") + nahe[i].second;
    return text.empty() ? text : text + "?";
}

// A text as one field of a tab-separated line.
std::string Feld(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}

std::string Art(const TControl& control)
{
    switch (control.Art()) {
    case TSteuerelementArt::CheckBox:
        return "Kontrollkästchen";
    case TSteuerelementArt::RadioButton:
        return "Optionsfeld";
    case TSteuerelementArt::Edit:
        return "Eingabefeld";
    case TSteuerelementArt::UpDown: {
        const auto& pfeile = static_cast<const TUpDown&>(control);
        return "Pfeilschalter " + std::to_string(pfeile.Min()) + " bis " + std::to_string(pfeile.Max());
    }
    case TSteuerelementArt::RadioGroup: {
        std::string art = "Auswahlgruppe";
        const auto& eintraege = static_cast<const TRadioGroup&>(control).Items();
        for (std::size_t i = 0; i < eintraege.size(); ++i)
            art += (i == 0 ? " " : " | ") + std::to_string(i) + '=' + eintraege[i];
        return art;
    }
    case TSteuerelementArt::ComboBox: {
        std::string art = "Auswahlliste";
        const auto& eintraege = static_cast<const TComboBox&>(control).Items();
        for (std::size_t i = 0; i < eintraege.size(); ++i)
            art += (i == 0 ? " " : " | ") + eintraege[i];
        return art;
    }
    case TSteuerelementArt::Button:
        return "Schaltfläche";
    default:
        return {};
    }
}

// The value as --set takes it to leave the control as it is.
std::string Wert(const TControl& control)
{
    switch (control.Art()) {
    case TSteuerelementArt::CheckBox:
        return static_cast<const TCheckBox&>(control).Checked() ? "true" : "false";
    case TSteuerelementArt::RadioButton:
        return static_cast<const TRadioButton&>(control).Checked() ? "true" : "false";
    case TSteuerelementArt::Edit:
        return static_cast<const TEdit&>(control).Text();
    case TSteuerelementArt::UpDown:
        return std::to_string(static_cast<const TUpDown&>(control).Position());
    case TSteuerelementArt::RadioGroup:
        return std::to_string(static_cast<const TRadioGroup&>(control).ItemIndex());
    case TSteuerelementArt::ComboBox:
        return static_cast<const TComboBox&>(control).Text();
    default:
        return {};
    }
}

// What the user reads at the control. Many fields and arrows carry no caption of their own
// but stand behind a label ("Oben:") or the box that switches them on ("Manuelle Eingabe:"),
// and a box without caption stands before its labels; the captions of the tab page and group
// boxes around it tell where it is ("10" alone says little). The tip is the last resort.
std::string Beschriftung(const TFormular& fenster, const TControl& control)
{
    std::string text = control.Caption();
    const auto& liste = fenster.Steuerelemente();
    const auto hier = std::find_if(liste.begin(), liste.end(), [&](const auto& c) { return c.get() == &control; });
    const auto art = control.Art();
    if (text.empty()
        && (art == TSteuerelementArt::Edit || art == TSteuerelementArt::UpDown || art == TSteuerelementArt::ComboBox)) {
        for (auto it = hier; it != liste.begin();) {
            const TControl& davor = **--it;
            if (davor.Parent() != control.Parent() || davor.Art() == TSteuerelementArt::Edit
                || davor.Art() == TSteuerelementArt::UpDown || davor.Caption().empty())
                continue;
            if (davor.Art() == TSteuerelementArt::Label || davor.Art() == TSteuerelementArt::CheckBox
                || davor.Art() == TSteuerelementArt::RadioButton)
                text = davor.Caption();
            break;
        }
    }
    if (text.empty() && (art == TSteuerelementArt::CheckBox || art == TSteuerelementArt::RadioButton)) {
        for (auto it = hier + 1;
             it != liste.end() && (*it)->Art() == TSteuerelementArt::Label && (*it)->Parent() == control.Parent();
             ++it) {
            text += (text.empty() || text.ends_with('-') ? "" : " ") + (*it)->Caption();
        }
    }
    // The tip explains; it names the control only where nothing else does.
    if (text.empty())
        text = control.Hint();
    const auto ohneRand = [](std::string t) {
        t.erase(t.find_last_not_of(' ') + 1);
        return t.substr(std::min(t.size(), t.find_first_not_of(' ')));
    };
    text = ohneRand(text);
    for (const TContainer* um = control.Parent(); um != nullptr; um = um->Parent()) {
        if (const std::string ort = ohneRand(um->Caption()); !ort.empty())
            text = text.empty() ? ort : ort + " › " + text;
    }
    return text;
}

} // namespace

std::pair<std::string, std::string> SetzungTeilen(const std::string& setzung)
{
    const auto gleich = setzung.find('=');
    if (gleich == std::string::npos || gleich == 0)
        throw TBedienfehler("--set erwartet NAME=WERT, nicht \"" + setzung + "\".");
    return {setzung.substr(0, gleich), setzung.substr(gleich + 1)};
}

void SteuerelementSetzen(const std::vector<TFormular*>& fenster, const std::string& name, const std::string& wert)
{
    const auto [control, formular] = Finde(fenster, name);
    if (control == nullptr)
        throw TBedienfehler("Unbekanntes Bedienelement: " + name + "." + Vorschlaege(fenster, name)
                            + " Alle Namen listet zifferbogen --controls.");
    if (const std::string grund = Sperrgrund(*control); !grund.empty())
        throw TBedienfehler("Das Bedienelement " + name + " ist " + grund + " und kann nicht geändert werden.");

    switch (control->Art()) {
    case TSteuerelementArt::CheckBox:
        static_cast<TCheckBox*>(control)->SetChecked(Wahrheitswert(name, wert));
        return;
    case TSteuerelementArt::RadioButton:
        // "false" for one not chosen leaves it so, which lets a listed value be set back.
        if (wert == "false" && !static_cast<TRadioButton*>(control)->Checked())
            return;
        if (wert != "true")
            throw TBedienfehler("Das Optionsfeld " + name + " kann nur gewählt werden (true), nicht \"" + wert + "\".");
        static_cast<TRadioButton*>(control)->SetChecked(true);
        return;
    case TSteuerelementArt::Edit: {
        auto* feld = static_cast<TEdit*>(control);
        if (feld->ReadOnly())
            throw TBedienfehler("Das Eingabefeld " + name + " ist schreibgeschützt.");
        const std::string vorher = feld->Text();
        // The field filters what is typed (digits only, a range); a script must hear when its
        // value was not taken as it stands, instead of running on with another one.
        bool angenommen = false;
        std::string grund;
        try {
            feld->Eingeben(wert);
            angenommen = formular->EingabeAngenommen(*feld, wert);
            grund = feld->Text() == wert ? " (außerhalb des erlaubten Bereichs)."
                                         : " (es würde \"" + feld->Text() + "\" zeigen).";
        } catch (const EZifferbogenFehler& fehler) {
            grund = ": " + std::string(fehler.what());
        }
        if (!angenommen) {
            feld->Eingeben(vorher);
            throw TBedienfehler("Das Eingabefeld " + name + " nimmt den Wert \"" + wert + "\" nicht an" + grund);
        }
        return;
    }
    case TSteuerelementArt::UpDown: {
        auto* pfeile = static_cast<TUpDown*>(control);
        const int position = Ganzzahl(name, wert, "den Pfeilschalter");
        if (position < pfeile->Min() || position > pfeile->Max()) {
            throw TBedienfehler("Der Wert " + wert + " liegt für " + name + " nicht im Bereich "
                                + std::to_string(pfeile->Min()) + " bis " + std::to_string(pfeile->Max()) + ".");
        }
        pfeile->Verstellen(position);
        return;
    }
    case TSteuerelementArt::RadioGroup: {
        auto* gruppe = static_cast<TRadioGroup*>(control);
        const int index = Ganzzahl(name, wert, "die Auswahlgruppe");
        if (index < 0 || index >= static_cast<int>(gruppe->Items().size())) {
            throw TBedienfehler("Die Auswahlgruppe " + name + " hat keinen Eintrag " + wert + " (erlaubt: 0 bis "
                                + std::to_string(static_cast<int>(gruppe->Items().size()) - 1) + ").");
        }
        gruppe->SetItemIndex(index);
        return;
    }
    case TSteuerelementArt::ComboBox: {
        auto* liste = static_cast<TComboBox*>(control);
        if (std::find(liste->Items().begin(), liste->Items().end(), wert) == liste->Items().end())
            throw TBedienfehler("Die Auswahlliste " + name + " hat keinen Eintrag \"" + wert + "\".");
        liste->SetText(wert);
        return;
    }
    case TSteuerelementArt::Button:
        if (wert != "true")
            throw TBedienfehler("Die Schaltfläche " + name + " kann nur gedrückt werden (true), nicht \"" + wert
                                + "\".");
        static_cast<TButton*>(control)->Click();
        return;
    // Every kind is listed, so that the compiler flags a new kind that is not handled here.
    case TSteuerelementArt::Label:
    case TSteuerelementArt::Memo:
    case TSteuerelementArt::ScrollBar:
    case TSteuerelementArt::GroupBox:
    case TSteuerelementArt::TabSheet:
    case TSteuerelementArt::PageControl:
    case TSteuerelementArt::PaintBox:
        break;
    }
    throw TBedienfehler("Das Bedienelement " + name + " hat keinen Wert, der sich setzen lässt.");
}

std::string Steuerelementliste(const std::vector<TFormular*>& fenster)
{
    std::string liste;
    for (const auto& [control, formular] : Erreichbare(fenster)) {
        const std::string grund = Sperrgrund(*control);
        liste += Feld(control->Name()) + '\t' + Feld(Art(*control)) + '\t' + Feld(Beschriftung(*formular, *control))
            + '\t' + Feld(Wert(*control)) + '\t' + (grund.empty() ? "bedienbar" : grund) + '\n';
    }
    return liste;
}
