// SPDX-License-Identifier: GPL-3.0-or-later
// A task on the page: number texts, labels, digit sums and measuring against its column.

#include "Seitenumgebung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <tuple>

namespace {

TEST(Aufgabe, NumberTextsOperandsAndLabels)
{
    TSeitenumgebung u;
    const auto seite = u.NeueSeite();
    const std::tuple<std::int64_t, const char*, int> zahlen[] = {
        {0, "0", 1},
        {7, "7", 1},
        {1005, "1 005", 4},
        {-20000, "-20 000", 5},
        {1234567, "1 234 567", 7},
        {INT_MIN, "-2 147 483 648", 10},
    };
    for (const auto& [wert, text, stellen] : zahlen) {
        EXPECT_EQ(ZahlText(wert), text);
        EXPECT_EQ(StellenZahl(wert), stellen) << wert;
    }
    EXPECT_EQ(seite->OperandText(5), "5");
    EXPECT_EQ(seite->OperandText(-1005), "( -1 005 )");
    seite->PositiveKlammern = true;
    EXPECT_EQ(seite->OperandText(5), "( +5 )");
    EXPECT_EQ(seite->OperandText(0), "( 0 )");

    const std::array<std::pair<int, const char*>, 5> marken{
        {{1, "a)"}, {26, "z)"}, {27, "a1)"}, {52, "z1)"}, {53, "a2)"}}};
    seite->ZeichenNachNummer = ")";
    seite->NummernMitZiffern = false;
    for (const auto& [nummer, text] : marken)
        EXPECT_EQ(seite->NummerText(nummer), text);
    seite->NummernMitZiffern = true;
    EXPECT_EQ(seite->NummerText(27), "27)");
}

TEST(Aufgabe, DigitSumOfTheBlankOrOfTheHiddenDigits)
{
    TSeitenumgebung u;
    const auto seite = u.NeueSeite();
    struct Fall {
        const char* Name;
        bool Gespenster;
        TGSAufgabe Daten;
        std::array<std::uint8_t, 3> Muster; // units, tens, hundreds
        std::int32_t Quersumme;
    };
    const Fall faelle[] = {
        {"negative first operand", false, Datensatz(-47, 0, 50, 3, 1), {}, 11},
        {"result with remainder", false, Datensatz(17, 3, 5, 3, 3, 2), {}, 5},
        {"no blank keeps the value", false, Datensatz(17, 3, 5, 3, 0, 2), {}, 99},
        {"ghost digits of three numbers", true, Datensatz(385, 0, 47, 432, 3), {2, 0, 1}, 10},
    };
    for (const Fall& f : faelle) {
        seite->Gespenster = f.Gespenster;
        TAufgabe aufgabe(*seite);
        aufgabe.Daten = f.Daten;
        aufgabe.Daten.Quersumme = 99;
        std::copy(f.Muster.begin(), f.Muster.end(), aufgabe.Daten.Gespenstermuster.begin());
        aufgabe.BerechneQuersumme();
        EXPECT_EQ(aufgabe.Daten.Quersumme, f.Quersumme) << f.Name;
    }
}

TEST(Aufgabe, BlanksCountDigitsOfOperandsAndCharactersOfTheResult)
{
    struct Fall {
        bool Schriftlich;
        TGSAufgabe Daten;
        const char* Text1;
        const char* Loesung;
        double Leer; // width of the blank in digit widths
    };
    // Each is measured below 1234 + 5 = 1239 in the same column, which in the written form
    // sets the width of the lines.
    const Fall faelle[] = {
        {false, Datensatz(1005, 1, 5, 1000, 1), "1 005", "1 005;", 4},
        {false, Datensatz(3, 0, -7, -4, 2), "3", "-7;", 1},
        {false, Datensatz(17, 3, 5, 3, 3, 2), "17", "3 R 2;", 5},
        {true, Datensatz(5, 0, 3, 8, 3), "   5", "   8;", 0},
    };
    TSeitenumgebung u;
    const auto seite = u.NeueSeite();
    seite->Aufbauen(false);
    for (const Fall& f : faelle) {
        seite->Schriftlich = f.Schriftlich;
        seite->Spaltenmuster.clear();
        TAufgabe erste(*seite), a(*seite);
        erste.Daten = Datensatz(1234, 0, 5, 1239, 3);
        a.Daten = f.Daten;
        erste.Messen(1, 0);
        a.Messen(2, 0);
        EXPECT_GE(a.Gesamtbreite, erste.Gesamtbreite);
        EXPECT_EQ(a.Text1, f.Text1);
        EXPECT_EQ(a.LoesungsText, f.Loesung);
        if (f.Schriftlich) {
            // Four digits take the gap after the thousands digit.
            EXPECT_DOUBLE_EQ(a.Gesamtbreite,
                             4 * seite->ZifferBreite + seite->GleichBreite + seite->LeerBreite + seite->Spaltenabstand);
        } else {
            const double leer[] = {a.Breite1, a.Breite2, a.BreiteErgebnis};
            EXPECT_DOUBLE_EQ(leer[f.Daten.Platzhalter - 1], f.Leer * seite->ZifferBreite) << f.Loesung;
            EXPECT_GT(a.Gesamtbreite, a.Breite1 + a.BreiteZeichen + a.Breite2 + a.BreiteErgebnis);
        }
    }
}

} // namespace
