// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings window as the settings block of a worksheet file.
// A read that fails must leave the window as it was: it writes the same block as before,
// keeps its stored values and enabled states, and has its rules in force. A read that
// succeeds must agree with the writer: what the window then writes reads back unchanged.
//
// Input: byte 0 chooses the file version (value % 12) and, in value / 12, whether the main
// window is on screen (bit 0), whether its written layout is on (bit 1) and whether the window
// starts from changed options rather than the defaults (bit 2). The rest is the block.

#include "doubles/ZeichnenPlatzhalter.h"
#include "files/Dateikopf.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "settings/Main.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zufall.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Pruefen(bool bedingung)
{
    if (!bedingung) {
        std::abort();
    }
}

class TStilleMeldungen final : public TMeldungen {
public:
    void Zeige(const std::string&, const std::string&, TMeldungsart) override {}
};

std::string Block(const TMainForm& form)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    form.EinstellungenSchreiben(strom);
    return strom.Bytes();
}

// What the block does not show: stored values, texts and the enabled and visible states.
std::string Rest(const TMainForm& form)
{
    std::string rest = std::to_string(form.Zahlenraum) + " " + std::to_string(form.ZUModus) + " "
        + std::to_string(form.HUModus) + " " + std::to_string(form.QuadratBis) + " " + std::to_string(form.Minimalwert)
        + " " + std::to_string(form.RegelnAktiv) + " ";
    for (const auto& c : form.Steuerelemente()) {
        rest += c->Enabled() ? 'E' : 'e';
        rest += c->Visible() ? 'V' : 'v';
        if (const auto* feld = dynamic_cast<const TEdit*>(c.get())) {
            rest += feld->Text() + "|";
        } else if (const auto* ud = dynamic_cast<const TUpDown*>(c.get())) {
            rest += std::to_string(ud->Position()) + "|";
        }
    }
    return rest;
}

void Klick(const TMainForm& form, const char* name)
{
    if (auto* box = dynamic_cast<TCheckBox*>(form.Finde(name))) {
        box->Click();
    } else if (auto* knopf = dynamic_cast<TRadioButton*>(form.Finde(name))) {
        knopf->Click();
    } else {
        std::abort();
    }
}

// Options away from the defaults, including fields typed into without Enter.
void Aendern(TMainForm& form)
{
    for (const char* name :
         {"CBPluskv", "CBMalkommtvor", "CBGeteiltkommtvor", "RBManuelleEingabe", "RBImmerZU", "RBNichtAlle",
          "CBKombination[5][2]", "CBNurFolgendeOperanden", "CBStelle[2][2][4]", "RBFaktorenInnerhalbVonIntervallen",
          "CBQuadrataufgaben", "RBPlusMinusNegativeImmer", "CBPositiveZahlenKlammernPM", "CBMinimalWert"}) {
        Klick(form, name);
    }
    form.EZahlenraumbis->SetText("250");
    char enter = 13;
    form.EZahlenraumbis->KeyPress(enter);
    form.EZahlenraumbis->SetText("9x9");
    form.EMinErgDivision->SetText("3");
    form.EMinErgDivision->SetText("12");
    form.EQuadrataufgabenBis->SetText("17");
    form.UDStellen[5]->Pfeilklick(TUDBtnType::btNext);
    form.UDIntFaktor2Von->SetPosition(42);
    form.RGPlatzhalterart->SetItemIndex(1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0) {
        return 0;
    }
    const int version = daten[0] % 12;
    const int schalter = daten[0] / 12;

    TMersenneZufall zufall(1);
    TStilleMeldungen meldungen;
    TZeichnenPlatzhalter haupt;
    haupt.SichtbarFeld = (schalter & 1) != 0;
    haupt.Schriftlich = (schalter & 2) != 0;
    TMainForm form(zufall, meldungen, &haupt);
    if ((schalter & 4) != 0) {
        Aendern(form);
    }

    const std::string blockVorher = Block(form);
    const std::string restVorher = Rest(form);
    TLoadSave strom;
    strom.OpenReadBytes(std::string(reinterpret_cast<const char*>(daten) + 1, groesse - 1));
    try {
        form.EinstellungenLesen(strom, version);
    } catch (const EZifferbogenFehler&) {
        Pruefen(Block(form) == blockVorher);
        Pruefen(Rest(form) == restVorher);
        return 0;
    }
    Pruefen(form.RegelnAktiv);

    const std::string gelesen = Block(form);
    TLoadSave wieder;
    wieder.OpenReadBytes(gelesen);
    form.EinstellungenLesen(wieder, AktuelleDateiversion);
    Pruefen(Block(form) == gelesen);
    return 0;
}
