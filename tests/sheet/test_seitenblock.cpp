// SPDX-License-Identifier: GPL-3.0-or-later
// The page block of worksheet files: writing, reading by file version, and damaged blocks.

#include "Seitenumgebung.h"

#include "files/Fehler.h"
#include "files/LadenSpeichern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

std::string Block(const TSeite& seite)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    seite.SeiteSpeichern(strom);
    return strom.Bytes();
}

void Laden(TSeite& seite, const std::string& bytes, int version)
{
    TLoadSave strom;
    strom.OpenReadBytes(bytes);
    seite.SeiteLaden(strom, version);
}

// The records of the tasks the page shows, row by row.
std::vector<std::vector<TGSAufgabe>> Daten(const TSeite& seite)
{
    std::vector<std::vector<TGSAufgabe>> zeilen;
    for (const auto& zeile : seite.GezeigteAufgaben()) {
        auto& daten = zeilen.emplace_back();
        for (const TAufgabe* aufgabe : zeile)
            daten.push_back(aufgabe->Daten);
    }
    return zeilen;
}

TEST(Seitenblock, ANewPageOnTheSameSheetReadsBackTheSameTasks)
{
    TSeitenumgebung u;
    Einmaleins(u.Generator, 1, 10, 1, 10);
    const auto seite = u.NeueSeite();
    seite->Gespenster = true;
    seite->Aufbauen(true);
    const std::string bytes = Block(*seite);

    TSeitenumgebung andere(600, 4722, 6780, 815);
    Einmaleins(andere.Generator, 1, 10, 1, 10);
    const auto gelesen = andere.NeueSeite();
    gelesen->Gespenster = true;
    Laden(*gelesen, bytes, 11);

    ASSERT_EQ(gelesen->ZeilenZahl, seite->ZeilenZahl);
    ASSERT_EQ(gelesen->SpaltenZahl, seite->SpaltenZahl);
    EXPECT_EQ(Daten(*gelesen), Daten(*seite));
    // Also the tasks beyond the shown ones came back, so the block is written again unchanged.
    EXPECT_EQ(Block(*gelesen), bytes);

    // A row the file leaves short shows empty tasks, not those of the page read before.
    Laden(*gelesen, "1 1 3 0 4 7 0 0 7", 9);
    EXPECT_EQ(gelesen->Aufgabe(0, 0).Daten.Ergebnis, 7);
    EXPECT_EQ(gelesen->Aufgabe(0, 1).Daten, TAufgabe(*gelesen).Daten);
    // Nor are rows of that page kept beyond those shown.
    EXPECT_EQ(std::stoi(Block(*gelesen)), gelesen->ZeilenZahl);
}

TEST(Seitenblock, GhostPatternsAreReadFromVersionTenOn)
{
    struct Fall {
        int Version;
        const char* Block;
        std::array<std::uint8_t, 3> Muster;
    };
    const Fall faelle[] = {
        {9, " 1 1 \r\n 4 2 3 12 0 3 3 \r\n\r\n", {1, 1, 1}},
        {10, " 1 1 \r\n 4 2 3 12 0 3 3 2 0 \r\n\r\n", {2, 0, 1}},
        {11, " 1 1 4 2 -3 -12 0 3 3 0 1 2", {0, 1, 2}},
    };
    for (const Fall& f : faelle) {
        TSeitenumgebung u;
        Einmaleins(u.Generator, 3, 3, 1, 10);
        const auto seite = u.NeueSeite();
        seite->GenauFestlegen = true;
        seite->Aufbauen(true);
        seite->Aufgabe(0, 0).Daten.Gespenstermuster.fill(1);
        seite->Aufgabe(0, 0).Daten.Fehlermeldung = "alt";

        Laden(*seite, f.Block, f.Version);
        const TGSAufgabe& t = seite->Aufgabe(0, 0).Daten;
        EXPECT_EQ(t.Operand1, 4) << f.Version;
        EXPECT_TRUE(t.Fehlermeldung.empty()) << f.Version;
        EXPECT_TRUE(std::equal(f.Muster.begin(), f.Muster.end(), t.Gespenstermuster.begin())) << f.Version;
        EXPECT_EQ(t.Gespenstermuster[3], 1) << f.Version;
    }
}

TEST(Seitenblock, ADamagedBlockIsRefusedAndLeavesNothingToDraw)
{
    // Empty; row count negative or absurd; task count absurd; cut off after one task;
    // operator code 7; ghost value 5; a number of eleven characters; no number at all.
    const char* faelle[] = {"",
                            " -1 ",
                            " 99999999 ",
                            " 1 20000 ",
                            " 1 2 4 2 3 12 0 3 3 0 0 ",
                            " 1 1 4 7 3 12 0 3 3 0 0 ",
                            " 1 1 4 2 3 12 0 3 3 5 0 ",
                            " 1 1 -2147483648 0 0 0 0 3 0 ",
                            "Zifferbogen"};
    for (const char* block : faelle) {
        TSeitenumgebung u;
        Einmaleins(u.Generator, 3, 3, 1, 10);
        const auto seite = u.NeueSeite();
        seite->Aufbauen(true);
        EXPECT_THROW(Laden(*seite, block, 11), EZifferbogenFehler) << block;
        EXPECT_EQ(seite->ZeilenZahl, 0) << block;
        EXPECT_EQ(seite->SpaltenZahl, 0) << block;
        // The next layout pass goes on with what the page holds.
        seite->Aufbauen(false);
        EXPECT_GT(seite->SpaltenZahl, 0) << block;
    }
}

TEST(Seitenblock, StoredDigitSumsStandUntilTheNextLayoutPass)
{
    TSeitenumgebung u;
    Einmaleins(u.Generator, 3, 3, 1, 10);
    const auto seite = u.NeueSeite();
    seite->GenauFestlegen = true;
    seite->SpaltenAnzahl = 2;
    // A task without blank (Platzhalter 9), one whose stored digit sum is wrong, and a task
    // the row lacks, which stays empty.
    Laden(*seite, " 1 2 4 2 3 12 0 9 5 0 0 \r\n 4 2 3 12 0 3 7 0 0 ", 11);
    ASSERT_EQ(seite->SpaltenZahl, 2);
    EXPECT_EQ(seite->Aufgabe(0, 0).LoesungsText, ";");
    EXPECT_EQ(seite->Aufgabe(0, 1).Daten.Quersumme, 7);
    EXPECT_EQ(seite->Aufgabe(0, 2).Daten, TGSAufgabe{});

    seite->Aufbauen(false);
    EXPECT_EQ(seite->Aufgabe(0, 0).Daten.Quersumme, 5);
    EXPECT_EQ(seite->Aufgabe(0, 1).Daten.Quersumme, 3);
}

} // namespace
