// SPDX-License-Identifier: GPL-3.0-or-later
// Addition and subtraction: the crossing rules for the ten and the hundred, the three ways of
// choosing operands, and the sign step.

#include "SkriptZufall.h"

#include "generator/UGSAufgabe.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

struct Regelfall {
    bool Minus;
    std::uint8_t ZU, HU;
    bool ErgZehner, ErgHunderter;
    int Zahlenraum;
    int A;
    std::vector<int> Erlaubt, Verboten;
};

std::string Name(const Regelfall& f)
{
    return std::to_string(f.A) + (f.Minus ? " - b" : " + b") + ", ZÜ " + std::to_string(f.ZU)
        + (f.ErgZehner ? "+Erg" : "") + ", HÜ " + std::to_string(f.HU) + (f.ErgHunderter ? "+Erg" : "");
}

// Every second operand the list can give for the first operand f.A: the first draw is
// scripted to give A, the list draw is run through all its values.
std::set<int> ZweiteOperanden(const Regelfall& f)
{
    TSkriptZufall zufall;
    TGSAufgabengenerator g(zufall);
    (f.Minus ? g.MinusKommtVor : g.PlusKommtVor) = true;
    g.Zahlenraum = f.Zahlenraum;
    g.ZUModus = f.ZU;
    g.HUModus = f.HU;
    g.ErgZehner = f.ErgZehner;
    g.ErgHunderter = f.ErgHunderter;
    const int ersteZiehung = f.Minus ? f.A - 2 : f.A - 1; // zero not allowed: Mindestwert 1

    std::set<int> zweite;
    int anzahl = 1;
    for (int k = 0; k < anzahl; ++k) {
        zufall.Setzen({ersteZiehung, k});
        TGSAufgabe t;
        f.Minus ? g.MinusAufgabe(t) : g.PlusAufgabe(t);
        EXPECT_EQ(t.Operand1, f.A);
        EXPECT_TRUE(t.Fehlermeldung.empty()) << t.Fehlermeldung;
        if (zufall.Aufrufe.size() != 2) {
            ADD_FAILURE() << "expected two draws, got " << zufall.Aufrufe.size();
            break;
        }
        anzahl = zufall.Aufrufe[1];
        zweite.insert(t.Operand2);
    }
    return zweite;
}

TEST(PlusMinus, CrossingRuleCells)
{
    const std::vector<Regelfall> faelle{
        // Addition, the ten (37 + b in range 100).
        {false, 0, 1, false, false, 100, 37, {3, 2, 13, 63}, {4, 9, 14}},
        {false, 0, 1, true, false, 100, 37, {2, 12}, {3, 4, 13}},
        {false, 2, 1, true, false, 100, 37, {3, 4, 13}, {2, 12}},
        {false, 2, 1, false, false, 100, 37, {4, 9, 14}, {3, 2, 13}},
        // Addition, the hundred (137 + b in range 1000).
        {false, 1, 0, false, false, 1000, 137, {63, 62, 163, 1}, {64, 99, 164}},
        {false, 1, 0, false, true, 1000, 137, {62, 162}, {63, 64}},
        {false, 1, 2, false, true, 1000, 137, {63, 64, 99}, {62, 162}},
        {false, 1, 2, false, false, 1000, 137, {64, 99}, {63, 62}},
        // Subtraction, the ten (35 - b in range 100).
        {true, 0, 1, false, false, 100, 35, {5, 4, 15, 10}, {6, 9, 16}},
        {true, 0, 1, true, false, 100, 35, {10, 4, 20}, {5, 6, 15}},
        {true, 2, 1, true, false, 100, 35, {5, 6, 15}, {4, 10}},
        {true, 2, 1, false, false, 100, 35, {6, 9, 16}, {5, 4, 10}},
        // Subtraction, the hundred (235 - b in range 1000).
        {true, 1, 0, false, false, 1000, 235, {35, 34, 135, 100}, {36, 99, 136}},
        {true, 1, 0, false, true, 1000, 235, {100, 34, 200}, {35, 36}},
        {true, 1, 2, false, true, 1000, 235, {35, 36, 99}, {34, 100}},
        {true, 1, 2, false, false, 1000, 235, {36, 99}, {35, 34, 100}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(Name(f));
        const auto zweite = ZweiteOperanden(f);
        for (int b : f.Erlaubt)
            EXPECT_TRUE(zweite.count(b)) << b << " should be allowed";
        for (int b : f.Verboten)
            EXPECT_FALSE(zweite.count(b)) << b << " should not be allowed";
        EXPECT_FALSE(zweite.count(0)); // zero not allowed
        for (int b : zweite)
            EXPECT_LE(f.Minus ? 0 : f.A + b, f.Zahlenraum);
    }
}

TEST(PlusMinus, RangeTwentyAlwaysCrossingTheTen)
{
    TMersenneZufall zufall(31);
    TGSAufgabengenerator g(zufall);
    g.Zahlenraum = 20;
    g.ZUModus = 2;
    g.HUModus = 1;
    std::set<int> ersteSummanden;
    for (int i = 0; i < 2000; ++i) {
        TGSAufgabe t;
        g.PlusAufgabe(t);
        ASSERT_TRUE(t.Fehlermeldung.empty()) << t.Fehlermeldung;
        EXPECT_GE(t.Operand1, 2);
        EXPECT_LE(t.Operand1, 9);
        EXPECT_GT(t.Operand1 % 10 + t.Operand2 % 10, 10);
        EXPECT_LE(t.Ergebnis, 20);
        ersteSummanden.insert(t.Operand1);
    }
    EXPECT_EQ(ersteSummanden.size(), 8u);
}

TEST(PlusMinus, LargeRangeDrawsBothAddendsDirectly)
{
    TMersenneZufall zufall(32);
    TGSAufgabengenerator g(zufall);
    g.Zahlenraum = 1000000;
    g.ZUModus = 1;
    g.HUModus = 1;
    int ueber1000 = 0;
    for (int i = 0; i < 500; ++i) {
        TGSAufgabe t;
        g.PlusAufgabe(t);
        ASSERT_TRUE(t.Fehlermeldung.empty());
        EXPECT_LE(t.Ergebnis, 1000000);
        EXPECT_GE(t.Operand2, 1);
        ueber1000 += t.Ergebnis > 1000;
        g.MinusAufgabe(t);
        ASSERT_TRUE(t.Fehlermeldung.empty());
        EXPECT_LE(t.Operand1, 1000000);
        EXPECT_GE(t.Ergebnis, 1); // at least Mindestwert without negative numbers
    }
    EXPECT_GT(ueber1000, 400);
}

TEST(PlusMinus, DigitPlacesUnitsOnly)
{
    TMersenneZufall zufall(33);
    TGSAufgabengenerator g(zufall);
    g.Zahlenraum = 10;
    g.NurStellen = true;
    g.Stellenmaske[1][1][1] = g.Stellenmaske[2][1][1] = true;
    int zuGross = 0;
    for (int i = 0; i < 1000; ++i) {
        TGSAufgabe t;
        g.PlusAufgabe(t);
        EXPECT_GE(t.Operand1, 1);
        EXPECT_LE(t.Operand1, 9);
        EXPECT_GE(t.Operand2, 1);
        EXPECT_LE(t.Operand2, 9);
        if (t.Fehlermeldung.empty()) {
            EXPECT_LE(t.Ergebnis, 10);
        } else {
            ++zuGross;
        }
    }
    EXPECT_LT(zuGross, 5); // 101 pairs above 10 in a row are very rare
}

TEST(PlusMinus, DigitPlacesSubtractionAcceptsEqualOperandsOnlyWithZero)
{
    for (bool null : {false, true}) {
        TMersenneZufall zufall(34);
        TGSAufgabengenerator g(zufall);
        g.Zahlenraum = 100;
        g.NullKommtVor = null;
        g.NurStellen = true;
        g.Stellenmaske[1][1][1] = g.Stellenmaske[1][2][1] = true;
        g.Stellenmaske[2][1][1] = g.Stellenmaske[2][2][1] = true;
        int gleich = 0;
        for (int i = 0; i < 1000; ++i) {
            TGSAufgabe t;
            g.MinusAufgabe(t);
            ASSERT_TRUE(t.Fehlermeldung.empty());
            EXPECT_GE(t.Ergebnis, 0); // the larger operand comes first without negatives
            gleich += t.Operand1 == t.Operand2;
        }
        if (null) {
            EXPECT_GT(gleich, 50);
        } else {
            EXPECT_EQ(gleich, 0);
        }
    }
}

TEST(PlusMinus, CombinationsGiveOperandsOfTheCheckedTypes)
{
    struct Fall {
        bool Minus;
        std::uint8_t Folge;
        std::set<std::pair<int, int>> Typen;
    };
    // Grid: ZE with E (column 3, row 1) and HZ with Z (column 6, row 2).
    const std::vector<Fall> faelle{
        {false, 0, {{TypZE, TypE}, {TypHZ, TypZ}}},
        {false, 1, {{TypE, TypZE}, {TypZ, TypHZ}}},
        {false, 2, {{TypZE, TypE}, {TypHZ, TypZ}, {TypE, TypZE}, {TypZ, TypHZ}}},
        {true, 2, {{TypZE, TypE}, {TypHZ, TypZ}}}, // a smaller type first needs equal digits
    };
    for (const auto& f : faelle) {
        TMersenneZufall zufall(35);
        TGSAufgabengenerator g(zufall);
        (f.Minus ? g.MinusKommtVor : g.PlusKommtVor) = true;
        g.Zahlenraum = 1000;
        g.ZUModus = 1;
        g.HUModus = 1;
        g.NurKombinationen = true;
        g.Operandenfolge = f.Folge;
        g.Kombination[3][1] = true;
        g.Kombination[6][2] = true;
        std::set<std::pair<int, int>> gesehen;
        for (int i = 0; i < 300; ++i) {
            TGSAufgabe t;
            g.EineAufgabe(t);
            ASSERT_TRUE(t.Fehlermeldung.empty()) << t.Fehlermeldung;
            gesehen.insert({TypVonZahl(t.Operand1), TypVonZahl(t.Operand2)});
            EXPECT_EQ(t.Ergebnis, f.Minus ? t.Operand1 - t.Operand2 : t.Operand1 + t.Operand2);
            if (f.Minus) {
                EXPECT_GE(t.Ergebnis, 0);
            }
        }
        EXPECT_EQ(gesehen, f.Typen) << "order " << int(f.Folge);
    }
}

TEST(PlusMinus, AlwaysNegativeMakesAnOperandNegative)
{
    TMersenneZufall zufall(36);
    TGSAufgabengenerator g(zufall);
    g.Zahlenraum = 100;
    g.ZUModus = 1;
    g.HUModus = 1;
    g.NegativPM = 2;
    int beide = 0;
    for (int i = 0; i < 2000; ++i) {
        TGSAufgabe t;
        g.PlusAufgabe(t);
        EXPECT_TRUE(t.Operand1 < 0 || t.Operand2 < 0);
        EXPECT_EQ(t.Ergebnis, t.Operand1 + t.Operand2);
        beide += t.Operand1 < 0 && t.Operand2 < 0;
    }
    EXPECT_NEAR(beide / 2000.0, 0.16, 0.04);
}

TEST(PlusMinus, HugeRangeWithNegativesNeverOverflows)
{
    TMersenneZufall zufall(37);
    TGSAufgabengenerator g(zufall);
    g.PlusKommtVor = true;
    g.MinusKommtVor = true;
    g.Zahlenraum = INT_MAX;
    g.ZUModus = 1;
    g.HUModus = 1;
    g.NegativPM = 1;
    g.VorratErzeugen();
    ASSERT_EQ(g.VorratAnzahl(), 300);
    for (int i = 1; i <= 300; ++i) {
        const TGSAufgabe& t = g.Vorrat()[i];
        EXPECT_TRUE(t.Fehlermeldung.empty());
        EXPECT_LE(Ziffernbreite(t), 10);
        const long long erwartet = t.Rechenzeichen == 0 ? 1LL * t.Operand1 + t.Operand2 : 1LL * t.Operand1 - t.Operand2;
        EXPECT_EQ(t.Ergebnis, erwartet);
    }
}

TEST(PlusMinus, DegenerateRangesNeitherCrashNorLoop)
{
    for (int zahlenraum : {INT_MIN, -5, 0, 1}) {
        for (std::uint8_t modus : {0, 1, 2}) {
            TMersenneZufall zufall(38);
            TGSAufgabengenerator g(zufall);
            g.PlusKommtVor = true;
            g.MinusKommtVor = true;
            g.Zahlenraum = zahlenraum;
            g.ZUModus = modus;
            g.HUModus = modus;
            g.NegativPM = 1;
            for (int i = 0; i < 20; ++i) {
                TGSAufgabe t;
                g.EineAufgabe(t);
                EXPECT_LE(Ziffernbreite(t), 10);
            }
        }
    }
}

} // namespace
