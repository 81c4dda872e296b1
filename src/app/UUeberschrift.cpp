#include "app/UUeberschrift.h"

#include "app/UZeichnen.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"

TFUeberschrift::TFUeberschrift(TZeichnen& hauptfenster)
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
    BOK = &Erzeuge<TButton>("BOK");
    BOK->SetCaption("OK");

    MUeberschrift->OnChange = [this](TMemo&) { MUeberschriftChange(); };
    MArbeitsanweisung->OnChange = [this](TMemo&) { MUeberschriftChange(); };
    const auto schrift = [this](TButton& knopf) { Hauptfenster.SchriftCLick(knopf.Tag); };
    BSchrift->OnClick = schrift;
    BAaSchrift->OnClick = schrift;
    BOK->OnClick = [this](TButton&) { BOKClick(); };
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

void TFUeberschrift::MUeberschriftChange()
{
    Hauptfenster.Seitenmetrik();
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
    // A heading of a thousand lines would not fit any sheet; a count beyond that comes only
    // from a damaged file and must not make the reader run on.
    constexpr std::int32_t GroessteZeilenzahl = 1000;
    for (TMemo* memo : {MUeberschrift, MArbeitsanweisung}) {
        memo->Clear();
        const std::int32_t anzahl = strom.ReadInteger();
        if (anzahl < 0 || anzahl > GroessteZeilenzahl)
            throw ERangeError("Die Zeilenzahl " + std::to_string(anzahl) + " der Überschrift ist ungültig.");
        std::vector<std::string> zeilen;
        for (std::int32_t i = 0; i < anzahl; ++i) {
            if (strom.AmEnde())
                throw EConvertError("Die Datei endet mitten in der Überschrift.");
            zeilen.push_back(strom.ReadText());
        }
        memo->SetLines(std::move(zeilen));
    }
}
