// SPDX-License-Identifier: GPL-3.0-or-later
// The settings block of a worksheet file: every option of the settings window as a flat run of
// values without names, in an order that grew with the file versions. Reading sets each
// control through its setter, so that its handler runs as a user's click would (twins follow,
// range and carry radios set the stored values). A read that fails part-way is undone: the
// window goes back to the state it had before the read, taken as a snapshot in the same format.

#include "files/Dateikopf.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "settings/Main.h"
#include "toolkit/Waechter.h"

#include <array>
#include <string>
#include <variant>

namespace {

// The first version that holds each later part of the block.
constexpr int AbStellenboxen = 1;
constexpr int AbReihenfolge = 2;
constexpr int AbKlammern = 3;
constexpr int AbPlatzhalterart = 5;
constexpr int AbQuadrate = 6;
constexpr int AbMinimalwert = 7;
constexpr int AbErgaenzen = 8;
constexpr int AbIntervalle = 11;

// One of the check boxes and radio buttons of the block's first run of truth values.
using TSchalter = std::variant<TCheckBox*, TRadioButton*>;

bool Zustand(const TSchalter& schalter)
{
    return std::visit([](const auto* c) { return c->Checked(); }, schalter);
}

void Setze(const TSchalter& schalter, bool wert)
{
    std::visit([wert](auto* c) { c->SetChecked(wert); }, schalter);
}

// Items 1-58 in file order. The quick twins (19-22, with Geteilt before Mal) come after their
// main boxes, so a file whose pairs disagree ends with the twin's value.
std::array<TSchalter, 58> Schalter(const TMainForm& f)
{
    return {
        f.CBPluskommtvor,
        f.CBMinuskommtvor,
        f.CBMalkommtvor,
        f.CBGeteiltkommtvor,
        f.CBNullKommtVor,
        f.CBSchwereEinmaleinshaeufiger,
        f.CBDivSchwerehaeufiger,
        f.CBEmalZ,
        f.CBZEmalZ,
        f.CBNullkommtvorMultDiv,
        f.CBPlatzhalterkommenvormultdiv,
        f.CBMalUA,
        f.CBGeteiltUA,
        f.CBPlatzhalterOp1,
        f.CBPlatzhalterOp2,
        f.CBPlatzhalterErg,
        f.CBPlatzhaleraddsub,
        f.CBPlatzhalterMultDiv,
        f.CBPluskv,
        f.CBMinuskv,
        f.CBGeteiltkv,
        f.CBMalkv,
        f.CBMultkzmalkz,
        f.CBMultkzmalgz,
        f.CBMultgzmalgz,
        f.CBDivkzdurchkz,
        f.CBDivgzdurchkz,
        f.CBDivgzdurchgz,
        f.RBZRbis10,
        f.RBZRbis20,
        f.RBZRbis100,
        f.RBZRbis1000,
        f.RBZRbis10000,
        f.RBZRbis100000,
        f.RBZRbis1000000,
        f.RBManuelleEingabe,
        f.RBOhneZU,
        f.RBMitZU,
        f.RBImmerZU,
        f.RBAlleRechenarten,
        f.RBNichtAlle,
        f.RBOhneHU,
        f.RBMitHU,
        f.RBImmerHU,
        f.RBEinmaleins,
        f.RBSchriftlich,
        f.RBBesondereProdukte,
        f.RBEinmaleinsdiv,
        f.RBSchriftlichdiv,
        f.RBRestnie,
        f.RBRestJa,
        f.RBRestimmer,
        f.RBPlusMinusohneNegative,
        f.RBPlusMinusmitNegative,
        f.RBPlusMinusNegativeImmer,
        f.RBMalGeteiltNegativeNie,
        f.RBMalGeteiltNegativeja,
        f.RBMalGeteiltNegativeImmer,
    };
}

std::array<TRadioButton*, 3> Reihenfolge(const TMainForm& f)
{
    return {f.RBZEplusE, f.RBEplusZE, f.RBPlusArtenbeide};
}

std::array<TUpDown*, 4> Intervalle(const TMainForm& f)
{
    return {f.UDIntFaktor1Von, f.UDIntFaktor1Bis, f.UDIntFaktor2Von, f.UdIntFaktor2Bis};
}

// An up-down keeps a 16-bit position; a larger number cannot have been written by the program.
int PositionLesen(TLoadSave& strom, const TUpDown& ud)
{
    const std::int32_t wert = strom.ReadInteger();
    if (wert < -32768 || wert > 32767) {
        throw ERangeError("Der Wert " + std::to_string(wert) + " für „" + ud.Name()
                          + "“ liegt außerhalb des Bereichs von -32768 bis 32767.");
    }
    return wert;
}

// Reads the block into the controls with the rules suspended; putting them back in force is
// left to the caller.
void BlockLesen(TMainForm& f, TLoadSave& strom, int version)
{
    f.RegelnAktiv = false;

    for (const TSchalter& schalter : Schalter(f))
        Setze(schalter, strom.ReadBoolean());
    for (int t = 1; t <= 16; ++t)
        f.UDStellen[t]->SetPosition(PositionLesen(strom, *f.UDStellen[t]));
    for (int k = 1; k <= 20; ++k)
        f.CBMultReihe[k]->SetChecked(strom.ReadBoolean());
    for (int k = 1; k <= 20; ++k)
        f.CBDivReihe[k]->SetChecked(strom.ReadBoolean());
    for (int i = 1; i <= 7; ++i) {
        for (int j = 1; j <= i; ++j)
            f.CBKombination[i][j]->SetChecked(strom.ReadBoolean());
    }

    f.EZahlenraumbis->SetText(strom.ReadText());
    // The manual range takes effect only through its field, which has no change handler.
    if (f.RBManuelleEingabe->Checked())
        f.Zahlenraum = Ziffernfilter(f.EZahlenraumbis->Text(), f.Zahlenraum);
    f.EMinErgDivision->SetText(strom.ReadText());

    if (version >= AbStellenboxen) {
        f.CBNurFolgendeOperanden->SetChecked(strom.ReadBoolean());
        for (int o = 1; o <= 2; ++o) {
            for (int r = 1; r <= 2; ++r) {
                for (int s = 1; s <= 7; ++s)
                    f.CBStelle[o][r][s]->SetChecked(strom.ReadBoolean());
            }
        }
    } else {
        f.CBNurFolgendeOperanden->SetChecked(false);
    }

    if (version >= AbReihenfolge) {
        for (TRadioButton* rb : Reihenfolge(f))
            rb->SetChecked(strom.ReadBoolean());
    }

    // Unchecking one bracket box unchecks the other through its handler.
    f.CBPositiveZahlenKlammernMG->SetChecked(false);
    f.CBPositiveZahlenKlammernPM->SetChecked(false);
    if (version >= AbKlammern) {
        f.CBPositiveZahlenKlammernMG->SetChecked(strom.ReadBoolean());
        f.CBPositiveZahlenKlammernPM->SetChecked(f.CBPositiveZahlenKlammernMG->Checked());
    }

    // The radio group clamps the item to -1..last itself.
    f.RGPlatzhalterart->SetItemIndex(version >= AbPlatzhalterart ? strom.ReadInteger() : 0);

    if (version >= AbQuadrate) {
        f.CBQuadrataufgaben->SetChecked(strom.ReadBoolean());
        f.QuadratBis = strom.ReadInteger();
    } else {
        f.CBQuadrataufgaben->SetChecked(false);
        f.QuadratBis = 10;
    }
    f.EQuadrataufgabenBis->SetText(std::to_string(f.QuadratBis));

    if (version >= AbMinimalwert) {
        f.CBMinimalWert->SetChecked(strom.ReadBoolean());
        f.Minimalwert = strom.ReadInteger();
        f.EMinimalwert->SetText(std::to_string(f.Minimalwert));
        f.CBKeine10HochN->SetChecked(strom.ReadBoolean());
    } else {
        f.CBMinimalWert->SetChecked(false);
        f.Minimalwert = 0;
        f.EMinimalwert->SetText("0");
        f.CBKeine10HochN->SetChecked(false);
    }

    if (version >= AbErgaenzen) {
        f.CBErgZehner->SetChecked(strom.ReadBoolean());
        f.CBErgHunderter->SetChecked(strom.ReadBoolean());
    } else {
        f.CBErgZehner->SetChecked(false);
        f.CBErgHunderter->SetChecked(false);
    }

    // Older files leave the intervals alone; their multiplication method has already chosen
    // its radio, which unchecked the interval radio beside it.
    if (version >= AbIntervalle) {
        f.RBFaktorenInnerhalbVonIntervallen->SetChecked(strom.ReadBoolean());
        for (TUpDown* ud : Intervalle(f))
            ud->SetPosition(PositionLesen(strom, *ud));
    }
}

} // namespace

void TMainForm::EinstellungenSchreiben(TLoadSave& strom) const
{
    for (const TSchalter& schalter : Schalter(*this))
        strom.WriteBoolean(Zustand(schalter));
    for (int t = 1; t <= 16; ++t)
        strom.WriteInteger(UDStellen[t]->Position());
    for (int k = 1; k <= 20; ++k)
        strom.WriteBoolean(CBMultReihe[k]->Checked());
    strom.WriteLineEnd();
    for (int k = 1; k <= 20; ++k)
        strom.WriteBoolean(CBDivReihe[k]->Checked());
    strom.WriteLineEnd();
    for (int i = 1; i <= 7; ++i) {
        for (int j = 1; j <= i; ++j)
            strom.WriteBoolean(CBKombination[i][j]->Checked());
        strom.WriteLineEnd();
    }
    strom.WriteText(EZahlenraumbis->Text());
    strom.WriteText(EMinErgDivision->Text());
    strom.WriteLineEnd();
    strom.WriteLineEnd();

    strom.WriteBoolean(CBNurFolgendeOperanden->Checked());
    strom.WriteLineEnd();
    for (int o = 1; o <= 2; ++o) {
        for (int r = 1; r <= 2; ++r) {
            for (int s = 1; s <= 7; ++s)
                strom.WriteBoolean(CBStelle[o][r][s]->Checked());
            strom.WriteLineEnd();
        }
    }

    for (const TRadioButton* rb : Reihenfolge(*this))
        strom.WriteBoolean(rb->Checked());
    strom.WriteBoolean(CBPositiveZahlenKlammernMG->Checked());
    strom.WriteInteger(RGPlatzhalterart->ItemIndex());
    strom.WriteBoolean(CBQuadrataufgaben->Checked());
    strom.WriteInteger(QuadratBis);
    strom.WriteBoolean(CBMinimalWert->Checked());
    strom.WriteInteger(Minimalwert);
    strom.WriteBoolean(CBKeine10HochN->Checked());
    strom.WriteBoolean(CBErgZehner->Checked());
    strom.WriteBoolean(CBErgHunderter->Checked());
    strom.WriteBoolean(RBFaktorenInnerhalbVonIntervallen->Checked());
    for (const TUpDown* ud : Intervalle(*this))
        strom.WriteInteger(ud->Position());
}

TEinstellungsstand TMainForm::StandFesthalten() const
{
    TLoadSave speicher;
    speicher.OpenWriteMemory();
    EinstellungenSchreiben(speicher);

    TEinstellungsstand stand;
    stand.Block = speicher.Bytes();
    stand.Zahlenraum = Zahlenraum;
    stand.ZUModus = ZUModus;
    stand.HUModus = HUModus;
    stand.QuadratBis = QuadratBis;
    stand.Minimalwert = Minimalwert;
    stand.Zahlenraumbis = EZahlenraumbis->Text();
    stand.MinErgDivision = EMinErgDivision->Text();
    stand.MinErgPosition = UDMinErgDivision->Position();
    stand.QuadrataufgabenBis = EQuadrataufgabenBis->Text();
    stand.MinimalwertText = EMinimalwert->Text();
    return stand;
}

void TMainForm::StandWiederherstellen(const TEinstellungsstand& stand)
{
    // The snapshot is this program's own block at the current version, so reading it back
    // cannot fail. The old options are not worth a second warning.
    const TWertWaechter stumm(WarnungStumm, true);
    Behandle([&] {
        TLoadSave schnappschuss;
        schnappschuss.OpenReadBytes(stand.Block);
        BlockLesen(*this, schnappschuss, AktuelleDateiversion);

        EZahlenraumbis->SetText(stand.Zahlenraumbis);
        EMinErgDivision->SetText(stand.MinErgDivision);
        UDMinErgDivision->SetPosition(stand.MinErgPosition);
        EQuadrataufgabenBis->SetText(stand.QuadrataufgabenBis);
        EMinimalwert->SetText(stand.MinimalwertText);
        Zahlenraum = stand.Zahlenraum;
        ZUModus = stand.ZUModus;
        HUModus = stand.HUModus;
        QuadratBis = stand.QuadratBis;
        Minimalwert = stand.Minimalwert;
        RegelnAktiv = true;
        LogikCheck();
    });
}

void TMainForm::EinstellungenLesen(TLoadSave& strom, int dateiversion)
{
    const TEinstellungsstand vorher = StandFesthalten();
    try {
        // One frame around the whole read: the handlers it runs rebuild the page at most once.
        Behandle([&] {
            BlockLesen(*this, strom, dateiversion);
            RegelnAktiv = true;
            LogikCheck();
        });
    } catch (...) {
        StandWiederherstellen(vorher);
        throw;
    }
}
