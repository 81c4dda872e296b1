// SPDX-License-Identifier: GPL-3.0-or-later
// The work budget of a pool build: builds below it are untouched, builds that reach it stop
// at a point fixed by the draws, and settings without a task still end in their message.

#include "SkriptZufall.h"

#include "generator/UGSAufgabe.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

using TEinstellen = std::function<void(TGSAufgabengenerator&)>;

// Written division without remainder, one-digit dividend and divisor.
void SchriftlichGeteilt(TGSAufgabengenerator& g)
{
    g.GeteiltKommtVor = true;
    g.DivArt = 1;
    g.Restmodus = 0;
    g.StellenGrenzen = {0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0};
}

void Einmaleins(TGSAufgabengenerator& g)
{
    g.MalKommtVor = true;
    g.MultArt = 0;
    for (int k = 1; k <= 10; ++k)
        for (int m = 1; m <= 10; ++m)
            g.MultTabelle[k][m] = true;
}

void Plus(TGSAufgabengenerator& g, int zahlenraum, std::uint8_t zu, std::uint8_t hu)
{
    g.PlusKommtVor = true;
    g.Zahlenraum = zahlenraum;
    g.ZUModus = zu;
    g.HUModus = hu;
    g.NullKommtVor = true;
}

// Addition operands from the digit places: units, tens and hundreds may occur in both.
void PlusAusStellen(TGSAufgabengenerator& g, int zahlenraum)
{
    Plus(g, zahlenraum, 1, 1);
    g.NurStellen = true;
    for (int operand = 1; operand <= 2; ++operand)
        for (int stelle = 1; stelle <= 3; ++stelle)
            g.Stellenmaske[operand][1][stelle] = true;
}

std::vector<TGSAufgabe> Pool(const TGSAufgabengenerator& g)
{
    return {g.Vorrat().begin() + 1, g.Vorrat().begin() + 1 + g.VorratAnzahl()};
}

TEST(Arbeitsbudget, OrdinarySettingsGiveThePoolsOfUnlimitedRetries)
{
    // Among them the most laborious ordinary ones: no k·10^n numbers in the times tables
    // and in range 20 (most candidates trivial), crossing rules that walk every second
    // operand, written arithmetic.
    const std::vector<std::pair<const char*, TEinstellen>> faelle{
        {"times tables", Einmaleins},
        {"times tables without k*10^n",
         [](TGSAufgabengenerator& g) {
             Einmaleins(g);
             g.Keine10HochN = true;
         }},
        {"range 20 always crossing the ten, without k*10^n",
         [](TGSAufgabengenerator& g) {
             Plus(g, 20, 2, 1);
             g.Keine10HochN = true;
         }},
        {"range 1000 always crossing the hundred, with subtraction",
         [](TGSAufgabengenerator& g) {
             Plus(g, 1000, 1, 2);
             g.MinusKommtVor = true;
         }},
        {"written division, all four operations",
         [](TGSAufgabengenerator& g) {
             SchriftlichGeteilt(g);
             g.StellenGrenzen[9] = 2;
             g.StellenGrenzen[10] = 3;
             Einmaleins(g);
             Plus(g, 100, 1, 1);
             g.MinusKommtVor = true;
         }},
    };
    for (const auto& [name, einstellen] : faelle) {
        SCOPED_TRACE(name);
        TMersenneZufall zufallA(77);
        TGSAufgabengenerator begrenzt(zufallA);
        einstellen(begrenzt);
        begrenzt.VorratErzeugen();

        TMersenneZufall zufallB(77);
        TGSAufgabengenerator unbegrenzt(zufallB);
        einstellen(unbegrenzt);
        unbegrenzt.Arbeitsgrenze = std::numeric_limits<std::int64_t>::max();
        unbegrenzt.VorratErzeugen();

        EXPECT_FALSE(begrenzt.VorratGekuerzt());
        EXPECT_LT(begrenzt.Arbeit(), TGSAufgabengenerator::Arbeitsbudget * 2 / 3);
        EXPECT_EQ(begrenzt.Arbeit(), unbegrenzt.Arbeit());
        EXPECT_EQ(Pool(begrenzt), Pool(unbegrenzt));
    }
}

TEST(Arbeitsbudget, SettingsWithoutAnyTaskStillGiveTheirMessage)
{
    struct TFall {
        const char* Name;
        TEinstellen Einstellen;
        std::string Meldung;
    };
    const std::vector<TFall> faelle{
        // One digit by one digit never gives 10, and every error task is trivial, so each
        // candidate would retry 31 × 99 calls: the budget ends it.
        {"written division with quotient at least 10, no k*10^n",
         [](TGSAufgabengenerator& g) {
             SchriftlichGeteilt(g);
             g.MinErgebnisDiv = 10;
             g.Keine10HochN = true;
         },
         "Konnte keine Geteiltaufgabe ohne Rest finden, deren Ergebnis >= 10 ist."},
        {"the same with the smallest value instead",
         [](TGSAufgabengenerator& g) {
             SchriftlichGeteilt(g);
             g.MinErgebnisDiv = 10;
             g.MinimalwertAktiv = true;
             g.Minimalwert = 2;
         },
         "Konnte keine Geteiltaufgabe ohne Rest finden, deren Ergebnis >= 10 ist."},
        {"digit places whose smallest sum exceeds the range",
         [](TGSAufgabengenerator& g) {
             PlusAusStellen(g, 10);
             g.Stellenmaske[1][2][2] = true; // operand 1 has a tens digit 1..9
             g.Keine10HochN = true;
         },
         "Konnte keine gewünschte Plusaufgabe im vorgegebenen Zahlenraum finden!"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TMersenneZufall zufall(5);
        TGSAufgabengenerator g(zufall);
        fall.Einstellen(g);
        g.VorratErzeugen();
        ASSERT_EQ(g.VorratAnzahl(), 1);
        const TGSAufgabe& t = g.Vorrat()[1];
        EXPECT_EQ(t.Fehlermeldung, fall.Meldung);
        EXPECT_EQ(t.Operand1, 0);
        EXPECT_EQ(t.Operand2, 0);
        EXPECT_EQ(t.Rechenzeichen, 0);
        // The budget is looked at after every operation call, which draws far less than
        // a tenth of it.
        EXPECT_LT(g.Arbeit(), g.Arbeitsgrenze + TGSAufgabengenerator::Arbeitsbudget / 10);
    }
}

TEST(Arbeitsbudget, RareTasksAreStillFoundWhenTheBudgetEndsTheBuild)
{
    // Operands 0..999 from the digit places but range 20: about one pair in 4000 fits, so
    // most calls fail 101 pairs and the build reaches the budget.
    TMersenneZufall zufall(11);
    TGSAufgabengenerator g(zufall);
    PlusAusStellen(g, 20);
    g.VorratErzeugen();
    EXPECT_TRUE(g.VorratGekuerzt());
    const auto pool = Pool(g);
    int gueltig = 0;
    for (const auto& t : pool) {
        if (!t.Fehlermeldung.empty())
            continue;
        ++gueltig;
        EXPECT_LE(t.Operand1 + t.Operand2, 20);
        EXPECT_EQ(t.Ergebnis, t.Operand1 + t.Operand2);
    }
    EXPECT_GE(gueltig, 20);
    // A candidate cut short by the budget does not enter a pool that already holds tasks.
    EXPECT_TRUE(pool.back().Fehlermeldung.empty());
}

TEST(Arbeitsbudget, StopsAtTheSameDrawWhateverTheMachine)
{
    // Every draw 0 gives the trivial task 0 + 0 with four draws; each candidate costs those
    // draws and the fixed charge. The first attempt's 31 candidates fill the empty pool; the
    // second stops as soon as the work reaches the limit and drops its unfinished candidate.
    TSkriptZufall zufall;
    zufall.Rest0 = true;
    TGSAufgabengenerator g(zufall);
    Plus(g, 10, 1, 1);
    g.Keine10HochN = true;
    const std::int64_t jeKandidat = 4 + TGSAufgabengenerator::ArbeitJeKandidat;
    g.Arbeitsgrenze = 50 * jeKandidat;
    g.VorratErzeugen();
    EXPECT_TRUE(g.VorratGekuerzt());
    EXPECT_EQ(g.Arbeit(), 50 * jeKandidat);
    EXPECT_EQ(zufall.Aufrufe.size(), 50u * 4u);
    ASSERT_EQ(g.VorratAnzahl(), 1);
    EXPECT_EQ(g.Vorrat()[1].Operand1, 0);

    // The first candidate always comes whole and fills the empty pool, however small the
    // limit.
    g.Arbeitsgrenze = 1;
    zufall.Aufrufe.clear();
    g.VorratErzeugen();
    EXPECT_EQ(zufall.Aufrufe.size(), 4u);
    EXPECT_EQ(g.VorratAnzahl(), 1);

    // A direct candidate outside a build keeps all its retries whatever the last build spent.
    TSkriptZufall zufall2;
    zufall2.Rest0 = true;
    TGSAufgabengenerator h(zufall2);
    SchriftlichGeteilt(h);
    h.MinErgebnisDiv = 10;
    h.Arbeitsgrenze = 1;
    h.VorratErzeugen();
    zufall2.Aufrufe.clear();
    TGSAufgabe t;
    h.EineAufgabe(t);
    EXPECT_FALSE(t.Fehlermeldung.empty());
    EXPECT_GT(zufall2.Aufrufe.size(), 99u * 101u);
}

} // namespace
