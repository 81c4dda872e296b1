// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UUeberschrift.h"

#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "files/Windows1252.h"

#include <algorithm>

TFUeberschrift::TFUeberschrift(TUeberschriftZiel& hauptfenster)
    : TFormular("Überschrift und Arbeitsanweisung"), Hauptfenster(hauptfenster)
{
    Erzeuge<TLabel>("LUeberschrift").SetCaption("Überschrift: (z.B. Arbeitsblatt für ...)");
    MUeberschrift = &Erzeuge<TMemo>("MUeberschrift");
    Erzeuge<TLabel>("LArbeitsanweisung").SetCaption("Arbeitsanweisung (z.B. Rechne schriftlich!)");
    MArbeitsanweisung = &Erzeuge<TMemo>("MArbeitsanweisung");
    BSchrift = &Erzeuge<TButton>("BSchrift");
    BSchrift->SetCaption("Schrift ...");
    BSchrift->Tag = 3;
    BAaSchrift = &Erzeuge<TButton>("BAaSchrift");
    BAaSchrift->SetCaption("Schrift ...");
    BAaSchrift->Tag = 5;
    CBNamenszeile = &Erzeuge<TCheckBox>("CBNamenszeile");
    CBNamenszeile->SetCaption("Namenszeile");
    CBKlasse = &Erzeuge<TCheckBox>("CBKlasse");
    CBKlasse->SetCaption("mit „Klasse:“");
    CBKlasse->SetEnabled(false);
    BOK = &Erzeuge<TButton>("BOK");
    BOK->SetCaption("OK");

    MUeberschrift->OnChange = [this](TMemo& memo) { MUeberschriftChange(memo); };
    MArbeitsanweisung->OnChange = [this](TMemo& memo) { MUeberschriftChange(memo); };
    const auto schrift = [this](TButton& knopf) { Hauptfenster.SchriftCLick(knopf.Tag); };
    BSchrift->OnClick = schrift;
    BAaSchrift->OnClick = schrift;
    BOK->OnClick = [this](TButton&) { BOKClick(); };
    CBNamenszeile->OnClick = [this](TCheckBox& box) {
        CBKlasse->SetEnabled(box.Checked());
        Hauptfenster.Seitenmetrik();
    };
    CBKlasse->OnClick = [this](TCheckBox&) { Hauptfenster.Seitenmetrik(); };
}

void TFUeberschrift::UeberschriftZeileAnfuegen(std::string zeile)
{
    MUeberschrift->Add(std::move(zeile));
}

void TFUeberschrift::AnweisungZeileAnfuegen(std::string zeile)
{
    MArbeitsanweisung->Add(std::move(zeile));
}

void TFUeberschrift::BOKClick()
{
    Hauptfenster.Seitenmetrik();
    Sichtbar = false;
}

void TFUeberschrift::MUeberschriftChange(TMemo& memo)
{
    // What could be saved but not opened again is not taken: the lines beyond the limit go,
    // and the teacher is told.
    if (memo.Lines().size() > GroessteZeilenzahl) {
        const std::size_t anzahl = memo.Lines().size();
        memo.SetLines({memo.Lines().begin(), memo.Lines().begin() + GroessteZeilenzahl}); // lays the page out
        throw ERangeError("Die " + Blockname(memo) + " kann höchstens " + std::to_string(GroessteZeilenzahl)
                          + " Zeilen haben, nicht " + std::to_string(anzahl) + "; die Zeilen danach wurden entfernt.");
    }
    Hauptfenster.Seitenmetrik();
}

std::string TFUeberschrift::Blockname(const TMemo& memo) const
{
    return &memo == MUeberschrift ? "Überschrift" : "Arbeitsanweisung";
}

std::string TFUeberschrift::Fragezeichenhinweis() const
{
    std::vector<std::string> verloren;
    for (const TMemo* memo : {MUeberschrift, MArbeitsanweisung}) {
        for (const std::string& zeile : memo->Lines()) {
            for (std::string& zeichen : NichtInWindows1252(zeile)) {
                if (std::find(verloren.begin(), verloren.end(), zeichen) == verloren.end())
                    verloren.push_back(std::move(zeichen));
            }
        }
    }
    if (verloren.empty())
        return {};
    std::string liste;
    for (const std::string& zeichen : verloren)
        liste += (liste.empty() ? "„" : ", „") + Utf8Maskiert(zeichen) + "“";
    return "Eine Arbeitsblattdatei kann nicht jedes Zeichen der Überschrift und der Arbeitsanweisung aufnehmen: "
        + liste + (verloren.size() == 1 ? " wurde" : " wurden") + " als „?“ gespeichert.";
}

void TFUeberschrift::UeberschriftSchreiben(TLoadSave& strom) const
{
    for (const TMemo* memo : {MUeberschrift, MArbeitsanweisung}) {
        strom.WriteInteger(static_cast<std::int32_t>(memo->Lines().size()));
        strom.WriteLineEnd();
        for (const std::string& zeile : memo->Lines()) {
            strom.WriteText(zeile);
            strom.WriteLineEnd();
        }
    }
    strom.WriteLineEnd();
    strom.WriteLineEnd();
}

void TFUeberschrift::UeberschriftLesen(TLoadSave& strom)
{
    for (TMemo* memo : {MUeberschrift, MArbeitsanweisung}) {
        memo->Clear();
        const std::int32_t anzahl = strom.ReadInteger();
        if (anzahl < 0 || static_cast<std::size_t>(anzahl) > GroessteZeilenzahl)
            throw ERangeError("Die Zeilenzahl " + std::to_string(anzahl) + " der " + Blockname(*memo)
                              + " ist ungültig (erlaubt sind 0 bis " + std::to_string(GroessteZeilenzahl) + ").");
        std::vector<std::string> zeilen;
        for (std::int32_t i = 0; i < anzahl; ++i) {
            if (strom.AmEnde())
                throw EConvertError("Die Datei endet mitten in der " + Blockname(*memo) + ".");
            zeilen.push_back(strom.ReadText());
        }
        memo->SetLines(std::move(zeilen));
    }
}
