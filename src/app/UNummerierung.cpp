// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UNummerierung.h"

#include "sheet/USeite.h"

#include <string>
#include <utility>

TFNummerierung::TFNummerierung() : TFormular("Nummerierungszeichen")
{
    auto& zaehlweise = Erzeuge<TGroupBox>("GBZaehlweise");
    zaehlweise.SetCaption("Zählweise");
    RB123 = &Erzeuge<TRadioButton>("RB123", &zaehlweise);
    RB123->SetCaption("1, 2, 3, ...");
    RBabc = &Erzeuge<TRadioButton>("RBabc", &zaehlweise);
    // The letters' second round counts from 1, as the sheet does (NummerText).
    RBabc->SetCaption("a, b, c, ..., z, a1, b1, ...");
    auto& zeichen = Erzeuge<TGroupBox>("GBZeichen");
    zeichen.SetCaption("Zeichen nach der Nummer:");
    EZeichennachderNummer = &Erzeuge<TEdit>("EZeichennachderNummer", &zeichen);
    auto& vorschau = Erzeuge<TGroupBox>("GBVorschau");
    vorschau.SetCaption("Vorschau");
    LVorschau1 = &Erzeuge<TLabel>("LVorschau1", &vorschau);
    BOK = &Erzeuge<TButton>("BOK");
    BOK->SetCaption("OK");

    // The main window's defaults: 1. 2. 3.
    RB123->SetChecked(true);
    EZeichennachderNummer->SetText(".");
    Vorschau();

    RB123->OnClick = [this](TRadioButton&) { Vorschau(); };
    RBabc->OnClick = [this](TRadioButton&) { Vorschau(); };
    EZeichennachderNummer->OnChange = [this](TEdit&) { Vorschau(); };
    BOK->OnClick = [this](TButton&) { Schliessen(); };
}

void TFNummerierung::Einrichten(bool mitZiffern, const std::string& zeichenNachNummer)
{
    (mitZiffern ? RB123 : RBabc)->SetChecked(true);
    EZeichennachderNummer->SetText(zeichenNachNummer);
}

void TFNummerierung::FormShow()
{
    Sichtbar = true;
    Vorschau();
}

void TFNummerierung::Vorschau()
{
    std::string text;
    for (int n = 1; n <= 3; ++n)
        text += NummerText(n, MitZiffern(), ZeichenNachNummer()) + "   ";
    LVorschau1->SetCaption(std::move(text));
}

bool TFNummerierung::MitZiffern() const
{
    return RB123->Checked();
}

const std::string& TFNummerierung::ZeichenNachNummer() const
{
    return EZeichennachderNummer->Text();
}
