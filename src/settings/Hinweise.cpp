// SPDX-License-Identifier: GPL-3.0-or-later
// The tips of the settings window: every control a user can operate says in a short German
// sentence what it does, shown while the mouse rests on it. The window's own hints (the grid
// boxes' examples, the times-table boxes, the special products) are set where the controls
// are made; these are the rest.

#include "settings/Main.h"

#include <stdexcept>
#include <string>

namespace {

struct THinweis {
    const char* Name;
    const char* Text;
};

// The designed controls of the window, by name.
constexpr THinweis Hinweise[] = {
    {"BitBtn1", "Die Einstellungen übernehmen und das Hauptfenster mit dem Arbeitsblatt zeigen"},
    {"Memo1", "Hier steht, warum zu den Einstellungen keine passende Aufgabe gefunden wurde"},
    {"CBPluskv", "Plusaufgaben kommen vor (wie „Plus (+) kommt vor“ auf der Seite „Plus, Minus“)"},
    {"CBMinuskv", "Minusaufgaben kommen vor (wie „Minus (-) kommt vor“ auf der Seite „Plus, Minus“)"},
    {"CBMalkv", "Malaufgaben kommen vor (wie „Mal ( · ) kommt vor“ auf der Seite „Mal, Geteilt“)"},
    {"CBGeteiltkv", "Geteiltaufgaben kommen vor (wie „Geteilt ( : ) kommt vor“ auf der Seite „Mal, Geteilt“)"},

    // Page "Plus, Minus"
    {"CBPluskommtvor", "Additionsaufgaben kommen auf dem Arbeitsblatt vor"},
    {"CBMinuskommtvor", "Subtraktionsaufgaben kommen auf dem Arbeitsblatt vor"},
    {"RBManuelleEingabe", "Die obere Grenze des Zahlenraums selbst eintippen"},
    {"EZahlenraumbis", "Obere Grenze des Zahlenraums; gilt nach Enter oder beim Verlassen des Feldes"},
    {"RBOhneZU", "Keine Aufgabe mit Zehnerübergang, z.B. 34 + 5 oder 38 - 6"},
    {"RBMitZU", "Aufgaben mit und ohne Zehnerübergang"},
    {"RBImmerZU", "Jede Aufgabe hat einen Zehnerübergang, z.B. 37 + 5 oder 42 - 7"},
    {"CBErgZehner",
     "Aufgaben wie 37 + 3 oder 35 - 5, die genau den vollen Zehner ergänzen, zählen als "
     "Zehnerübergang"},
    {"RBOhneHU", "Keine Aufgabe mit Hunderterübergang, z.B. 340 + 50 oder 380 - 60"},
    {"RBMitHU", "Aufgaben mit und ohne Hunderterübergang"},
    {"RBImmerHU", "Jede Aufgabe hat einen Hunderterübergang, z.B. 380 + 40 oder 420 - 50"},
    {"CBErgHunderter",
     "Aufgaben wie 370 + 30 oder 450 - 50, die genau den vollen Hunderter ergänzen, zählen "
     "als Hunderterübergang"},
    {"RBAlleRechenarten", "Alle Zahlen des Zahlenraums kommen vor, gleich welche Stellen sie besetzen"},
    {"RBNichtAlle",
     "Nur die im Raster angekreuzten Kombinationen von Operandentypen (E, Z, ZE, H, HE, HZ, HZE) "
     "kommen vor"},
    {"RBZEplusE", "Eine angekreuzte Kombination kommt nur mit dem größeren Typ zuerst vor, z.B. 23 + 3"},
    {"RBEplusZE", "Eine angekreuzte Kombination kommt nur mit dem kleineren Typ zuerst vor, z.B. 3 + 23"},
    {"RBPlusArtenbeide", "Beide Reihenfolgen kommen vor, z.B. 23 + 3 und 3 + 23"},
    {"CBNullKommtVor", "Die Null darf in Plus- und Minusaufgaben vorkommen, z.B. 7 + 0 oder 5 - 5"},
    {"CBPlatzhalteraufgaben",
     "Bei Plus und Minus ist manchmal ein Operand gesucht, z.B. 3 + __ = 7 (wo, legt "
     "die Seite „Platzhalter...“ fest)"},
    {"RBPlusMinusohneNegative", "Keine negativen Zahlen bei Plus und Minus"},
    {"RBPlusMinusmitNegative", "Negative Zahlen dürfen bei Plus und Minus vorkommen, z.B. ( -5 ) + 3"},
    {"RBPlusMinusNegativeImmer", "In jeder Plus- und Minusaufgabe ist mindestens eine Zahl negativ"},
    {"CBPositiveZahlenKlammernPM", "Auch positive Zahlen mit Vorzeichen in Klammern schreiben, z.B. ( +5 ) - ( -3 )"},
    {"CBNurFolgendeOperanden",
     "Die Zahlen der Plus- und Minusaufgaben Stelle für Stelle festlegen (Kästchen "
     "darunter); Übergänge und Kombinationen gelten dann nicht"},

    // Page "Mal, Geteilt"
    {"CBMalkommtvor", "Multiplikationsaufgaben kommen auf dem Arbeitsblatt vor"},
    {"RBEinmaleins", "Malaufgaben aus den angekreuzten Einmaleins-Reihen"},
    {"RBSchriftlich", "Malaufgaben zum schriftlichen Rechnen; die Stellen der Faktoren stehen rechts"},
    {"RBFaktorenInnerhalbVonIntervallen",
     "Beide Faktoren aus den Bereichen unter „Faktoren innerhalb von "
     "Intervallen“"},
    {"RBBesondereProdukte", "Nur die besonderen Produkte darunter, z.B. 5 · 40 oder 34 · 50"},
    {"BMult1bis10", "Die Reihen 1 bis 10 alle an- oder alle abwählen"},
    {"BMult11bis20", "Die Reihen 11 bis 20 alle an- oder alle abwählen"},
    {"CBSchwereEinmaleinshaeufiger", "Schwere Aufgaben wie 7 · 8 kommen öfter vor als leichte wie 1 · 5"},
    {"CBQuadrataufgaben", "Auch Quadrataufgaben wie 7 · 7 kommen vor, bis zur Zahl bei „bis:“"},
    {"EQuadrataufgabenBis",
     "Die größte Zahl n der Quadrataufgaben n · n (höchstens 20); gilt nach Enter oder "
     "beim Verlassen des Feldes"},
    {"EIntFaktor1Von", "Der 1. Faktor liegt zwischen dieser Zahl und der bei „bis“ (0 bis 100)"},
    {"UDIntFaktor1Von", "Der 1. Faktor liegt zwischen dieser Zahl und der bei „bis“ (0 bis 100)"},
    {"EFaktor1Bis", "Der 1. Faktor liegt zwischen der Zahl bei „von“ und dieser (0 bis 100)"},
    {"UDIntFaktor1Bis", "Der 1. Faktor liegt zwischen der Zahl bei „von“ und dieser (0 bis 100)"},
    {"EIntFaktor2Von", "Der 2. Faktor liegt zwischen dieser Zahl und der bei „bis“ (0 bis 100)"},
    {"UDIntFaktor2Von", "Der 2. Faktor liegt zwischen dieser Zahl und der bei „bis“ (0 bis 100)"},
    {"EIntFaktor2Bis", "Der 2. Faktor liegt zwischen der Zahl bei „von“ und dieser (0 bis 100)"},
    {"UdIntFaktor2Bis", "Der 2. Faktor liegt zwischen der Zahl bei „von“ und dieser (0 bis 100)"},
    {"CBGeteiltkommtvor", "Divisionsaufgaben kommen auf dem Arbeitsblatt vor"},
    {"RBEinmaleinsdiv", "Geteiltaufgaben aus den angekreuzten Einmaleins-Reihen, z.B. 56 : 8"},
    {"RBSchriftlichdiv",
     "Geteiltaufgaben zum schriftlichen Rechnen; die Stellen von Dividend und Divisor "
     "stehen rechts"},
    {"Button1", "Die Reihen 1 bis 10 alle an- oder alle abwählen"},
    {"Button2", "Die Reihen 11 bis 20 alle an- oder alle abwählen"},
    {"CBDivSchwerehaeufiger", "Schwere Aufgaben wie 56 : 7 kommen öfter vor als leichte wie 5 : 1"},
    {"RBRestnie", "Jede Geteiltaufgabe geht ohne Rest auf"},
    {"RBRestJa", "Etwa die Hälfte der Geteiltaufgaben hat einen Rest, z.B. 17 : 5 = 3 R 2"},
    {"RBRestimmer", "Jede Geteiltaufgabe hat einen Rest, soweit die Reihen es zulassen, z.B. 17 : 5 = 3 R 2"},
    {"CBNullkommtvorMultDiv", "Die Null darf in Mal- und Geteiltaufgaben vorkommen, z.B. 0 · 7 oder 0 : 5"},
    {"CBPlatzhalterkommenvormultdiv",
     "Bei Mal und Geteilt ist manchmal ein Operand gesucht, z.B. 3 · __ = 12 "
     "(wo, legt die Seite „Platzhalter...“ fest)"},
    {"RBMalGeteiltNegativeNie", "Keine negativen Zahlen bei Mal und Geteilt"},
    {"RBMalGeteiltNegativeja", "Negative Zahlen dürfen bei Mal und Geteilt vorkommen, z.B. ( -4 ) · 3"},
    {"RBMalGeteiltNegativeImmer", "In jeder Mal- und Geteiltaufgabe ist mindestens eine Zahl negativ"},
    {"CBPositiveZahlenKlammernMG", "Auch positive Zahlen mit Vorzeichen in Klammern schreiben, z.B. ( +4 ) · ( -3 )"},
    {"EMinErgDivision", "Das kleinste Ergebnis, das eine Geteiltaufgabe haben soll (0 bis 10)"},
    {"UDMinErgDivision", "Das kleinste Ergebnis, das eine Geteiltaufgabe haben soll (0 bis 10)"},

    // Page "Platzhalter..."
    {"CBPlatzhalterOp1", "Der Platzhalter darf beim 1. Operanden stehen: __ + 4 = 7"},
    {"CBPlatzhalterOp2", "Der Platzhalter darf beim 2. Operanden stehen: 3 + __ = 7"},
    {"CBPlatzhalterErg", "Der Platzhalter darf beim Ergebnis stehen: 3 + 4 = __"},
    {"CBPlatzhaleraddsub",
     "Platzhalteraufgaben bei Plus und Minus (wie „Platzhalter kommen vor“ auf der Seite "
     "„Plus, Minus“)"},
    {"CBPlatzhalterMultDiv",
     "Platzhalteraufgaben bei Mal und Geteilt (wie „Platzhalter kommen vor“ auf der "
     "Seite „Mal, Geteilt“)"},
    {"RGPlatzhalterart", "Der Strich, auf den die Schüler die Lösung schreiben: einfach oder doppelt"},

    // Page "Triviale Aufgaben unterdrücken"
    {"CBMinimalWert",
     "Aufgaben mit einer Zahl, deren Betrag kleiner als die Zahl rechts ist, möglichst "
     "vermeiden"},
    {"EMinimalwert", "Die kleinste erwünschte Zahl (Betrag); gilt nach Enter oder beim Verlassen des Feldes"},
    {"CBKeine10HochN", "Aufgaben mit Zahlen wie 7, 40 oder 300 (eine Ziffer, dann nur Nullen) möglichst vermeiden"},
};

// The digit places of the operands, units first, as the heading over their boxes names them.
constexpr const char* Stellennamen[8] = {"",
                                         "Einer (E)",
                                         "Zehner (Z)",
                                         "Hunderter (H)",
                                         "Tausender (T)",
                                         "Zehntausender (ZT)",
                                         "Hunderttausender (HT)",
                                         "Millionen (Mill)"};

void Setzen(TControl& c, std::string hinweis)
{
    c.SetHint(std::move(hinweis));
    c.SetShowHint(true);
}

} // namespace

void TMainForm::HinweiseSetzen()
{
    for (const THinweis& h : Hinweise) {
        TControl* c = Finde(h.Name);
        if (c == nullptr)
            throw std::logic_error(std::string("Hinweis für ein unbekanntes Steuerelement: ") + h.Name);
        Setzen(*c, h.Text);
    }

    for (TRadioButton* rb :
         {RBZRbis10, RBZRbis20, RBZRbis100, RBZRbis1000, RBZRbis10000, RBZRbis100000, RBZRbis1000000})
        Setzen(*rb, "Zahlenraum bis " + rb->Caption() + ": keine Summe und kein Minuend ist größer");

    for (int i = 1; i <= 7; ++i) {
        Setzen(*BSpaltenkopf[i],
               "Die Kästchen der Spalte " + BSpaltenkopf[i]->Caption() + " alle an- oder alle abwählen");
        Setzen(*BZeilenkopf[i], "Die Kästchen der Zeile " + BZeilenkopf[i]->Caption() + " alle an- oder alle abwählen");
    }

    for (int o = 1; o <= 2; ++o) {
        const std::string operand = std::to_string(o) + ". Operand: ";
        for (int s = 1; s <= 7; ++s) {
            Setzen(*CBStelle[o][1][s],
                   operand + "an der Stelle der " + Stellennamen[s] + " darf eine Ziffer stehen (0 bis 9)");
            Setzen(*CBStelle[o][2][s],
                   operand + "an der Stelle der " + Stellennamen[s] + " steht immer eine Ziffer von 1 bis 9");
        }
    }

    for (int k = 1; k <= 20; ++k) {
        const std::string n = std::to_string(k);
        Setzen(*CBMultReihe[k], "Die Einmaleins-Reihe mit " + n + ", z.B. 3 · " + n);
        Setzen(*CBDivReihe[k], "Geteilt durch " + n + " im Einmaleins, z.B. " + std::to_string(3 * k) + " : " + n);
    }

    // The four groups of digit counts for written multiplication and division, each: digits
    // from, digits to, trailing zeros from, trailing zeros to.
    constexpr const char* Rollen[4] = {"1. Faktor", "2. Faktor", "Dividend", "Divisor"};
    constexpr const char* Glieder[4] = {
        ": mindestens so viele Stellen (1 bis 7)", ": höchstens so viele Stellen (1 bis 7)",
        ": mindestens so viele Nullen am Ende (0 bis 6)", ": bis zu so vielen Nullen am Ende (0 bis 6)"};
    for (int t = 1; t <= 16; ++t) {
        const std::string text = std::string(Rollen[(t - 1) / 4]) + Glieder[(t - 1) % 4];
        Setzen(*EStellen[t], text);
        Setzen(*UDStellen[t], text);
    }
}
