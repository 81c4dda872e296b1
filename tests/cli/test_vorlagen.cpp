// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made worksheets on the command line: listed from their folder's table, opened by
// name with new tasks from their settings, an unknown name refused with the names there are.

#include "app/Vorlagen.h"
#include "cli/Kommandozeile.h"
#include "files/Fehler.h"
#include "fixtures/Kommandozeilenlauf.h"
#include "fixtures/Programmstart.h"
#include "fixtures/Testordner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A folder of two ready-made sheets, made by the program from its own settings, and rows the
// table holds that name no usable sheet.
struct Vorlagenordner {
    Vorlagenordner()
    {
        for (const auto& [name, bereich] : {std::pair{"plus-10", "RBZRbis10=true"}, std::pair{"plus-100", "RBZRbis100=true"}}) {
            const auto lauf = AufgezeichnetAusfuehren({"--seed", "1", "--set", "CBPluskommtvor=true", "--set",
                                                       "CBMalkommtvor=false", "--set", bereich, "--save",
                                                       (Ordner / (std::string(name) + ".zfb")).string()});
            EXPECT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
        }
        std::ofstream(Ordner / "vorlagen.tsv", std::ios::binary)
            << "Name\tKlasse\tTitel\tEinstellungen\n"
            << "plus-10\t1\tPlus bis 10\tRBZRbis10=true\r\n"
            << "plus-100\t2\tPlus bis 100\tRBZRbis100=true\n"
            << "klasse-5\t5\tKeine Klasse\t\n"
            << "ohne-datei\t3\tFehlt\t\n"
            << "kurz\t1\n";
    }
    TLauf Ausfuehren(const std::vector<std::string>& argumente)
    {
        TAufzeichnungsgeraete geraete;
        std::ostringstream aus;
        std::ostringstream fehler;
        const int status = KommandozeileAusfuehren(KommandozeileLesen(argumente), aus, fehler, {}, &geraete, Ordner.Pfad);
        return {status, aus.str(), fehler.str()};
    }

    TTestordner Ordner;
};

// The largest number a --page line shows.
int Groesste(const std::string& seite)
{
    int groesste = 0;
    std::istringstream zeilen(seite);
    for (std::string zeile; std::getline(zeilen, zeile);) {
        std::istringstream felder(zeile);
        int zeile_ = 0, spalte = 0, a = 0, zeichen = 0, b = 0, ergebnis = 0;
        felder >> zeile_ >> spalte >> a >> zeichen >> b >> ergebnis;
        groesste = std::max({groesste, a, b, ergebnis});
    }
    return groesste;
}

TEST(Vorlagen, AreListedFromTheTableWithTheirFiles)
{
    Vorlagenordner v;
    const auto liste = v.Ausfuehren({"--templates"});
    EXPECT_EQ(liste.Status, StatusFertig);
    EXPECT_EQ(liste.Aus, "plus-10\t1\tPlus bis 10\nplus-100\t2\tPlus bis 100\n");
    // Without a folder there is nothing to list, and no error.
    EXPECT_EQ(Ausfuehren({"--templates"}).Aus, "");
}

TEST(Vorlagen, ANamedSheetGivesNewTasksFromItsSettings)
{
    Vorlagenordner v;
    struct Fall {
        const char* Name;
        int Hoechstens;
    };
    for (const Fall& fall : {Fall{"plus-10", 10}, Fall{"plus-100", 100}}) {
        const auto erste = v.Ausfuehren({"--seed", "2", "--template", fall.Name, "--page"});
        ASSERT_EQ(erste.Status, StatusFertig) << erste.Fehler;
        EXPECT_LE(Groesste(erste.Aus), fall.Hoechstens) << fall.Name;
        EXPECT_GT(Groesste(erste.Aus), fall.Hoechstens / 2) << fall.Name;
        // New tasks, not the ones the file holds: another seed, another page.
        EXPECT_NE(v.Ausfuehren({"--seed", "3", "--template", fall.Name, "--page"}).Aus, erste.Aus) << fall.Name;
    }
}

TEST(Vorlagen, AnUnknownNameOrOneWithAFileIsBadUsage)
{
    Vorlagenordner v;
    struct Fall {
        std::vector<std::string> Argumente;
        const char* Meldung;
    };
    for (const Fall& fall : {Fall{{"--template", "klasse-5", "--page"}, "Es gibt diese Vorlagen (--templates): plus-10, plus-100."},
                             Fall{{"--template", "ohne-datei", "--pool"}, "„ohne-datei“ gibt es nicht"}}) {
        const auto lauf = v.Ausfuehren(fall.Argumente);
        EXPECT_EQ(lauf.Status, StatusBedienfehler) << fall.Argumente[1];
        EXPECT_NE(lauf.Fehler.find(fall.Meldung), std::string::npos) << lauf.Fehler;
        EXPECT_EQ(lauf.Aus, "");
    }
    EXPECT_THROW(KommandozeileLesen({"--template", "plus-10", "blatt.zfb", "--page"}), TBedienfehler);
}

TEST(Vorlagen, TheMenuCommandOpensTheSheetWithNewTasksAndLeavesItsFileAlone)
{
    Vorlagenordner v;
    TProgrammstart p;
    p.Zeichnen().Vorlagen = VorlagenLesen(v.Ordner.Pfad);
    ASSERT_EQ(p.Zeichnen().Vorlagen.size(), 2u);
    const TVorlage& vorlage = p.Zeichnen().Vorlagen[1];
    std::ifstream vorher(vorlage.Datei, std::ios::binary);
    const std::string datei{std::istreambuf_iterator<char>(vorher), {}};
    p.Zeichnen().VorlageOeffnen(vorlage);
    EXPECT_TRUE(p.Einstellungen().RBZRbis100->Checked());
    for (const auto& zeile : p.Seite().GezeigteAufgaben())
        for (const TAufgabe* aufgabe : zeile)
            EXPECT_LE(aufgabe->Daten.Ergebnis, 100);
    std::ifstream nachher(vorlage.Datei, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(nachher), {}), datei);
    // A sheet whose file is gone is reported and changes nothing.
    TVorlage fehlt = vorlage;
    fehlt.Datei = v.Ordner / "fehlt.zfb";
    EXPECT_THROW(p.Zeichnen().VorlageOeffnen(fehlt), EInOutError);
    EXPECT_TRUE(p.Einstellungen().RBZRbis100->Checked());
}

} // namespace
