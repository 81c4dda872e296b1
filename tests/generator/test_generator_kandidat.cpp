// SPDX-License-Identifier: GPL-3.0-or-later
// Making one candidate: messages of impossible settings, retries, the ghost pattern and the
// shared helpers (operand types, placeholder, signs).

#include "SkriptZufall.h"

#include "generator/UGSAufgabe.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

using Einstellung = std::function<void(TGSAufgabengenerator&)>;

TEST(Kandidat, ImpossibleSettingsGiveErrorTasksWithTheirMessage)
{
    struct Fall {
        const char* Name;
        Einstellung Setzen;
        std::string Meldung;
    };
    const std::vector<Fall> faelle{
        {"digit places without a place",
         [](auto& g) {
             g.PlusKommtVor = true;
             g.NurStellen = true;
             g.Stellenmaske[1][1][1] = true;
         },
         "Bei +/- (ganz unten) wurden bei mind. einem Operanden keine Ziffern ausgewählt, die vorkommen dürfen."},
        {"empty grid, addition",
         [](auto& g) {
             g.PlusKommtVor = true;
             g.MinusKommtVor = true;
             g.NurKombinationen = true;
         },
         "Es wurde kein spezieller Aufgabentyp für + ausgewählt"},
        {"empty grid, subtraction only",
         [](auto& g) {
             g.MinusKommtVor = true;
             g.NurKombinationen = true;
         },
         " Es wurde kein spezieller Aufgabentyp für - ausgewählt"},
        {"E + E with immer ZÜ leaves no subtraction pair",
         [](auto& g) {
             g.PlusKommtVor = true;
             g.MinusKommtVor = true;
             g.NurKombinationen = true;
             g.Kombination[1][1] = true;
             g.ZUModus = 2;
             g.HUModus = 1;
             g.Zahlenraum = 100;
         },
         " Es wurde kein spezieller Aufgabentyp für - ausgewählt"},
        {"nothing checked", [](auto&) {}, "Keine Aufgabenart angewählt."},
        {"no times table", [](auto& g) { g.MalKommtVor = true; }, "Keine Einmaleinsaufgabe ausgewählt"},
        {"no special product",
         [](auto& g) {
             g.MalKommtVor = true;
             g.MultArt = 3;
         },
         "Keine besondere Multiplikationsaufgabe gewählt"},
        {"division table with divisor 0 only",
         [](auto& g) {
             g.GeteiltKommtVor = true;
             g.DivTabelle[0].fill(true);
         },
         "Keine Einmaleinsaufgabe (bei Division) ausgewählt"},
        {"written division, quotient too small",
         [](auto& g) {
             g.GeteiltKommtVor = true;
             g.DivArt = 1;
             g.StellenGrenzen = {0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0};
             g.MinErgebnisDiv = 10;
         },
         "Konnte keine Geteiltaufgabe ohne Rest finden, deren Ergebnis >= 10 ist."},
        {"written multiplication beyond 32 bits",
         [](auto& g) {
             g.MalKommtVor = true;
             g.MultArt = 1;
             g.StellenGrenzen = {0, 7, 7, 0, 0, 7, 7, 0, 0, 1, 1, 0, 0, 1, 1, 0, 0};
         },
         "Das Produkt wird bei diesen Stellenzahlen zu groß. Bitte weniger Stellen wählen."},
        {"digit places beyond the range",
         [](auto& g) {
             g.PlusKommtVor = true;
             g.Zahlenraum = 100;
             g.NurStellen = true;
             g.Stellenmaske[1][1][4] = g.Stellenmaske[1][2][4] = true;
             g.Stellenmaske[2][1][1] = true;
         },
         "Konnte keine gewünschte Plusaufgabe im vorgegebenen Zahlenraum finden!"},
        {"digit places, subtraction beyond the range",
         [](auto& g) {
             g.MinusKommtVor = true;
             g.Zahlenraum = 100;
             g.NurStellen = true;
             g.Stellenmaske[1][1][4] = g.Stellenmaske[1][2][4] = true;
             g.Stellenmaske[2][1][1] = true;
         },
         "Konnte keine Minusaufgabe ohne negative Zahlen / Null finden."},
        {"HZE + HZE in range 10",
         [](auto& g) {
             g.PlusKommtVor = true;
             g.Zahlenraum = 10;
             g.NurKombinationen = true;
             g.Kombination[7][7] = true;
         },
         "Konnte zu 102 + ... keinen passenden 2. Operanden finden."},
        {"no minuend above the hundred in range 10",
         [](auto& g) {
             g.MinusKommtVor = true;
             g.Zahlenraum = 10;
             g.ZUModus = 1;
             g.HUModus = 2;
         },
         "Konnte für die Minusaufgabe keinen geeigneten Minuenden finden."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        TMersenneZufall zufall(12);
        TGSAufgabengenerator g(zufall);
        f.Setzen(g);
        TGSAufgabe t;
        g.EineAufgabe(t);
        EXPECT_EQ(t.Fehlermeldung, f.Meldung);
        EXPECT_EQ(t.Operand1, 0);
        EXPECT_EQ(t.Operand2, 0);
        EXPECT_EQ(t.Rechenzeichen, 0);
    }
}

TEST(Kandidat, ErrorTaskKeepsResultAndPlaceholderOfTheLastCall)
{
    TSkriptZufall zufall;
    zufall.Rest0 = true;
    TGSAufgabengenerator g(zufall);
    TGSAufgabe t;
    g.EineAufgabe(t);
    EXPECT_EQ(t.Ergebnis, 0);
    EXPECT_EQ(t.Platzhalter, 0);
    EXPECT_EQ(zufall.Aufrufe, std::vector<int>{3}); // one ghost column, also for an error task

    g.PlusKommtVor = true;
    g.Zahlenraum = 10;
    g.NurKombinationen = true;
    g.Kombination[7][7] = true;
    g.EineAufgabe(t);
    EXPECT_EQ(t.Ergebnis, 102);
    EXPECT_EQ(t.Platzhalter, 3);
}

TEST(Kandidat, FailingOperationIsCalledNinetyNineTimes)
{
    // Every draw 0: both masks give 1, so 1 - 1 is rejected (zero not allowed) 101 times per call.
    TSkriptZufall zufall;
    zufall.Rest0 = true;
    TGSAufgabengenerator g(zufall);
    g.MinusKommtVor = true;
    g.Zahlenraum = 100;
    g.NurStellen = true;
    for (int o = 1; o <= 2; ++o)
        g.Stellenmaske[o][1][1] = g.Stellenmaske[o][2][1] = true;
    TGSAufgabe t;
    g.EineAufgabe(t);
    EXPECT_EQ(t.Fehlermeldung, "Konnte keine Minusaufgabe ohne negative Zahlen / Null finden.");
    EXPECT_EQ(std::count(zufall.Aufrufe.begin(), zufall.Aufrufe.end(), 9), 99 * 101 * 2);
}

TEST(Kandidat, ABarelyPossibleSettingIsNotTakenForImpossible)
{
    // Only 111 + 1 fits HZE + E in range 112 (zero not allowed): rare, but it must appear.
    TMersenneZufall zufall(77);
    TGSAufgabengenerator g(zufall);
    g.PlusKommtVor = true;
    g.Zahlenraum = 112;
    g.ZUModus = 1;
    g.HUModus = 1;
    g.NurKombinationen = true;
    g.Kombination[7][1] = true;
    TGSAufgabe t;
    bool gefunden = false;
    for (int n = 0; n < 50 && !gefunden; ++n) {
        g.EineAufgabe(t);
        gefunden = t.Fehlermeldung.empty();
    }
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(t.Operand1, 111);
    EXPECT_EQ(t.Operand2, 1);

    // "immer ZÜ" in range 13: only 2 + 9; in range 12 nothing.
    TGSAufgabengenerator h(zufall);
    h.PlusKommtVor = true;
    h.ZUModus = 2;
    h.HUModus = 1;
    h.Zahlenraum = 13;
    gefunden = false;
    for (int n = 0; n < 50 && !gefunden; ++n) {
        h.EineAufgabe(t);
        gefunden = t.Fehlermeldung.empty();
    }
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(t.Operand1, 2);
    EXPECT_EQ(t.Operand2, 9);
    h.Zahlenraum = 12;
    h.EineAufgabe(t);
    EXPECT_FALSE(t.Fehlermeldung.empty());
}

TEST(Kandidat, GhostPatternMovesAwayFromBlanks)
{
    // Factor intervals of one value each make the task; the rest of the script is the ghost
    // draws. Expected: for each column, the stored value for a draw of 0, 1, 2.
    struct Fall {
        int Faktor1, Faktor2;
        std::vector<std::array<int, 3>> Spalten;
    };
    const std::array<int, 3> frei{0, 1, 2};
    const std::vector<Fall> faelle{
        {100, 0, {frei, {0, 0, 0}, {0, 0, 0}}},       // 100 · 0 = 0: second factor and result blank
        {0, 100, {frei, {1, 1, 1}, {1, 1, 1}}},       // 0 · 100 = 0: first factor and result blank
        {5, 100, {frei, {1, 1, 2}, {1, 1, 2}}},       // 5 · 100 = 500
        {100, 5, {frei, {0, 2, 2}, {0, 2, 2}}},       // 100 · 5 = 500
        {-5, 20, {frei, frei, {2, 2, 2}, {2, 2, 2}}}, // -5 · 20 = -100: the minus sign is no blank
    };
    for (const auto& f : faelle) {
        for (int r = 0; r < 3; ++r) {
            SCOPED_TRACE(std::to_string(f.Faktor1) + " · " + std::to_string(f.Faktor2) + ", draw " + std::to_string(r));
            TSkriptZufall zufall;
            TGSAufgabengenerator g(zufall);
            g.MalKommtVor = true;
            g.MultArt = 2;
            g.NullKommtVorMultDiv = true;
            g.Faktor1Von = g.Faktor1Bis = f.Faktor1;
            g.Faktor2Von = g.Faktor2Bis = f.Faktor2;
            zufall.Setzen({0, 0, 0, r, r, r, r});
            TGSAufgabe t;
            g.EineAufgabe(t);
            ASSERT_EQ(Ziffernbreite(t), static_cast<int>(f.Spalten.size()));
            for (std::size_t c = 0; c < f.Spalten.size(); ++c)
                EXPECT_EQ(t.Gespenstermuster[c], f.Spalten[c][r]) << "column " << c;
            for (std::size_t c = f.Spalten.size(); c < t.Gespenstermuster.size(); ++c)
                EXPECT_EQ(t.Gespenstermuster[c], 0);
            EXPECT_EQ(zufall.Position, 3 + f.Spalten.size());
        }
    }
}

TEST(Kandidat, ANumberOfAKindDrawsItsDigitsInOrder)
{
    struct Fall {
        int Typ;
        std::vector<int> Ziehungen;
        int Zahl;
    };
    const std::vector<Fall> faelle{
        {TypE, {9}, 9},       {TypZ, {4}, 50},      {TypZE, {2, 6}, 73},      {TypH, {8}, 900},
        {TypHE, {2, 6}, 703}, {TypHZ, {2, 6}, 730}, {TypHZE, {0, 1, 2}, 321}, {7, {}, 0},
    };
    for (const auto& f : faelle) {
        TSkriptZufall zufall;
        TGSAufgabengenerator g(zufall);
        zufall.Werte = f.Ziehungen;
        EXPECT_EQ(g.ZahlVomTyp(f.Typ), f.Zahl) << "type " << f.Typ;
        EXPECT_EQ(zufall.Position, f.Ziehungen.size());
    }
}

TEST(Kandidat, TheBlankIsDrawnAmongTheAllowedPlaces)
{
    TSkriptZufall zufall;
    TGSAufgabengenerator g(zufall);
    EXPECT_EQ(g.PlatzhalterWaehlen(false), 3);
    EXPECT_EQ(g.PlatzhalterWaehlen(true), 3); // no position allowed
    EXPECT_TRUE(zufall.Aufrufe.empty());
    g.PlatzhalterOp1 = true;
    g.PlatzhalterErg = true;
    zufall.Setzen({0, 1});
    EXPECT_EQ(g.PlatzhalterWaehlen(true), 1);
    EXPECT_EQ(g.PlatzhalterWaehlen(true), 3);
    EXPECT_EQ(zufall.Aufrufe, (std::vector<int>{2, 2}));
    g.PlatzhalterOp2 = true;
    zufall.Setzen({1});
    EXPECT_EQ(g.PlatzhalterWaehlen(true), 2);
}

TEST(Kandidat, NegativeOperandsFollowTheirMode)
{
    struct Fall {
        std::uint8_t Modus;
        int A, B, Wert;
        std::vector<int> Ziehungen;
        int ErgA, ErgB;
    };
    const std::vector<Fall> faelle{
        {0, 5, 3, 8, {}, 5, 3},       {1, 5, 3, 8, {3, 4}, -5, 3},
        {1, 5, 3, 8, {4, 0}, 5, -3},  {2, 5, 3, 2, {4}, 5, -3}, // first stays: the second turns negative without a draw
        {2, 5, 3, 2, {3, 3}, -5, -3}, {2, 5, 3, 2, {0, 9}, -5, 3},
        {2, 3, 5, -2, {5, 9}, 3, 5}, // negative value: the second is drawn
        {2, 3, 5, -2, {5, 2}, 3, -5},
    };
    for (const auto& f : faelle) {
        TSkriptZufall zufall;
        TGSAufgabengenerator g(zufall);
        zufall.Werte = f.Ziehungen;
        int a = f.A, b = f.B;
        g.NegativMachen(a, b, f.Modus, f.Wert);
        EXPECT_EQ(a, f.ErgA) << int(f.Modus);
        EXPECT_EQ(b, f.ErgB) << int(f.Modus);
        EXPECT_EQ(zufall.Position, f.Ziehungen.size());
    }
}

TEST(Kandidat, SometimesNegativeTurnsEachOperandWithProbabilityFourTenths)
{
    TMersenneZufall zufall(2024);
    TGSAufgabengenerator g(zufall);
    int negA = 0, negB = 0, keins = 0;
    const int n = 4000;
    for (int i = 0; i < n; ++i) {
        int a = 5, b = 3;
        g.NegativMachen(a, b, 1, 8);
        negA += a < 0;
        negB += b < 0;
        a = 5;
        b = 3;
        g.NegativMachen(a, b, 2, 8);
        keins += a > 0 && b > 0;
    }
    EXPECT_NEAR(negA / double(n), 0.4, 0.04);
    EXPECT_NEAR(negB / double(n), 0.4, 0.04);
    EXPECT_EQ(keins, 0);
}

} // namespace
