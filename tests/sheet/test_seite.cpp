// SPDX-License-Identifier: GPL-3.0-or-later
// The layout pass: which tasks the page takes from the generator, how many fit a row and the
// sheet, the error list and the shuffled solution order.

#include "Seitenumgebung.h"

#include "generator/SkriptZufall.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

namespace {

std::vector<int> Produkte(const TSeite& seite, std::size_t zeile)
{
    std::vector<int> produkte;
    for (const auto& aufgabe : seite.Zeilen.at(zeile)->Aufgaben)
        produkte.push_back(aufgabe->Daten.Ergebnis);
    return produkte;
}

// The pool's products at the given positions.
std::vector<int> Vorratsprodukte(const TGSAufgabengenerator& g, int von, int bis)
{
    std::vector<int> produkte;
    for (int i = von; i <= bis; ++i)
        produkte.push_back(g.Vorrat()[static_cast<std::size_t>(i)].Ergebnis);
    return produkte;
}

TEST(Seite, ExactModeShowsTheGeneratorsFirstTasksInOrder)
{
    TSeitenumgebung u;
    Einmaleins(u.Generator, 1, 10, 1, 10);
    const auto seite = u.NeueSeite();
    seite->GenauFestlegen = true;
    seite->ZeilenAnzahl = 4;
    seite->SpaltenAnzahl = 5;
    seite->Aufbauen(true);

    ASSERT_EQ(seite->ZeilenZahl, 4);
    ASSERT_EQ(seite->SpaltenZahl, 5);
    // Each row measured a sixth task, which then opened the next row.
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(Produkte(*seite, static_cast<std::size_t>(r)), Vorratsprodukte(u.Generator, 5 * r + 1, 5 * r + 6));
    EXPECT_EQ(u.Generator.Naechste(), 22);

    // Another pass keeps the tasks and takes nothing from the generator.
    seite->Aufbauen(false);
    EXPECT_EQ(Produkte(*seite, 3), Vorratsprodukte(u.Generator, 16, 21));
    EXPECT_EQ(u.Generator.Naechste(), 22);
}

TEST(Seite, TheShownTasksAreTheChosenRowsAndColumnsWithoutTheTaskMeasuredBeyond)
{
    struct Fall {
        int Zeilen, Spalten;
    };
    for (const Fall& fall : {Fall{4, 5}, Fall{2, 3}, Fall{3, 1}}) {
        TSeitenumgebung u;
        Einmaleins(u.Generator, 1, 10, 1, 10);
        const auto seite = u.NeueSeite();
        EXPECT_TRUE(seite->GezeigteAufgaben().empty()); // before the first pass
        seite->GenauFestlegen = true;
        seite->ZeilenAnzahl = fall.Zeilen;
        seite->SpaltenAnzahl = fall.Spalten;
        seite->Aufbauen(true);

        // Row r shows the pool's tasks from Spalten * r + 1 on; the next one, measured
        // beyond them, opens row r + 1 and is shown there.
        std::vector<std::vector<int>> erwartet;
        for (int r = 0; r < fall.Zeilen; ++r)
            erwartet.push_back(Vorratsprodukte(u.Generator, fall.Spalten * r + 1, fall.Spalten * (r + 1)));
        std::vector<std::vector<int>> gezeigt;
        for (const auto& zeile : std::as_const(*seite).GezeigteAufgaben()) {
            auto& produkte = gezeigt.emplace_back();
            for (const TAufgabe* aufgabe : zeile)
                produkte.push_back(aufgabe->Daten.Ergebnis);
        }
        EXPECT_EQ(gezeigt, erwartet) << fall.Zeilen << " x " << fall.Spalten;
    }
}

TEST(Seite, FillModeTakesRowsWhileAFurtherRowAndItsGapFit)
{
    struct Fall {
        bool Schriftlich;
        double ZifferHoehe;
        int Zeilen;
        double Zeilenhoehe;
    };
    // Usable height 10 cm, row gap 0.5 cm; the digit height sets the row height. The third
    // row does not fit, yet the page has it.
    const Fall faelle[] = {{false, 1, 6, 1}, {true, 1, 2, 3}, {false, 20, 1, 20}};
    for (const Fall& f : faelle) {
        TSeitenumgebung u(254, 2000, 1200);
        Einmaleins(u.Generator, 3, 3, 1, 10);
        const auto seite = u.NeueSeite();
        seite->RandOben = seite->RandUnten = 1;
        seite->Zeilenabstand = 0.5;
        seite->ZifferHoehe = f.ZifferHoehe;
        seite->GroesseAufgaben = 10;
        seite->Schriftlich = f.Schriftlich;
        seite->Aufbauen(true);

        EXPECT_EQ(seite->Zeilenhoehe, f.Zeilenhoehe);
        EXPECT_EQ(seite->ZeilenZahl, f.Zeilen) << f.Zeilenhoehe;
        EXPECT_DOUBLE_EQ(seite->ZeilenabstandIst, 10.0 / f.Zeilen - f.Zeilenhoehe);
        EXPECT_NEAR(seite->ZeilenEnde, 11, 1e-12);
    }
}

TEST(Seite, TheLastTaskOfARowMayUseTheColumnGapUnlessSolutionsFollow)
{
    // A pool of one task: all tasks are equally wide.
    TSeitenumgebung u;
    Einmaleins(u.Generator, 3, 3, 4, 4);
    const auto seite = u.NeueSeite();
    seite->Loesungsspalte = true;
    seite->Aufbauen(true);
    const double g = seite->Aufgabe(0, 0).Gesamtbreite;
    const double l = seite->Aufgabe(0, 0).LoesungsBreite;
    const double a = seite->Spaltenabstand;
    const double eps = 1e-9;
    const std::tuple<bool, double, int> faelle[] = {
        {false, 3 * g - a + eps, 3},
        {false, 3 * g - a - eps, 2},
        {true, 3 * (g + l) - a + eps, 2},
        {true, 3 * (g + l) + eps, 3},
        {false, 0.1, 0}, // the first task alone is too wide: no task on the page
    };
    for (const auto& [loesungen, nutzbreite, anzahl] : faelle) {
        seite->Loesungsspalte = loesungen;
        seite->RandLinks = 0;
        seite->RandRechts = u.Blatt.BlattBreite - nutzbreite;
        seite->Aufbauen(false);
        EXPECT_EQ(seite->SpaltenZahl, anzahl) << nutzbreite;
        EXPECT_EQ(seite->Zeilen[0]->Anzahl, anzahl);
        EXPECT_EQ(seite->Reihenfolge.size(), static_cast<std::size_t>(seite->ZeilenZahl * anzahl) + 1);
    }
}

TEST(Seite, ZeroSizesEndThePassAtTheLargestPage)
{
    // Rows of no height and tasks of no width would fit without end.
    TSeitenumgebung u;
    Einmaleins(u.Generator, 1, 10, 1, 10);
    const auto seite = u.NeueSeite();
    seite->GroesseAufgaben = seite->GroesseLoesungen = seite->GroesseNummerierung = 0;
    seite->Spaltenabstand = seite->Zeilenabstand = seite->ZifferHoehe = seite->ZifferBreite = 0;
    seite->Aufbauen(true);
    EXPECT_EQ(seite->ZeilenZahl, TSeite::GroessteZeilenzahl);
    EXPECT_EQ(seite->SpaltenZahl, TSeite::GroessteSpaltenzahl);
}

TEST(Seite, ATaskEqualToTheOneAboveIsReplacedOnce)
{
    // The second row opens with the task held back, which repeats the task above it; with a
    // second task in the pool it takes that one, with a single task it goes on with the same.
    const std::tuple<int, std::vector<int>> faelle[] = {{5, {2, 1, 2}}, {4, {1, 1}}};
    for (const auto& [bis, positionen] : faelle) {
        TSeitenumgebung u;
        Einmaleins(u.Generator, 3, 3, 4, bis);
        const auto seite = u.NeueSeite();
        seite->GenauFestlegen = true;
        seite->ZeilenAnzahl = 2;
        seite->SpaltenAnzahl = static_cast<int>(positionen.size()) - 1;
        seite->Aufbauen(true);
        std::vector<int> erwartet;
        for (const int p : positionen)
            erwartet.push_back(Vorratsprodukte(u.Generator, p, p)[0]);
        EXPECT_EQ(Produkte(*seite, 1), erwartet);
    }
}

TEST(Seite, TheErrorListShowsTheFirstMessageOfThePassAlone)
{
    // No operation checked: every task is an error task with the same message.
    TSeitenumgebung u;
    const auto seite = u.NeueSeite();
    u.Fehlerliste.SetLines({"von früher"});
    seite->Aufbauen(true);
    EXPECT_TRUE(seite->Aufgabe(0, 0).IstFehler());
    EXPECT_EQ(u.Fehlerliste.Lines(), std::vector<std::string>{"Keine Aufgabenart angewählt."});

    Einmaleins(u.Generator, 2, 2, 1, 9);
    u.NeueSeite()->Aufbauen(true);
    EXPECT_TRUE(u.Fehlerliste.Lines().empty());
}

TEST(Seite, SolutionOrderSwapsDrawnPairs)
{
    TSeitenumgebung u;
    Einmaleins(u.Generator, 1, 10, 1, 10);
    TSkriptZufall zufall{0, 1, 1, 2, 0, 0};
    TSeite seite(u.Generator, u.Blatt, zufall);
    seite.GenauFestlegen = true;
    seite.SpaltenAnzahl = 3;
    seite.Aufbauen(true);
    // Swaps (1, 2), (2, 3), (1, 1) of 1, 2, 3.
    EXPECT_EQ(seite.Reihenfolge, (std::vector<int>{0, 2, 3, 1}));
    EXPECT_EQ(zufall.Aufrufe, (std::vector<int>(6, 3)));
}

} // namespace
