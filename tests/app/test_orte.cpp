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
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

TEST(RecentList, KeepsTheLastTenOnceEachMostRecentFirstAcrossARestart)
{
    std::vector<std::string> elf;
    for (int i = 1; i <= 11; ++i)
        elf.push_back("/b/" + std::to_string(i) + ".zfb");
    std::vector<std::string> letzteZehn(elf.rbegin(), elf.rbegin() + 10);
    std::vector<std::string> vonHand{"", "/b/a.zfb", "/b/a.zfb"};
    vonHand.insert(vonHand.end(), elf.begin(), elf.end());
    std::vector<std::string> vonHandDanach{"/b/a.zfb"};
    vonHandDanach.insert(vonHandDanach.end(), elf.begin(), elf.begin() + 9);
    struct Fall {
        const char* Was;
        std::vector<std::string> Gespeichert; // what the last run left
        std::function<void(TOrte&)> Tun;
        std::vector<std::string> Danach;
    };
    for (const Fall& fall : {
             Fall{"added", {}, [](TOrte& o) {
                      o.Eintragen("/b/a.zfb");
                      o.Eintragen("/b/c.zfb");
                  },
                  {"/b/c.zfb", "/b/a.zfb"}},
             Fall{"opened again: to the front, once", {"/b/a.zfb", "/b/c.zfb", "/b/d.zfb"},
                  [](TOrte& o) { o.Eintragen("/b/d.zfb"); }, {"/b/d.zfb", "/b/a.zfb", "/b/c.zfb"}},
             Fall{"capped at ten", {}, [&](TOrte& o) { for (const auto& p : elf) o.Eintragen(p); }, letzteZehn},
             Fall{"named relative to the working folder", {}, [](TOrte& o) { o.Eintragen("x/../r.zfb"); },
                  {(fs::current_path() / "r.zfb").string()}},
             Fall{"removed", {"/b/a.zfb", "/b/c.zfb"}, [](TOrte& o) { o.Entfernen("/b/a.zfb"); }, {"/b/c.zfb"}},
             Fall{"edited by hand: empty, twice, too many", vonHand, [](TOrte&) {}, vonHandDanach},
         }) {
        TSpeicherablage ablage;
        ablage.Listen["Dateien/Zuletzt"] = fall.Gespeichert;
        TOrte orte;
        orte.Verbinden(&ablage);
        fall.Tun(orte);
        EXPECT_EQ(orte.Zuletzt(), fall.Danach) << fall.Was;
        TOrte neu;
        neu.Verbinden(&ablage);
        EXPECT_EQ(neu.Zuletzt(), fall.Danach) << fall.Was << " (restart)";
    }
}

// The program with its places kept in memory, and files to open and save in three folders.
struct Orte : ::testing::Test {
    Orte()
    {
        S.Zeichnen().Orte.Verbinden(&Ablage);
        S.Programm.Oberflaeche().Dateidialog = &Dialog;
        S.Drucken().SetzeDateidialog(&Dialog);
        for (const char* name : {"a", "b", "pdf"})
            fs::create_directory(Ordner / name);
    }
    TZeichnen& Z() { return S.Zeichnen(); }
    std::vector<std::string> Liste() { return Z().Orte.Zuletzt(); }
    // The start the next dialog of the command gets; answered with Cancel.
    std::string StartVon(void (TZeichnen::*befehl)())
    {
        Dialog.Antwort.reset();
        (Z().*befehl)();
        return Dialog.Start;
    }
    void Speichern(const fs::path& pfad)
    {
        Dialog.Antwort = pfad.string();
        Z().Speichern1Click();
    }

    TTestordner Ordner;
    TSpeicherablage Ablage;
    TDialogskript Dialog;
    TProgrammstart S;
};

TEST_F(Orte, OpenAndSaveNoteTheFileAndTheDialogsStartWhereTheyWereLastUsed)
{
    const std::string a = (Ordner / "a" / "x.zfb").string();
    const std::string b = (Ordner / "b" / "y.zfb").string();
    EXPECT_EQ(StartVon(&TZeichnen::Oeffnen1Click), "");
    EXPECT_EQ(StartVon(&TZeichnen::Speichern1Click), "");

    Speichern(b);
    Speichern(a);
    EXPECT_EQ(Liste(), (std::vector{a, b}));
    EXPECT_EQ(StartVon(&TZeichnen::Oeffnen1Click), (Ordner / "a").string());
    // Saving again proposes the open file itself.
    EXPECT_EQ(StartVon(&TZeichnen::Speichern1Click), a);

    Dialog.Antwort = b;
    Z().Oeffnen1Click();
    EXPECT_EQ(Liste(), (std::vector{b, a}));
    EXPECT_EQ(StartVon(&TZeichnen::Oeffnen1Click), (Ordner / "b").string());
    EXPECT_EQ(StartVon(&TZeichnen::Speichern1Click), b);

    // A file that cannot be read stays out of the list, but its folder was used.
    const fs::path kaputt = Ordner / "a" / "kaputt.zfb";
    std::ofstream(kaputt) << "kein Arbeitsblatt\n";
    Dialog.Antwort = kaputt.string();
    EXPECT_THROW(Z().Oeffnen1Click(), EInOutError);
    EXPECT_EQ(Liste(), (std::vector{b, a}));
    EXPECT_EQ(StartVon(&TZeichnen::Oeffnen1Click), (Ordner / "a").string());

    // A ready-made sheet is no file of the user's: the save dialog proposes no name then.
    TVorlage vorlage;
    vorlage.Datei = b;
    Z().VorlageOeffnen(vorlage);
    EXPECT_EQ(StartVon(&TZeichnen::Speichern1Click), (Ordner / "a").string());

    // The PDF dialog keeps its own folder.
    EXPECT_EQ(Ablage.Texte.count("Ordner/Pdf"), 0u);
    Dialog.Antwort = (Ordner / "pdf" / "p.pdf").string();
    Z().BDrucken->Click();
    S.Drucken().BOK->Click();
    EXPECT_EQ(Dialog.Start, "");
    Dialog.Antwort.reset();
    Z().BDrucken->Click();
    S.Drucken().BOK->Click();
    EXPECT_EQ(Dialog.Start, (Ordner / "pdf").string());
    EXPECT_EQ(StartVon(&TZeichnen::Oeffnen1Click), (Ordner / "a").string());

    // All of it is found again by the next run.
    TOrte neu;
    neu.Verbinden(&Ablage);
    EXPECT_EQ(neu.Zuletzt(), (std::vector{b, a}));
    EXPECT_EQ(neu.Ordner(TOrdnerart::Arbeitsblatt), (Ordner / "a").string());
    EXPECT_EQ(neu.Ordner(TOrdnerart::Pdf), (Ordner / "pdf").string());
}

TEST_F(Orte, AnEntryWhoseFileIsGoneLeavesTheListWithAMessageNamingIt)
{
    const std::string a = (Ordner / "a" / "x.zfb").string();
    const std::string weg = (Ordner / "b" / "weg.zfb").string();
    Speichern(a);
    Speichern(weg);
    fs::remove(weg);
    S.Ueberschrift().MUeberschrift->SetLines({"Vorher"});

    try {
        Z().ZuletztOeffnen(weg);
        ADD_FAILURE() << "kein Fehler";
    } catch (const EInOutError& fehler) {
        EXPECT_EQ(std::string(fehler.what()),
                  "Die Datei „" + weg + "“ gibt es nicht mehr; sie wurde aus der Liste „Zuletzt geöffnet“ entfernt.");
    }
    EXPECT_EQ(Liste(), std::vector{a});
    EXPECT_EQ(S.Ueberschrift().MUeberschrift->Lines(), std::vector<std::string>{"Vorher"});

    Z().ZuletztOeffnen(a);
    EXPECT_NE(S.Ueberschrift().MUeberschrift->Lines(), std::vector<std::string>{"Vorher"});
    EXPECT_EQ(Ablage.Listen["Dateien/Zuletzt"], std::vector{a});
}

} // namespace
