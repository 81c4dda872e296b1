// SPDX-License-Identifier: GPL-3.0-or-later
// The places the program remembers between runs: the worksheets opened or saved last, and the
// folders the file dialogs start in.

#include "app/Orte.h"
#include "doubles/Dialogskript.h"
#include "doubles/Speicherablage.h"
#include "files/Fehler.h"
#include "fixtures/Programmstart.h"
#include "fixtures/Testordner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Liste = std::vector<std::string>;

TEST(RecentList, KeepsTheLastTenOnceEachMostRecentFirstAcrossARestart)
{
    Liste elf;
    for (int i = 1; i <= 11; ++i)
        elf.push_back("/b/" + std::to_string(i) + ".zfb");
    Liste vonHand{"", "/a.zfb", "/a.zfb"};
    vonHand.insert(vonHand.end(), elf.begin(), elf.end());
    Liste vonHandDanach{"/a.zfb"};
    vonHandDanach.insert(vonHandDanach.end(), elf.begin(), elf.begin() + 9);
    struct Fall {
        const char* Was;
        Liste Gespeichert; // what the last run left
        Liste Eingetragen; // opened or saved, in this order
        Liste Danach;
    };
    for (const Fall& fall : {
             Fall{"added", {}, {"/a.zfb", "/c.zfb"}, {"/c.zfb", "/a.zfb"}},
             Fall{"again: to the front, once",
                  {"/a.zfb", "/c.zfb", "/d.zfb"},
                  {"/d.zfb"},
                  {"/d.zfb", "/a.zfb", "/c.zfb"}},
             Fall{"capped at ten", {}, elf, Liste(elf.rbegin(), elf.rbegin() + 10)},
             Fall{"relative to the working folder", {}, {"x/../r.zfb"}, {(fs::current_path() / "r.zfb").string()}},
             Fall{"edited by hand: empty, twice, too many", vonHand, {}, vonHandDanach},
         }) {
        TSpeicherablage ablage;
        ablage.Listen["Dateien/Zuletzt"] = fall.Gespeichert;
        TOrte orte;
        orte.Verbinden(&ablage);
        for (const std::string& pfad : fall.Eingetragen)
            orte.Eintragen(pfad);
        EXPECT_EQ(orte.Zuletzt(), fall.Danach) << fall.Was;
        TOrte neu;
        neu.Verbinden(&ablage);
        EXPECT_EQ(neu.Zuletzt(), fall.Danach) << fall.Was << " (restart)";
    }
}

// The program with its places kept in memory and its file dialogs scripted.
struct Orte : ::testing::Test {
    Orte()
    {
        S.Zeichnen().Orte.Verbinden(&Ablage);
        S.Programm.Oberflaeche().Dateidialog = &Dialog;
        S.Drucken().SetzeDateidialog(&Dialog);
        fs::create_directory(Ordner / "a");
        fs::create_directory(Ordner / "b");
    }
    TZeichnen& Z() { return S.Zeichnen(); }
    // Runs befehl with the dialog answering antwort (none: Cancel); returns where it started.
    std::string Start(void (TZeichnen::*befehl)(), std::optional<std::string> antwort = std::nullopt)
    {
        Dialog.Antwort = std::move(antwort);
        (Z().*befehl)();
        return Dialog.Start;
    }
    std::string In(const char* ordner) { return (Ordner / ordner).string(); }

    TTestordner Ordner;
    TSpeicherablage Ablage;
    TDialogskript Dialog;
    TProgrammstart S;
};

TEST_F(Orte, OpenAndSaveNoteTheFileAndTheDialogsStartWhereTheyWereLastUsed)
{
    const std::string a = In("a") + "/x.zfb";
    const std::string b = In("b") + "/y.zfb";
    EXPECT_EQ(Start(&TZeichnen::Speichern1Click, b), "");
    // Saving again proposes the open file itself.
    EXPECT_EQ(Start(&TZeichnen::Speichern1Click, a), b);
    EXPECT_EQ(Start(&TZeichnen::Oeffnen1Click, b), In("a"));
    EXPECT_EQ(Start(&TZeichnen::Oeffnen1Click), In("b"));
    EXPECT_EQ(Start(&TZeichnen::Speichern1Click), b);
    EXPECT_EQ(Z().Orte.Zuletzt(), (Liste{b, a}));

    // A ready-made sheet is no file of the user's: the save dialog proposes no name then.
    TVorlage vorlage;
    vorlage.Datei = a;
    Z().VorlageOeffnen(vorlage);
    EXPECT_EQ(Start(&TZeichnen::Speichern1Click), In("b"));

    // The PDF dialog keeps a folder of its own.
    const auto drucken = [&](std::optional<std::string> antwort) {
        Dialog.Antwort = std::move(antwort);
        Z().BDrucken->Click();
        S.Drucken().BOK->Click();
        return Dialog.Start;
    };
    EXPECT_EQ(drucken(In("a") + "/p.pdf"), "");
    EXPECT_EQ(drucken(std::nullopt), In("a"));
    EXPECT_EQ(Start(&TZeichnen::Oeffnen1Click), In("b"));

    // The next run finds it all again.
    TOrte neu;
    neu.Verbinden(&Ablage);
    EXPECT_EQ(neu.Zuletzt(), (Liste{b, a}));
    EXPECT_EQ(neu.Ordner(TOrdnerart::Arbeitsblatt), In("b"));
    EXPECT_EQ(neu.Ordner(TOrdnerart::Pdf), In("a"));
}

TEST_F(Orte, AnEntryWhoseFileIsGoneLeavesTheListWithAMessageNamingIt)
{
    const std::string a = In("a") + "/x.zfb";
    const std::string weg = In("b") + "/weg.zfb";
    Start(&TZeichnen::Speichern1Click, a);
    Start(&TZeichnen::Speichern1Click, weg);
    fs::remove(weg);
    S.Ueberschrift().MUeberschrift->SetLines({"Vorher"});
    try {
        Z().ZuletztOeffnen(weg);
        ADD_FAILURE() << "kein Fehler";
    } catch (const EInOutError& fehler) {
        EXPECT_EQ(std::string(fehler.what()),
                  "Die Datei „" + weg + "“ gibt es nicht mehr; sie wurde aus der Liste „Zuletzt geöffnet“ entfernt.");
    }
    EXPECT_EQ(Ablage.Listen["Dateien/Zuletzt"], Liste{a});
    EXPECT_EQ(S.Ueberschrift().MUeberschrift->Lines(), Liste{"Vorher"});

    // The heading changed: the open asks first.
    S.Meldungen.Antworten = {TAntwort::Verwerfen};
    Z().ZuletztOeffnen(a);
    EXPECT_EQ(S.Meldungen.Gefragt.size(), 1U);
    EXPECT_NE(S.Ueberschrift().MUeberschrift->Lines(), Liste{"Vorher"});
}

} // namespace
