// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UAufgbearbeiten.h"

#include "sheet/USeite.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Waechter.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace {

// Result and remainder of one operation in 32-bit signed arithmetic, or the German message
// of the run-time error that stops it.
struct TRechnung {
    std::int32_t Ergebnis = 0;
    std::int32_t Rest = 0;
    std::string Fehler;
};

TRechnung Rechnen(std::int32_t a, std::int32_t b, int rechenzeichen)
{
    // Computed in 64 bits, where none of the four can overflow, and then checked against the
    // 32 bits the task record holds.
    const std::int64_t x = a;
    const std::int64_t y = b;
    std::int64_t ergebnis = 0;
    std::int64_t rest = 0;
    switch (rechenzeichen) {
    case ZeichenPlus:
        ergebnis = x + y;
        break;
    case ZeichenMinus:
        ergebnis = x - y;
        break;
    case ZeichenMal:
        ergebnis = x * y;
        break;
    case ZeichenGeteilt:
        if (y == 0)
            return {0, 0, "Division durch Null."};
        ergebnis = x / y; // truncates toward zero; the remainder has the sign of the dividend
        rest = x % y;
        break;
    default:
        return {0, 0, "Unbekanntes Rechenzeichen."};
    }
    if (ergebnis < std::numeric_limits<std::int32_t>::min() || ergebnis > std::numeric_limits<std::int32_t>::max())
        return {0, 0, "Überlauf: Das Ergebnis liegt außerhalb des Zahlenbereichs von -2147483648 bis 2147483647."};
    return {static_cast<std::int32_t>(ergebnis), static_cast<std::int32_t>(rest), {}};
}

// The list shows division as "/", but holds one entry for each operator code.
static_assert(TFEditAufgabe::Operatoren.size() == Rechenzeichensymbole.size());

bool GueltigesZeichen(int rechenzeichen)
{
    return rechenzeichen >= 0 && rechenzeichen < static_cast<int>(TFEditAufgabe::Operatoren.size());
}

std::string ErgebnisText(std::int32_t ergebnis, std::int32_t rest)
{
    std::string text = std::to_string(ergebnis);
    if (rest != 0)
        text += " R " + std::to_string(rest);
    return text;
}

} // namespace

TFEditAufgabe::TFEditAufgabe(TMeldungen& meldungen) : TFormular("Aufgabe bearbeiten"), Meldungen(meldungen)
{
    EOp1 = &Erzeuge<TEdit>("EOp1");
    ComboBox1 = &Erzeuge<TComboBox>("ComboBox1");
    ComboBox1->SetItems({Operatoren.begin(), Operatoren.end()});
    ComboBox1->SetText(Operatoren[0]);
    EOp2 = &Erzeuge<TEdit>("EOp2");
    Erzeuge<TLabel>("LGleich").SetCaption("=");
    EErg = &Erzeuge<TEdit>("EErg");
    EErg->SetReadOnly(true);

    // The three buttons form one group, so that choosing one clears the others.
    auto& platzhalter = Erzeuge<TGroupBox>("GBPlatzhalter");
    RBPlatzhalterOp1 = &Erzeuge<TRadioButton>("RBPlatzhalterOp1", &platzhalter);
    RBPlatzhalterOp1->SetCaption("Platzhalter:");
    RBPlatzhalterOp2 = &Erzeuge<TRadioButton>("RBPlatzhalterOp2", &platzhalter);
    RBPlatzhalterErg = &Erzeuge<TRadioButton>("RBPlatzhalterErg", &platzhalter);
    RBPlatzhalterErg->SetChecked(true);

    Button1 = &Erzeuge<TButton>("Button1");
    Button1->SetCaption("Operanden vertauschen");
    BAbbrechen = &Erzeuge<TButton>("BAbbrechen");
    BAbbrechen->SetCaption("Abbrechen");
    BUebernehmen = &Erzeuge<TButton>("BUebernehmen");
    BUebernehmen->SetCaption("Übernehmen");

    const auto feldTaste = [this](TEdit&, char& taste) {
        if (taste != 13)
            return;
        taste = 0; // Enter reads the field; it does not also press a button
        Eingabe();
    };
    for (TEdit* feld : {EOp1, EOp2}) {
        feld->OnKeyPress = feldTaste;
        feld->OnExit = [this](TEdit&) { Eingabe(); };
    }
    ComboBox1->OnChange = [this](TComboBox& liste) {
        // Only the entries can be chosen: typed text gives way to the operator in use.
        if (liste.ItemIndex() < 0) {
            if (GueltigesZeichen(Rechenzeichen))
                liste.SetText(Operatoren[static_cast<std::size_t>(Rechenzeichen)]);
            return;
        }
        Eingabe();
    };
    for (TRadioButton* knopf : {RBPlatzhalterOp1, RBPlatzhalterOp2, RBPlatzhalterErg})
        knopf->OnClick = [this](TRadioButton&) { Eingabe(); };
    Button1->OnClick = [this](TButton&) { Button1Click(); };
    BAbbrechen->OnClick = [this](TButton&) { BAbbrechenClick(); };
    BUebernehmen->OnClick = [this](TButton&) { BUebernehmenClick(); };
}

std::int32_t TFEditAufgabe::secureStrtoInt(std::string_view text, std::int32_t vorgabe)
{
    std::string zahl;
    bool negativ = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            zahl += c;
        else if (c == '-' && zahl.empty())
            negativ = true;
    }
    if (zahl.empty())
        return vorgabe;
    if (negativ)
        zahl.insert(zahl.begin(), '-');
    std::int32_t wert = 0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    return fehler == std::errc{} && ende == zahl.data() + zahl.size() ? wert : vorgabe;
}

void TFEditAufgabe::Laden()
{
    if (Aufgabe == nullptr)
        return;
    const TGSAufgabe& daten = Aufgabe->Daten;
    Operand1 = daten.Operand1;
    Operand2 = daten.Operand2;
    Rechenzeichen = daten.Rechenzeichen;
    Ergebnis = daten.Ergebnis;
    Rest = daten.Rest;
    Platzhalter = daten.Platzhalter;
    {
        const TWertWaechter setzt(Setzt, true);
        switch (Platzhalter) {
        case PlatzhalterOperand1:
            RBPlatzhalterOp1->SetChecked(true);
            break;
        case PlatzhalterOperand2:
            RBPlatzhalterOp2->SetChecked(true);
            break;
        case PlatzhalterErgebnis:
            RBPlatzhalterErg->SetChecked(true);
            break;
        default:
            break;
        }
        // The stored result stays in view should the recomputation fail.
        EErg->SetText(ErgebnisText(Ergebnis, Rest));
    }
    Anzeigen();
}

bool TFEditAufgabe::Anzeigen()
{
    {
        const TWertWaechter setzt(Setzt, true);
        EOp1->SetText(std::to_string(Operand1));
        EOp2->SetText(std::to_string(Operand2));
        if (GueltigesZeichen(Rechenzeichen))
            ComboBox1->SetText(Operatoren[static_cast<std::size_t>(Rechenzeichen)]);
    }
    const TRechnung rechnung = Rechnen(Operand1, Operand2, Rechenzeichen);
    if (!rechnung.Fehler.empty()) {
        Meldungen.Zeige("Fehler", rechnung.Fehler, TMeldungsart::Fehler);
        return false;
    }
    Ergebnis = rechnung.Ergebnis;
    Rest = rechnung.Rest;
    const TWertWaechter setzt(Setzt, true);
    EErg->SetText(ErgebnisText(Ergebnis, Rest));
    return true;
}

bool TFEditAufgabe::einlesen()
{
    // Unreadable text falls back to the task's operand, not to the copy's.
    const std::int32_t alt1 = Aufgabe != nullptr ? Aufgabe->Daten.Operand1 : Operand1;
    const std::int32_t alt2 = Aufgabe != nullptr ? Aufgabe->Daten.Operand2 : Operand2;
    Operand1 = secureStrtoInt(EOp1->Text(), alt1);
    Operand2 = secureStrtoInt(EOp2->Text(), alt2);
    if (const int index = ComboBox1->ItemIndex(); index >= 0)
        Rechenzeichen = index;
    Platzhalter = RBPlatzhalterOp1->Checked() ? PlatzhalterOperand1
        : RBPlatzhalterOp2->Checked()         ? PlatzhalterOperand2
                                              : PlatzhalterErgebnis;
    return Anzeigen();
}

void TFEditAufgabe::Eingabe()
{
    if (!Setzt)
        einlesen();
}

void TFEditAufgabe::Zurueckschreiben()
{
    if (Aufgabe == nullptr)
        return;
    TGSAufgabe& daten = Aufgabe->Daten;
    daten.Operand1 = Operand1;
    daten.Operand2 = Operand2;
    daten.Rechenzeichen = static_cast<std::uint8_t>(Rechenzeichen);
    daten.Ergebnis = Ergebnis;
    daten.Rest = Rest;
    daten.Platzhalter = Platzhalter;
    Aufgabe->BerechneQuersumme();
}

void TFEditAufgabe::FormShow()
{
    Sichtbar = true;
    Uebernommen = false;
    Laden();
}

void TFEditAufgabe::BUebernehmenClick()
{
    // A task that cannot be computed is not taken; the message has told why, and the dialog
    // stays open for a correction or "Abbrechen".
    if (!einlesen())
        return;
    Zurueckschreiben();
    Uebernommen = true;
    Sichtbar = false;
}

void TFEditAufgabe::BAbbrechenClick()
{
    Sichtbar = false;
}

void TFEditAufgabe::Button1Click()
{
    std::swap(Operand1, Operand2);
    Anzeigen();
}
