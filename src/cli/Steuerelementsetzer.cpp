// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Steuerelementsetzer.h"

#include "cli/Bedienfehler.h"
#include "toolkit/Fehler.h"
#include "toolkit/Formular.h"

#include <algorithm>
#include <charconv>

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
        throw TBedienfehler("Unbekanntes Bedienelement: " + name);
    if (!control->Bedienbar()) {
        throw TBedienfehler("Das Bedienelement " + name + " ist "
                            + (control->Enabled() && control->Visible()
                                   ? "gerade nicht bedienbar"
                                   : (control->Visible() ? "gesperrt" : "ausgeblendet"))
                            + " und kann nicht geändert werden.");
    }

    switch (control->Art()) {
    case TSteuerelementArt::CheckBox:
        static_cast<TCheckBox*>(control)->SetChecked(Wahrheitswert(name, wert));
        return;
    case TSteuerelementArt::RadioButton:
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
