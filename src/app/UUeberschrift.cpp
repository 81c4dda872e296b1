#include "app/UUeberschrift.h"

#include "app/UZeichnen.h"
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
    BOK->OnClick = [this](TButton&) { Sichtbar = false; };
}

void TFUeberschrift::UeberschriftZeileAnfuegen(std::string zeile)
{
    MUeberschrift->Add(std::move(zeile));
}

void TFUeberschrift::AnweisungZeileAnfuegen(std::string zeile)
{
    MArbeitsanweisung->Add(std::move(zeile));
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
