// SPDX-License-Identifier: GPL-3.0-or-later
// The name line at the top of the page: it takes its height from the page, prints on every
// worksheet and solution sheet, and is kept in the worksheet file's extension block.

#include "files/LadenSpeichern.h"
#include "fixtures/Programmstart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Arbeitsblatt : TProgrammstart {
    Arbeitsblatt() : TProgrammstart(9) { Programm.Ueberschrift().UeberschriftZeileAnfuegen("Kopfrechnen"); }
    TFUeberschrift& Dialog() { return Ueberschrift(); }
    // Prints sheets with their solution sheets and returns every page's operations.
    std::vector<std::vector<TZeichenbefehl>> Drucken(const char* blaetter)
    {
        TFDrucken& drucken = Programm.Drucken();
        Zeichnen().Drucken1Click();
        drucken.EVerschBlaetter->SetText(blaetter);
        drucken.CBLoesungsblaetter->SetChecked(true);
        drucken.BOK->Click();
        return Drucker.Seiten;
    }
};

// The top of the first text with this text on a page, or -1.
int Oben(const std::vector<TZeichenbefehl>& seite, const std::string& text)
{
    for (const auto& b : seite) {
        if (b.Art == TZeichenbefehl::TArt::Text && b.Text == text)
            return b.Y1;
    }
    return -1;
}

TEST(Namenszeile, StandsAboveTheHeadingOnEveryWorksheetAndSolutionSheet)
{
    struct Fall {
        bool Namenszeile, Klasse;
    };
    Arbeitsblatt ohne;
    const auto ohneSeiten = ohne.Drucken("2");
    const int ueberschriftOhne = Oben(ohneSeiten[0], "Kopfrechnen");
    for (const Fall& fall : {Fall{true, false}, Fall{true, true}, Fall{false, true}}) {
        Arbeitsblatt a;
        a.Dialog().CBNamenszeile->SetChecked(fall.Namenszeile);
        a.Dialog().CBKlasse->SetChecked(fall.Klasse);
        EXPECT_EQ(a.Dialog().CBKlasse->Enabled(), fall.Namenszeile);
        const auto seiten = a.Drucken("2");
        ASSERT_EQ(seiten.size(), 4u); // two sheets, each with its solution sheet
        for (const auto& seite : seiten) {
            EXPECT_EQ(Oben(seite, "Name:") >= 0, fall.Namenszeile);
            EXPECT_EQ(Oben(seite, "Datum:") >= 0, fall.Namenszeile);
            EXPECT_EQ(Oben(seite, "Klasse:") >= 0, fall.Namenszeile && fall.Klasse);
            // The heading, and with it the rows, move down by the name line's height.
            const int ueberschrift = Oben(seite, "Kopfrechnen");
            if (fall.Namenszeile) {
                EXPECT_GT(ueberschrift, Oben(seite, "Name:"));
                EXPECT_GT(ueberschrift, ueberschriftOhne);
            } else {
                EXPECT_EQ(ueberschrift, ueberschriftOhne);
            }
        }
    }
}

TEST(Namenszeile, IsSavedInTheExtensionBlockAndOpenedAgain)
{
    const auto pfad = std::filesystem::temp_directory_path()
        / ("zb_namenszeile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".zfb");
    struct Fall {
        bool Namenszeile, Klasse;
        const char* Block;
    };
    for (const Fall& fall :
         {Fall{false, false, ""}, Fall{true, false, "\r\n#Zifferbogen-Erweiterung\r\nNamenszeile=1\r\n#Ende der Erweiterung\r\n"},
          Fall{true, true,
               "\r\n#Zifferbogen-Erweiterung\r\nNamenszeile=1\r\nNamenszeile.Klasse=1\r\n#Ende der Erweiterung\r\n"}}) {
        Arbeitsblatt quelle;
        quelle.Dialog().CBNamenszeile->SetChecked(fall.Namenszeile);
        quelle.Dialog().CBKlasse->SetChecked(fall.Klasse);
        quelle.Programm.Zeichnen().SaveFile(pfad.string());
        TLoadSave bytes;
        bytes.OpenWriteMemory();
        quelle.Programm.Zeichnen().Speichern(bytes);
        const std::string datei = bytes.Bytes();
        if (*fall.Block == '\0')
            EXPECT_EQ(datei.find("#Zifferbogen-Erweiterung"), std::string::npos);
        else
            EXPECT_TRUE(datei.ends_with(fall.Block)) << datei.substr(datei.size() - 80);

        // A window that showed a name line takes what the file says.
        Arbeitsblatt ziel;
        ziel.Dialog().CBNamenszeile->SetChecked(true);
        ASSERT_EQ(ziel.Programm.Zeichnen().OpenFile(pfad.string()), 0);
        EXPECT_EQ(ziel.Dialog().CBNamenszeile->Checked(), fall.Namenszeile);
        EXPECT_EQ(ziel.Dialog().CBKlasse->Checked(), fall.Klasse);
        EXPECT_EQ(ziel.Programm.Zeichnen().Seite()->Namenszeile, fall.Namenszeile);
    }
    std::filesystem::remove(pfad);
}

} // namespace
