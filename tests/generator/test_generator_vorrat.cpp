// SPDX-License-Identifier: GPL-3.0-or-later
// Pool building, handing out with its reshuffle, duplicates and trivial tasks.

#include "SkriptZufall.h"

#include "generator/UGSAufgabe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

void PlusBis(TGSAufgabengenerator& g, int zahlenraum, bool null)
{
    g.PlusKommtVor = true;
    g.Zahlenraum = zahlenraum;
    g.ZUModus = 1;
    g.HUModus = 1;
    g.NullKommtVor = null;
}

// Times table row `reihe` with the given columns, nothing else.
void Einmaleins(TGSAufgabengenerator& g, int reihe, int vonSpalte, int bisSpalte)
{
    g.MalKommtVor = true;
    g.MultArt = 0;
    for (int c = vonSpalte; c <= bisSpalte; ++c)
        g.MultTabelle[reihe][c] = true;
}

std::vector<TGSAufgabe> Pool(const TGSAufgabengenerator& g)
{
    return {g.Vorrat().begin() + 1, g.Vorrat().begin() + 1 + g.VorratAnzahl()};
}

TGSAufgabe Aufgabe(int op1, std::uint8_t zeichen, int op2, int erg, int platzhalter = 3)
{
    TGSAufgabe t;
    t.Operand1 = op1;
    t.Operand2 = op2;
    t.Ergebnis = erg;
    t.Rechenzeichen = zeichen;
    t.Platzhalter = platzhalter;
    return t;
}

TEST(Vorrat, RangeTenAdditionHoldsEachPairOnceThenTheSwappedPartners)
{
    TMersenneZufall zufall(4711);
    TGSAufgabengenerator g(zufall);
    PlusBis(g, 10, true);
    g.VorratErzeugen();

    const auto pool = Pool(g);
    // 36 unordered pairs with a + b <= 10; all but 0+0 ... 5+5 (the 6 doubles) get a partner.
    ASSERT_EQ(pool.size(), 66u);
    for (const auto& t : pool) {
        EXPECT_EQ(t.Rechenzeichen, 0);
        EXPECT_LE(t.Operand1 + t.Operand2, 10);
        EXPECT_EQ(t.Ergebnis, t.Operand1 + t.Operand2);
        EXPECT_TRUE(t.Fehlermeldung.empty());
    }
    const std::size_t erste = 36;
    for (std::size_t i = 0; i < erste; ++i)
        for (std::size_t j = i + 1; j < erste; ++j)
            EXPECT_FALSE(TGSAufgabengenerator::GleicheAufgabe(pool[i], pool[j])) << i << " " << j;
    // The tail holds the partners in the order of their originals.
    std::size_t partner = erste;
    for (std::size_t i = 0; i < erste; ++i) {
        if (pool[i].Operand1 == pool[i].Operand2)
            continue;
        TGSAufgabe erwartet = pool[i];
        std::swap(erwartet.Operand1, erwartet.Operand2);
        ASSERT_LT(partner, pool.size());
        EXPECT_EQ(pool[partner++], erwartet);
    }
    EXPECT_EQ(partner, pool.size());
    EXPECT_EQ(g.Naechste(), 1);
}

TEST(Vorrat, MakesThousandAttemptsOfUpToThirtyOneCandidates)
{
    // Every draw 0 gives the task 0 + 0 each time: four draws per candidate (operation,
    // first addend, second addend, one ghost column).
    TSkriptZufall zufall;
    zufall.Rest0 = true;
    TGSAufgabengenerator g(zufall);
    PlusBis(g, 10, true);
    g.VorratErzeugen();
    EXPECT_EQ(zufall.Neuseedungen, 2); // creation and build
    EXPECT_EQ(g.VorratAnzahl(), 1);
    EXPECT_EQ(zufall.Aufrufe.size(), 1000u * 4u);

    // 0 + 0 is trivial with Keine10HochN: every attempt tries 31 candidates and keeps the last.
    g.Keine10HochN = true;
    zufall.Aufrufe.clear();
    g.VorratErzeugen();
    EXPECT_EQ(zufall.Aufrufe.size(), 1000u * 31u * 4u);
    EXPECT_EQ(g.VorratAnzahl(), 1);
}

TEST(Vorrat, SingleTaskIsHandedOutAgainAndAgainInTheSameOrder)
{
    TMersenneZufall zufall(3);
    TGSAufgabengenerator g(zufall);
    Einmaleins(g, 7, 3, 3);
    g.VorratErzeugen();
    ASSERT_EQ(g.VorratAnzahl(), 1);
    for (int i = 0; i < 5; ++i) {
        TGSAufgabe t;
        g.NaechsteAufgabe(t);
        EXPECT_EQ(t, g.Vorrat()[1]);
        EXPECT_EQ(t.Operand1, 3);
        EXPECT_EQ(t.Operand2, 7);
        EXPECT_EQ(t.Ergebnis, 21);
    }

    // 1 + 2 and its partner 2 + 1, and 1 + 1 (no partner): 3 tasks, repeated in turn.
    TGSAufgabengenerator h(zufall);
    PlusBis(h, 3, false);
    h.VorratErzeugen();
    const auto pool = Pool(h);
    ASSERT_EQ(pool.size(), 3u);
    const TGSAufgabe& verschieden = pool[0].Operand1 == pool[0].Operand2 ? pool[1] : pool[0];
    EXPECT_EQ(verschieden.Operand1 + verschieden.Operand2, 3);
    EXPECT_EQ(pool[2].Operand1, verschieden.Operand2);
    EXPECT_EQ(pool[2].Operand2, verschieden.Operand1);
    for (int runde = 0; runde < 4; ++runde) {
        for (const auto& erwartet : pool) {
            TGSAufgabe t;
            h.NaechsteAufgabe(t);
            EXPECT_EQ(t, erwartet);
        }
    }
}

TEST(Vorrat, ReshuffleMixesTheHalvesButNotAcrossThemForSixTasks)
{
    TMersenneZufall zufall(99);
    TGSAufgabengenerator g(zufall);
    Einmaleins(g, 7, 1, 6);
    g.VorratErzeugen();
    ASSERT_EQ(g.VorratAnzahl(), 6);

    std::vector<TGSAufgabe> erster(6);
    for (auto& t : erster)
        g.NaechsteAufgabe(t);
    EXPECT_EQ(erster, Pool(g)); // first pass in pool order

    const auto haelfte = [](const std::vector<TGSAufgabe>& v, int von) {
        std::set<int> s;
        for (int i = von; i < von + 3; ++i)
            s.insert(v[i].Operand1);
        return s;
    };
    bool gemischt = false;
    for (int durchgang = 0; durchgang < 20; ++durchgang) {
        std::vector<TGSAufgabe> naechster(6);
        for (auto& t : naechster)
            g.NaechsteAufgabe(t);
        EXPECT_EQ(haelfte(naechster, 0), haelfte(erster, 0));
        EXPECT_EQ(haelfte(naechster, 3), haelfte(erster, 3));
        gemischt = gemischt || naechster != erster;
    }
    EXPECT_TRUE(gemischt);
}

TEST(Vorrat, MiddleThirdCarriesTasksAcrossTheHalvesOfLargerPools)
{
    TMersenneZufall zufall(5);
    TGSAufgabengenerator g(zufall);
    Einmaleins(g, 7, 1, 10);
    Einmaleins(g, 8, 1, 2);
    g.VorratErzeugen();
    ASSERT_EQ(g.VorratAnzahl(), 12);
    std::set<int> ersteHaelfte;
    for (int i = 1; i <= 6; ++i)
        ersteHaelfte.insert(g.Vorrat()[i].Ergebnis);
    bool gewandert = false;
    TGSAufgabe t;
    for (int n = 0; n < 12 * 10 && !gewandert; ++n) {
        g.NaechsteAufgabe(t);
        if (g.Naechste() - 1 > 6 && ersteHaelfte.count(t.Ergebnis) > 0)
            gewandert = true;
    }
    EXPECT_TRUE(gewandert);
}

TEST(Vorrat, RepeatingTheLastReturnsTheLastTaskOnce)
{
    TMersenneZufall zufall(8);
    TGSAufgabengenerator g(zufall);
    Einmaleins(g, 7, 1, 6);
    g.VorratErzeugen();
    TGSAufgabe a, b, c, d;
    g.NaechsteAufgabe(a);
    g.NaechsteAufgabe(b);
    g.LetzteWiederholen();
    g.NaechsteAufgabe(c);
    g.NaechsteAufgabe(d);
    EXPECT_EQ(c, b);
    EXPECT_EQ(d, g.Vorrat()[3]);
    EXPECT_NE(a, b);
}

TEST(Vorrat, TasksAreAlikeUpToSwappedAddendsAndTheResult)
{
    struct Fall {
        TGSAufgabe A, B;
        bool Gleich;
    };
    const std::vector<Fall> faelle{
        {Aufgabe(3, 0, 4, 7), Aufgabe(3, 0, 4, 7), true},
        {Aufgabe(3, 0, 4, 7), Aufgabe(4, 0, 3, 7), true},    // swapped addition
        {Aufgabe(3, 2, 4, 12), Aufgabe(4, 2, 3, 12), false}, // swapped product
        {Aufgabe(7, 1, 4, 3), Aufgabe(4, 1, 7, -3), false},  // swapped subtraction
        {Aufgabe(3, 0, 4, 7, 3), Aufgabe(3, 0, 4, 7, 2), false},
        {Aufgabe(3, 0, 4, 7), Aufgabe(3, 0, 4, 99), true}, // result not compared
        {Aufgabe(3, 0, 4, 7), Aufgabe(3, 1, 4, 7), false},
        {Aufgabe(12, 3, 4, 3), Aufgabe(12, 3, 4, 2), true},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(TGSAufgabengenerator::GleicheAufgabe(f.A, f.B), f.Gleich)
            << f.A.Operand1 << "," << f.A.Operand2 << " / " << f.B.Operand1 << "," << f.B.Operand2;
}

TEST(Vorrat, TrivialTasksAreRecognisedByTheChosenExclusions)
{
    TMersenneZufall zufall(1);
    TGSAufgabengenerator g(zufall);
    struct Fall {
        TGSAufgabe T;
        bool Trivial;
    };
    g.Keine10HochN = true;
    const std::vector<Fall> zehnHochN{
        {Aufgabe(12, 0, 8, 20), true},
        {Aufgabe(13, 0, 18, 31), false},
        {Aufgabe(13, 0, 0, 13), true},
        {Aufgabe(13, 1, 13, 0), true},
        {Aufgabe(13, 0, 987, 1000), true},
        {Aufgabe(111, 0, 99, 210), false},
        {Aufgabe(162, 0, 3000, 3162), true},
        {Aufgabe(-13, 0, -18, -31), false},
        {Aufgabe(-13, 0, -17, -30), true},
        {Aufgabe(25, 2, 40, 1000), true},
        {Aufgabe(123456789, 2, 11, 1358024679), false},
        {Aufgabe(-2000000000, 0, 11, -1999999989), true},
    };
    for (const auto& f : zehnHochN)
        EXPECT_EQ(g.IstTrivial(f.T), f.Trivial) << f.T.Operand1 << " " << f.T.Operand2;

    g.Keine10HochN = false;
    EXPECT_FALSE(g.IstTrivial(Aufgabe(12, 0, 8, 20)));
    g.MinimalwertAktiv = true;
    g.Minimalwert = 5;
    EXPECT_TRUE(g.IstTrivial(Aufgabe(-3, 0, 9, 6)));
    EXPECT_FALSE(g.IstTrivial(Aufgabe(5, 0, 6, 11)));
    EXPECT_TRUE(g.IstTrivial(Aufgabe(15, 1, 11, 4)));
    EXPECT_FALSE(g.IstTrivial(Aufgabe(-5, 0, -6, -11)));
}

TEST(Vorrat, TrivialTasksAreAvoidedWhenOthersExist)
{
    TMersenneZufall zufall(21);
    TGSAufgabengenerator g(zufall);
    PlusBis(g, 100, true);
    g.Keine10HochN = true;
    g.VorratErzeugen();
    ASSERT_EQ(g.VorratAnzahl(), 300);
    for (const auto& t : Pool(g))
        EXPECT_FALSE(g.IstTrivial(t)) << t.Operand1 << "+" << t.Operand2;
}

} // namespace
