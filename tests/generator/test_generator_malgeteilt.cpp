// SPDX-License-Identifier: GPL-3.0-or-later
// Multiplication and division: weighted times tables with squares, written arithmetic by digit
// counts, remainders and the smallest quotient.

#include "SkriptZufall.h"

#include "generator/UGSAufgabe.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Digit groups: first factor, second factor, dividend, divisor; each digits from/to, zeros from/to.
std::array<std::int32_t, 17> Stellen(std::array<int, 4> f1, std::array<int, 4> f2, std::array<int, 4> dd,
                                     std::array<int, 4> ds)
{
    std::array<std::int32_t, 17> g{};
    for (int i = 0; i < 4; ++i) {
        g[1 + i] = f1[i];
        g[5 + i] = f2[i];
        g[9 + i] = dd[i];
        g[13 + i] = ds[i];
    }
    return g;
}

TEST(MalGeteilt, WeightsOfHardProducts)
{
    // Tables 7 and 8 with columns 1..10, weighted. Row 7 sums to 56, row 8 to 55; in row 7 the
    // columns 1..7 carry 34, so the draws 34..43 fall on 8 · 7 (weight 10).
    struct Fall {
        int Ziehung;
        int A, B;
    };
    const std::vector<Fall> faelle{{0, 1, 7},  {33, 7, 7},  {34, 8, 7}, {43, 8, 7},
                                   {44, 9, 7}, {55, 10, 7}, {56, 1, 8}, {110, 10, 8}};
    for (const auto& f : faelle) {
        TSkriptZufall zufall;
        TGSAufgabengenerator g(zufall);
        g.SchwereMultHaeufiger = true;
        for (int c = 1; c <= 10; ++c)
            g.MultTabelle[7][c] = g.MultTabelle[8][c] = true;
        zufall.Setzen({f.Ziehung});
        TGSAufgabe t;
        g.MalAufgabe(t);
        EXPECT_EQ(zufall.Aufrufe, std::vector<int>{111});
        EXPECT_EQ(t.Operand1, f.A) << f.Ziehung;
        EXPECT_EQ(t.Operand2, f.B) << f.Ziehung;
        EXPECT_EQ(t.Ergebnis, f.A * f.B);
        EXPECT_EQ(t.Rechenzeichen, 2);
        EXPECT_EQ(t.Platzhalter, 3);
    }
}

TEST(MalGeteilt, SquareTasksUpToTwenty)
{
    for (int bis : {12, 25}) {
        TSkriptZufall zufall;
        TGSAufgabengenerator g(zufall);
        g.Quadrataufgaben = true;
        g.QuadratBis = bis;
        const int anzahl = std::min(bis, 20);
        for (int k = 0; k < anzahl; ++k) {
            zufall.Setzen({k});
            TGSAufgabe t;
            g.MalAufgabe(t);
            EXPECT_EQ(zufall.Aufrufe, std::vector<int>{anzahl});
            EXPECT_EQ(t.Operand1, k + 1);
            EXPECT_EQ(t.Operand2, k + 1);
        }
    }
    // A square the table holds already counts twice.
    TSkriptZufall zufall{1};
    TGSAufgabengenerator g(zufall);
    g.Quadrataufgaben = true;
    g.QuadratBis = 1;
    g.MultTabelle[1][1] = true;
    TGSAufgabe t;
    g.MalAufgabe(t);
    EXPECT_EQ(zufall.Aufrufe, std::vector<int>{2});
}

TEST(MalGeteilt, SevenTimesTableEachTaskEquallyLikely)
{
    TMersenneZufall zufall(41);
    TGSAufgabengenerator g(zufall);
    for (int c = 1; c <= 10; ++c)
        g.MultTabelle[7][c] = true;
    std::map<int, int> haeufigkeit;
    const int n = 5000;
    for (int i = 0; i < n; ++i) {
        TGSAufgabe t;
        g.MalAufgabe(t);
        ASSERT_EQ(t.Operand2, 7);
        ++haeufigkeit[t.Operand1];
    }
    ASSERT_EQ(haeufigkeit.size(), 10u);
    for (const auto& [faktor, anzahl] : haeufigkeit)
        EXPECT_NEAR(anzahl / double(n), 0.1, 0.025) << faktor;
}

TEST(MalGeteilt, SmallestQuotientAndNoDivisorZero)
{
    TMersenneZufall zufall(42);
    TGSAufgabengenerator g(zufall);
    g.NullKommtVorMultDiv = true;
    g.MinErgebnisDiv = 3;
    for (auto& zeile : g.DivTabelle)
        zeile.fill(true);
    std::set<int> quotienten;
    for (int i = 0; i < 3000; ++i) {
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        ASSERT_NE(t.Operand2, 0);
        EXPECT_GE(t.Ergebnis, 3);
        EXPECT_EQ(t.Rest, 0);
        EXPECT_EQ(t.Operand1, t.Operand2 * t.Ergebnis);
        quotienten.insert(t.Ergebnis);
    }
    EXPECT_EQ(quotienten.size(), 18u); // 3..20
    // The table itself lost row 0 and the columns 0..2.
    for (int c = 0; c <= 20; ++c)
        EXPECT_FALSE(g.DivTabelle[0][c]);
    for (int r = 0; r <= 20; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_FALSE(g.DivTabelle[r][c]);
    EXPECT_TRUE(g.DivTabelle[1][3]);
}

TEST(MalGeteilt, RemainderShiftOfTheDividend)
{
    // 7 · 3 = 21 with an offset draw: g = -6, h = 5, so the draws 0..11 give -6..-1, 1..6.
    struct Fall {
        int Ziehung, Dividend;
    };
    for (const auto& f : std::vector<Fall>{{0, 15}, {3, 18}, {5, 20}, {6, 22}, {11, 27}}) {
        TSkriptZufall zufall;
        TGSAufgabengenerator g(zufall);
        g.Restmodus = 2;
        g.DivTabelle[7][3] = true;
        zufall.Setzen({0, f.Ziehung});
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        EXPECT_EQ(zufall.Aufrufe, (std::vector<int>{1, 12}));
        EXPECT_EQ(t.Operand1, f.Dividend);
        EXPECT_EQ(t.Operand2, 7);
        EXPECT_EQ(t.Ergebnis, f.Dividend / 7);
        EXPECT_EQ(t.Rest, f.Dividend % 7);
        EXPECT_NE(t.Rest, 0);
    }
    // Beyond 100 the dividend only moves down: 20 · 20 = 400 becomes 381.
    TSkriptZufall zufall{0, 0};
    TGSAufgabengenerator g(zufall);
    g.Restmodus = 2;
    g.DivTabelle[20][20] = true;
    TGSAufgabe t;
    g.GeteiltAufgabe(t);
    EXPECT_EQ(t.Operand1, 381);
    EXPECT_EQ(t.Rest, 1);
}

TEST(MalGeteilt, OneTimesTableCannotLeaveARemainder)
{
    TMersenneZufall zufall(43);
    TGSAufgabengenerator g(zufall);
    g.Restmodus = 2;
    for (int c = 1; c <= 10; ++c)
        g.DivTabelle[1][c] = true;
    for (int i = 0; i < 200; ++i) {
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        EXPECT_EQ(t.Operand2, 1);
        EXPECT_EQ(t.Rest, 0);
        EXPECT_GE(t.Operand1, 2); // shifted up by one
        EXPECT_LE(t.Operand1, 11);
    }
}

TEST(MalGeteilt, RemainderOnGivesARemainderInAboutHalfOfTheTasks)
{
    TMersenneZufall zufall(44);
    TGSAufgabengenerator g(zufall);
    g.Restmodus = 1;
    for (int c = 1; c <= 10; ++c)
        g.DivTabelle[7][c] = true;
    int mitRest = 0;
    const int n = 2000;
    for (int i = 0; i < n; ++i) {
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        EXPECT_EQ(t.Operand1, t.Ergebnis * 7 + t.Rest);
        mitRest += t.Rest != 0;
    }
    EXPECT_NEAR(mitRest / double(n), 0.5, 0.06);
}

TEST(MalGeteilt, WrittenDivisionWithoutRemainderDigitRanges)
{
    TMersenneZufall zufall(45);
    TGSAufgabengenerator g(zufall);
    g.DivArt = 1;
    g.StellenGrenzen = Stellen({1, 1, 0, 0}, {1, 1, 0, 0}, {3, 3, 0, 0}, {1, 1, 0, 0});
    std::set<int> teiler;
    for (int i = 0; i < 2000; ++i) {
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        ASSERT_TRUE(t.Fehlermeldung.empty());
        const int d = t.Operand2;
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 9);
        EXPECT_EQ(t.Rest, 0);
        EXPECT_GE(t.Ergebnis, 100 / d);
        EXPECT_LE(t.Ergebnis, 999 / d);
        if (d == 7) {
            EXPECT_GE(t.Operand1, 98);
            EXPECT_LE(t.Operand1, 994);
        }
        teiler.insert(d);
    }
    EXPECT_EQ(teiler.size(), 9u);
}

TEST(MalGeteilt, WrittenDivisionWithRemainderNeverDividesByZero)
{
    // Divisor 0..9 (zero allowed); a quotient of at least 10 from a one-digit dividend is
    // impossible, so the last pair stays, and its divisor 0 must be replaced.
    TMersenneZufall zufall(46);
    TGSAufgabengenerator g(zufall);
    g.DivArt = 1;
    g.Restmodus = 2;
    g.NullKommtVorMultDiv = true;
    g.MinErgebnisDiv = 10;
    g.StellenGrenzen = Stellen({1, 1, 0, 0}, {1, 1, 0, 0}, {1, 1, 0, 0}, {1, 1, 0, 0});
    std::set<int> teiler;
    for (int i = 0; i < 1000; ++i) {
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        ASSERT_NE(t.Operand2, 0);
        EXPECT_TRUE(t.Fehlermeldung.empty());
        EXPECT_EQ(t.Operand1, t.Ergebnis * t.Operand2 + t.Rest);
        teiler.insert(t.Operand2);
    }
    EXPECT_EQ(teiler.size(), 9u); // 1..9, each still possible

    // With an acceptable range the accepted pairs have a remainder and a large enough quotient.
    g.MinErgebnisDiv = 2;
    g.StellenGrenzen = Stellen({1, 1, 0, 0}, {1, 1, 0, 0}, {2, 3, 0, 0}, {1, 1, 0, 0});
    for (int i = 0; i < 500; ++i) {
        TGSAufgabe t;
        g.GeteiltAufgabe(t);
        ASSERT_NE(t.Operand2, 0);
        EXPECT_NE(t.Rest, 0);
        EXPECT_GE(t.Ergebnis, 2);
    }
}

TEST(MalGeteilt, ANumberWithDigitPlacesKeepsDigitAndZeroCounts)
{
    TMersenneZufall zufall(47);
    TGSAufgabengenerator g(zufall);
    // A multiplication call sets Mindestwert for the draws that follow: 1 without zero.
    TGSAufgabe aufgabe;
    g.MultArt = 1;
    g.MalAufgabe(aufgabe);
    g.StellenGrenzen = Stellen({2, 4, 1, 2}, {1, 1, 0, 3}, {7, 7, 6, 6}, {1, 1, 0, 0});
    std::set<int> laengen;
    for (int i = 0; i < 2000; ++i) {
        const int a = g.ZahlMitStellen(1);
        const std::string text = std::to_string(a);
        laengen.insert(static_cast<int>(text.size()));
        EXPECT_GE(text.size(), 2u);
        EXPECT_LE(text.size(), 4u);
        EXPECT_EQ(text.back(), '0'); // at least one trailing zero
        const int b = g.ZahlMitStellen(5);
        EXPECT_GE(b, 1); // zero counts above d - 1 are lowered
        EXPECT_LE(b, 9);
        const int c = g.ZahlMitStellen(9);
        EXPECT_EQ(c % 1000000, 0);
        EXPECT_GE(c, 1000000);
        EXPECT_LE(c, 9000000);
    }
    EXPECT_EQ(laengen, (std::set<int>{2, 3, 4}));

    // With zero allowed a single leading digit may be 0, and so the whole number.
    g.NullKommtVorMultDiv = true;
    g.MalAufgabe(aufgabe);
    bool null = false;
    for (int i = 0; i < 200; ++i)
        null = null || g.ZahlMitStellen(9) == 0;
    EXPECT_TRUE(null);
    // Counts outside the settings' range stay within 32 bits.
    g.StellenGrenzen = Stellen({30, 40, 20, 25}, {-5, -9, -3, -1}, {1, 1, 0, 0}, {1, 1, 0, 0});
    for (int i = 0; i < 100; ++i) {
        EXPECT_LT(g.ZahlMitStellen(1), 1000000000);
        EXPECT_GE(g.ZahlMitStellen(5), 0);
    }
}

TEST(MalGeteilt, WrittenMultiplicationStaysWithinTheTaskRecord)
{
    struct Fall {
        int Stellen1, Stellen2;
        std::uint8_t Negativ;
        bool Moeglich;
    };
    // 5 · 5 digits: many products fit; 6 · 5: only products from 10^9 to 2^31 - 1 fit, well
    // under one in a hundred, yet the redraws find them; 7 · 6: even the smallest product
    // 10^11 is too large, decided without drawing.
    for (const auto& f :
         std::vector<Fall>{{3, 2, 0, true}, {5, 5, 0, true}, {5, 5, 2, true}, {6, 5, 0, true}, {7, 6, 1, false}}) {
        SCOPED_TRACE(std::to_string(f.Stellen1) + " x " + std::to_string(f.Stellen2));
        TMersenneZufall zufall(48);
        TGSAufgabengenerator g(zufall);
        g.MalKommtVor = true;
        g.MultArt = 1;
        g.NegativMultDiv = f.Negativ;
        g.StellenGrenzen =
            Stellen({f.Stellen1, f.Stellen1, 0, 0}, {f.Stellen2, f.Stellen2, 0, 0}, {1, 1, 0, 0}, {1, 1, 0, 0});
        int gueltig = 0;
        for (int i = 0; i < 100; ++i) {
            TGSAufgabe t;
            g.EineAufgabe(t);
            EXPECT_LE(Ziffernbreite(t), 10);
            if (!t.Fehlermeldung.empty()) {
                EXPECT_EQ(t.Fehlermeldung,
                          "Das Produkt wird bei diesen Stellenzahlen zu groß. Bitte weniger Stellen wählen.");
                continue;
            }
            ++gueltig;
            EXPECT_EQ(std::to_string(std::abs(t.Operand1)).size(), std::size_t(f.Stellen1));
            EXPECT_EQ(std::to_string(std::abs(t.Operand2)).size(), std::size_t(f.Stellen2));
            EXPECT_EQ(1LL * t.Operand1 * t.Operand2, t.Ergebnis);
        }
        if (f.Moeglich) {
            EXPECT_EQ(gueltig, 100);
        } else {
            EXPECT_EQ(gueltig, 0);
        }
    }
}

TEST(MalGeteilt, FactorIntervalsAndSpecialProducts)
{
    TMersenneZufall zufall(49);
    TGSAufgabengenerator g(zufall);
    g.MalKommtVor = true;
    g.MultArt = 2;
    g.Faktor1Von = 15;
    g.Faktor1Bis = 12; // either end may be the larger
    g.Faktor2Von = 3;
    g.Faktor2Bis = 3;
    std::set<int> erste;
    for (int i = 0; i < 300; ++i) {
        TGSAufgabe t;
        g.EineAufgabe(t);
        EXPECT_EQ(t.Operand2, 3);
        erste.insert(t.Operand1);
    }
    EXPECT_EQ(erste, (std::set<int>{12, 13, 14, 15}));

    // Intervals at the ends of the int range: every product is too large.
    g.Faktor1Von = g.Faktor1Bis = INT_MIN;
    g.Faktor2Von = INT_MAX;
    g.Faktor2Bis = INT_MAX - 5;
    TGSAufgabe t;
    g.EineAufgabe(t);
    EXPECT_EQ(t.Fehlermeldung, "Das Produkt wird bei diesen Faktoren zu groß. Bitte kleinere Faktoren wählen.");
    g.Faktor1Von = -70000;
    g.Faktor1Bis = 70000;
    g.Faktor2Von = -70000;
    g.Faktor2Bis = 70000;
    g.NegativMultDiv = 2;
    for (int i = 0; i < 100; ++i) {
        g.EineAufgabe(t);
        EXPECT_LE(Ziffernbreite(t), 10);
        if (t.Fehlermeldung.empty()) {
            EXPECT_EQ(1LL * t.Operand1 * t.Operand2, t.Ergebnis);
        }
    }

    g.MultArt = 3;
    g.BesondereAnzahl = 2;
    g.BesondereProdukte[1] = {TypE, TypZ};
    g.BesondereProdukte[2] = {TypZ, TypE};
    std::set<std::pair<int, int>> typen;
    for (int i = 0; i < 200; ++i) {
        g.EineAufgabe(t);
        ASSERT_TRUE(t.Fehlermeldung.empty());
        typen.insert({TypVonZahl(std::abs(t.Operand1)), TypVonZahl(std::abs(t.Operand2))});
    }
    EXPECT_EQ(typen, (std::set<std::pair<int, int>>{{TypE, TypZ}, {TypZ, TypE}}));
}

} // namespace
