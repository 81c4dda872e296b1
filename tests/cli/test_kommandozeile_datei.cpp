// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Kommandozeile.h"
#include "doubles/ZeichnenPlatzhalter.h"
#include "files/Dateikopf.h"
#include "files/LadenSpeichern.h"
#include "fixtures/Kommandozeilenlauf.h"
#include "fixtures/Testordner.h"
#include "settings/Main.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zufall.h"

#include "doubles/Meldungsrekorder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary folder for the files of one test.
class KommandozeileDatei : public ::testing::Test {
protected:
    KommandozeileDatei() : Ordner(Testordner.Pfad) {}

    // Writes the header and the settings block of a window changed by aendern.
    std::string Schreiben(const std::string& name, const std::function<void(TMainForm&)>& aendern)
    {
        TMersenneZufall zufall(1);
        TMeldungsrekorder meldungen;
        TZeichnenPlatzhalter hauptfenster;
        TMainForm fenster(zufall, meldungen, &hauptfenster);
        aendern(fenster);
        const std::string pfad = (Ordner / name).string();
        TLoadSave strom;
        EXPECT_FALSE(strom.OpenWrite(pfad));
        strom.WriteText(AktuellerDateikopf);
        strom.WriteLineEnd();
        fenster.EinstellungenSchreiben(strom);
        strom.Close();
        return pfad;
    }

    const TTestordner Testordner;
    const std::filesystem::path Ordner;
};

// The largest result among the task lines (the fourth field).
int GroesstesErgebnis(const std::string& ausgabe, int& zeichen)
{
    std::istringstream strom(ausgabe);
    int groesstes = -1;
    for (std::string zeile; std::getline(strom, zeile);) {
        int a = 0, b = 0, ergebnis = 0;
        EXPECT_EQ(std::sscanf(zeile.c_str(), "%d\t%d\t%d\t%d", &a, &zeichen, &b, &ergebnis), 4);
        groesstes = std::max(groesstes, ergebnis);
    }
    return groesstes;
}

void AdditionBis20(TMainForm& f)
{
    f.CBPluskommtvor->SetChecked(true);
    f.CBMalkommtvor->SetChecked(false);
    f.RBZRbis20->SetChecked(true);
}

TEST_F(KommandozeileDatei, TheSettingsOfTheFileComeFirstAndSetOptionsAfterThem)
{
    const auto pfad = Schreiben("plus20.zfb", AdditionBis20);
    int zeichen = -1;
    const auto ausDatei = Ausfuehren({"--seed", "1", pfad, "--pool"});
    ASSERT_EQ(ausDatei.Status, StatusFertig) << ausDatei.Fehler;
    EXPECT_EQ(GroesstesErgebnis(ausDatei.Aus, zeichen), 20);
    EXPECT_EQ(zeichen, 0);

    const auto mitSet = Ausfuehren({"--seed", "1", "--pool", "--set", "RBZRbis10=true", pfad});
    ASSERT_EQ(mitSet.Status, StatusFertig) << mitSet.Fehler;
    EXPECT_EQ(GroesstesErgebnis(mitSet.Aus, zeichen), 10);
}

TEST_F(KommandozeileDatei, AFileThatCannotBeOpenedOrReadEndsTheRunWithStatusOne)
{
    const auto fehlend = Ausfuehren({"--pool", (Ordner / "gibtsnicht.zfb").string()});
    EXPECT_EQ(fehlend.Status, StatusDateifehler);
    EXPECT_EQ(fehlend.Aus, "");
    EXPECT_NE(fehlend.Fehler.find("konnte nicht geöffnet werden"), std::string::npos);

    // A file cut off in the middle of its settings block.
    const auto pfad = Schreiben("ganz.zfb", AdditionBis20);
    std::string bytes;
    {
        std::ifstream ein(pfad, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(ein), {});
    }
    const auto kurz = (Ordner / "kurz.zfb").string();
    std::ofstream(kurz, std::ios::binary) << bytes.substr(0, bytes.size() / 3);
    const auto abgeschnitten = Ausfuehren({"--pool", kurz});
    EXPECT_EQ(abgeschnitten.Status, StatusDateifehler);
    EXPECT_EQ(abgeschnitten.Aus, "");
    EXPECT_NE(abgeschnitten.Fehler.find("konnte nicht gelesen werden"), std::string::npos);
}

TEST_F(KommandozeileDatei, AHeadingAWorksheetFileCannotHoldIsSavedWithQuestionMarksAndSaid)
{
    const struct {
        const char* Ueberschrift;
        const char* Anweisung;
        const char* Warnung; // empty: none
        const char* Datei;   // the heading block's lines as the file holds them
    } Faelle[] = {
        {"Größe · 5 €", "„Rechne!“", "",
         "[Gr\xF6\xDF"
         "e \xB7 5 \x80]\r\n 1 \r\n[\x84Rechne!\x93]\r\n"},
        {"a → b 😀", "→ ?", "„→“, „😀“ wurden als „?“ gespeichert", "[a ? b ?]\r\n 1 \r\n[? ?]\r\n"},
        {"Ω", "", "„Ω“ wurde als „?“ gespeichert", "[?]\r\n 1 \r\n[]\r\n"},
    };
    for (const auto& fall : Faelle) {
        const std::string pfad = (Ordner / "blatt.zfb").string();
        const auto lauf =
            AufgezeichnetAusfuehren({"--heading", fall.Ueberschrift, "--instruction", fall.Anweisung, "--save", pfad});
        EXPECT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
        if (*fall.Warnung == '\0') {
            EXPECT_EQ(lauf.Fehler, "") << fall.Ueberschrift;
        } else {
            EXPECT_NE(lauf.Fehler.find("zifferbogen: Warnung: "), std::string::npos) << lauf.Fehler;
            EXPECT_NE(lauf.Fehler.find(fall.Warnung), std::string::npos) << lauf.Fehler;
        }
        std::ifstream ein(pfad, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(ein), {});
        EXPECT_NE(bytes.find(fall.Datei), std::string::npos) << fall.Ueberschrift;
    }
}

TEST_F(KommandozeileDatei, TheStandardSettingsApplyOnlyWithoutAFile)
{
    const auto standard = Schreiben("Standard.zfb", AdditionBis20);
    int zeichen = -1;
    const auto ohneDatei = Ausfuehren({"--seed", "2", "--pool"}, standard);
    ASSERT_EQ(ohneDatei.Status, StatusFertig) << ohneDatei.Fehler;
    EXPECT_EQ(GroesstesErgebnis(ohneDatei.Aus, zeichen), 20);
    EXPECT_EQ(zeichen, 0);

    const auto andere = Schreiben("mal.zfb", [](TMainForm&) {});
    const auto mitDatei = Ausfuehren({"--seed", "2", "--pool", andere}, standard);
    ASSERT_EQ(mitDatei.Status, StatusFertig);
    GroesstesErgebnis(mitDatei.Aus, zeichen);
    EXPECT_EQ(zeichen, 2);

    // No standard file: the defaults, silently.
    const auto fehlend = Ausfuehren({"--seed", "2", "--pool"}, Ordner / "fehlt.zfb");
    EXPECT_EQ(fehlend.Status, StatusFertig);
    EXPECT_EQ(fehlend.Fehler, "");
}

// A FIFO, a directory or a device is refused at once instead of blocking the run.
TEST_F(KommandozeileDatei, AFileThatIsNoRegularFileIsRefusedAtOnce)
{
    const auto fifo = Ordner / "fifo.zfb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const auto ordner = Ordner / "ordner.zfb";
    std::filesystem::create_directory(ordner);
    for (const auto& pfad : {fifo, ordner}) {
        const auto lauf = Ausfuehren({"--pool", pfad.string()});
        EXPECT_EQ(lauf.Status, StatusDateifehler);
        EXPECT_EQ(lauf.Aus, "");
        EXPECT_NE(lauf.Fehler.find("konnte nicht geöffnet werden ("), std::string::npos) << lauf.Fehler;
    }
}

// A missing standard file is the normal case and stays silent; one that exists and cannot be
// read is reported, and the defaults stay.
TEST_F(KommandozeileDatei, AStandardFileThatCannotBeReadIsReportedAndTheDefaultsStay)
{
    const auto fifo = Ordner / "Standard.zfb";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::vector<std::pair<std::filesystem::path, std::string>> faelle{{fifo, "(keine gewöhnliche Datei)"},
                                                                      {Ordner, "(ist ein Verzeichnis)"}};
    if (::geteuid() != 0) { // root reads every file, whatever its permissions
        const auto gesperrt = Schreiben("gesperrt.zfb", AdditionBis20);
        std::filesystem::permissions(gesperrt, std::filesystem::perms::none);
        faelle.emplace_back(gesperrt, "(Zugriff verweigert)");
    }
    for (const auto& [pfad, ursache] : faelle) {
        const auto lauf = Ausfuehren({"--seed", "2", "--pool"}, pfad);
        EXPECT_EQ(lauf.Status, StatusFertig);
        EXPECT_NE(lauf.Fehler.find("Standardeinstellungen"), std::string::npos) << lauf.Fehler;
        EXPECT_NE(lauf.Fehler.find(ursache), std::string::npos) << lauf.Fehler;
        int zeichen = -1;
        GroesstesErgebnis(lauf.Aus, zeichen);
        EXPECT_EQ(zeichen, 2); // the default: times tables
    }
}

TEST_F(KommandozeileDatei, ADamagedStandardFileIsReportedAndTheDefaultsStay)
{
    const auto standard = (Ordner / "Standard.zfb").string();
    std::ofstream(standard, std::ios::binary) << "[Zifferbogen 3.1]\r\n true false";
    const auto lauf = Ausfuehren({"--seed", "2", "--pool"}, standard);
    EXPECT_EQ(lauf.Status, StatusFertig);
    EXPECT_NE(lauf.Fehler.find("Standardeinstellungen"), std::string::npos);
    int zeichen = -1;
    GroesstesErgebnis(lauf.Aus, zeichen);
    EXPECT_EQ(zeichen, 2); // the default: times tables
}

} // namespace
