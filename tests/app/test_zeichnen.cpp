// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Ausgabegeraete.h"
#include "cli/Kommandozeile.h"
#include "app/UInfo.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "doubles/Anzeigerekorder.h"
#include "doubles/Aufzeichnungsleinwand.h"
#include "doubles/Gebietsschema.h"
#include "doubles/Meldungsrekorder.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "fixtures/Kommandozeilenlauf.h"
#include "fixtures/Programmstart.h"
#include "fixtures/Testordner.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Zufall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

TEST(Hauptfenster, TheWrittenLayoutDecidesWhichOptionsCanBeUsed)
{
    TProgrammstart h;
    // Only the first resize builds a page; later ones only arrange the view.
    const TSeite* erste = h.Zeichnen().Seite();
    ASSERT_NE(erste, nullptr);
    h.Zeichnen().FormResize(900, 700);
    EXPECT_EQ(h.Zeichnen().Seite(), erste);
    struct Fall {
        bool Schriftlich;
        bool Gespenster;
        bool Ausrichtung, Kaestchen, X;
    };
    for (const Fall& fall : {Fall{false, false, true, false, false}, Fall{true, false, false, true, false},
                             Fall{true, true, false, true, true}}) {
        h.Ctl<TCheckBox>("CBSchriftlich").SetChecked(fall.Schriftlich);
        h.Ctl<TCheckBox>("CBGespensterAufgaben").SetChecked(fall.Gespenster);
        EXPECT_EQ(h.Ctl<TRadioButton>("RBZentriert").Enabled(), fall.Ausrichtung);
        EXPECT_EQ(h.Ctl<TRadioButton>("RBRechtsbuendig").Enabled(), fall.Ausrichtung);
        EXPECT_EQ(h.Ctl<TCheckBox>("CBRechenkaestchen").Enabled(), fall.Kaestchen);
        EXPECT_EQ(h.Ctl<TCheckBox>("CBGespensterAufgaben").Enabled(), fall.Kaestchen);
        EXPECT_EQ(h.Ctl<TCheckBox>("CBX").Enabled(), fall.X);
        EXPECT_EQ(h.Ctl<TCheckBox>("CBFragezeichen").Enabled(), fall.X);
        EXPECT_EQ(h.Seite().Schriftlich, fall.Schriftlich);
    }
    // The written layout with multiplication allowed (the default) warns.
    ASSERT_EQ(h.Meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(h.Meldungen.Gezeigt[0].Titel, "Warnung:");

    EXPECT_FALSE(h.Ctl<TCheckBox>("CBLoesungenDurcheinander").Visible());
    h.Ctl<TCheckBox>("CBLoesungen").SetChecked(true);
    EXPECT_TRUE(h.Ctl<TCheckBox>("CBLoesungenDurcheinander").Visible());
}

TEST(Hauptfenster, LayoutValuesAreTakenWithinTheirRange)
{
    // The same under the teacher's German locale, whose decimal comma must change nothing.
    for (const char* gebiet : {"C", "de_DE.UTF-8"}) {
        if (std::setlocale(LC_ALL, gebiet) == nullptr)
            continue;
        TProgrammstart h;
        TEdit& links = h.Ctl<TEdit>("RandWerteEdits[1]");
        EXPECT_EQ(links.Text(), "1.00cm");
        struct Fall {
            std::string Eingabe;
            double Wert;
            std::string Anzeige;
        };
        for (const Fall& fall :
             {Fall{"1,5", 1.5, "1.50cm"}, Fall{"2.25cm", 2.25, "2.25cm"}, Fall{"9", 2.25, "2.25cm"},
              Fall{"8", 8.0, "8.00cm"}, Fall{"-3", 3.0, "3.00cm"}, Fall{std::string(400, '9'), 3.0, "3.00cm"}}) {
            links.Eingeben(fall.Eingabe);
            EXPECT_DOUBLE_EQ(h.Zeichnen().RandWerte[1], fall.Wert) << gebiet << " " << fall.Eingabe;
            EXPECT_EQ(links.Text(), fall.Anzeige) << gebiet;
            EXPECT_DOUBLE_EQ(h.Seite().RandLinks, fall.Wert);
        }
    }
    std::setlocale(LC_ALL, "C");
    TProgrammstart h;
    TEdit& links = h.Ctl<TEdit>("RandWerteEdits[1]");
    links.SetText("abc");
    char enter = 13;
    EXPECT_THROW(links.KeyPress(enter), EConvertError);

    // The arrows step by 0.1 and stop at the ends of the range.
    TUpDown& pfeile = h.Ctl<TUpDown>("UDZeilenabstand");
    h.Zeichnen().RandWerte[8] = 7.9;
    pfeile.Pfeilklick(TUDBtnType::btNext);
    pfeile.Pfeilklick(TUDBtnType::btNext);
    EXPECT_DOUBLE_EQ(h.Zeichnen().RandWerte[8], 8.0);
    EXPECT_EQ(h.Ctl<TEdit>("EZeilenabstand").Text(), "8.00cm");
    h.Zeichnen().RandWerte[8] = 0.1;
    pfeile.Pfeilklick(TUDBtnType::btPrev);
    pfeile.Pfeilklick(TUDBtnType::btPrev);
    EXPECT_NEAR(h.Zeichnen().RandWerte[8], 0.0, 1e-12);
}

TEST(Hauptfenster, ALeftClickReplacesOnlyTheClickedTaskOrOpensTheHeading)
{
    TProgrammstart h;
    h.Ueberschrift().UeberschriftZeileAnfuegen("Rechnen");
    TSeite& seite = h.Seite();
    ASSERT_GE(seite.ZeilenZahl, 2);
    ASSERT_GE(seite.SpaltenZahl, 2);
    h.Malen(); // the frames are set while the page is drawn

    const TBlatt& blatt = h.Zeichnen().Blatt();
    const auto punkt = [&](const TRahmen& r) {
        return std::pair{blatt.XGeraet((r.Links + r.Rechts) / 2, true), blatt.YGeraet((r.Oben + r.Unten) / 2, true)};
    };
    std::vector<TGSAufgabe> vorher;
    for (int c = 0; c < seite.SpaltenZahl; ++c)
        vorher.push_back(seite.Aufgabe(1, c).Daten);
    const auto [x, y] = punkt(seite.Aufgabe(1, 1).Rahmen);
    EXPECT_EQ(h.Zeichnen().FindeAufgabe(x, y), &seite.Aufgabe(1, 1));
    h.Zeichnen().PaintBoxMouseDown(TMaustaste::Links, x, y);
    for (int c = 0; c < seite.SpaltenZahl; ++c)
        EXPECT_EQ(seite.Aufgabe(1, c).Daten == vorher[static_cast<std::size_t>(c)], c != 1) << c;

    // Above the end of the heading the heading dialog opens; empty paper does nothing.
    h.Zeichnen().PaintBoxMouseDown(TMaustaste::Links, x, blatt.YGeraet(seite.KopfEnde - 0.1, true));
    EXPECT_EQ(h.Geoeffnet, std::vector<std::string>{"Überschrift"});
    h.Zeichnen().PaintBoxMouseDown(TMaustaste::Links, blatt.XGeraet(0.1, true),
                                 blatt.YGeraet(seite.KopfEnde + 0.01, true));
    EXPECT_EQ(h.Geoeffnet, std::vector<std::string>{"Überschrift"});
}

TEST(Hauptfenster, TheHandCursorShowsOverTasksAndTheHeadingOnly)
{
    TProgrammstart h;
    h.Ueberschrift().UeberschriftZeileAnfuegen("Rechnen");
    TSeite& seite = h.Seite();
    h.Malen();
    const TBlatt& blatt = h.Zeichnen().Blatt();
    const TRahmen& r = seite.Aufgabe(0, 0).Rahmen;
    struct Fall {
        const char* Wo;
        double X, Y;
        TCursor Cursor;
    };
    for (const Fall& fall : {Fall{"task", (r.Links + r.Rechts) / 2, (r.Oben + r.Unten) / 2, TCursor::Hand},
                             Fall{"heading", 0.1, seite.KopfEnde - 0.1, TCursor::Hand},
                             Fall{"paper", 0.1, seite.KopfEnde + 0.01, TCursor::Normal},
                             Fall{"task again", r.Rechts - 0.05, r.Unten - 0.05, TCursor::Hand}}) {
        h.Zeichnen().PaintBoxMouseMove(blatt.XGeraet(fall.X, true), blatt.YGeraet(fall.Y, true));
        EXPECT_EQ(h.Zeichnen().PaintBox->Cursor(), fall.Cursor) << fall.Wo;
    }
}

TEST(Hauptfenster, TheSettingsCommandAndTheReturnShowTheOtherWindow)
{
    TProgrammstart h;
    // The settings window returns to the main window even when it was made without one.
    h.Einstellungen().VerbindeHauptfenster(nullptr);
    h.Zeichnen().BHauptformular->Click();
    EXPECT_EQ(h.Geoeffnet, std::vector<std::string>{"Einstellungen"});
    const TSeite* vorher = h.Zeichnen().Seite();
    h.Einstellungen().BitBtn1->Click();
    EXPECT_EQ(h.Geoeffnet, (std::vector<std::string>{"Einstellungen", "Hauptfenster"}));
    EXPECT_EQ(h.Zeichnen().Seite(), vorher); // a visible main window already follows the settings
}

TEST(Hauptfenster, TheWheelScrollsTheSheetDownAndUp)
{
    TProgrammstart h;
    h.Zeichnen().ZoomBox->SetText("200%");
    TBlatt& blatt = h.Zeichnen().Blatt();
    const double oben = blatt.VersatzY;
    h.Zeichnen().FormMouseWheel(-120);
    EXPECT_GT(blatt.VersatzY, oben);
    h.Zeichnen().FormMouseWheel(120);
    EXPECT_NEAR(blatt.VersatzY, oben, 1e-9);
}

TEST(Hauptfenster, TheCopyCommandShowsTheAboutWindowAtMostOnce)
{
    TProgrammstart h;
    TAufzeichnungsablage ablage;
    h.Zeichnen().Blatt().SetzeZwischenablage(&ablage);
    for (int i = 0; i < 400; ++i)
        h.Zeichnen().Kopieren1Click();
    EXPECT_EQ(h.Geoeffnet, std::vector<std::string>{"Info"});
    ASSERT_NE(ablage.Bild, nullptr);
    EXPECT_FALSE(ablage.Bild->Flaeche.Texte().empty());
}

// The worksheet file holds its blocks in a fixed order; reading them back with the stream's
// readers in that order finds every value where it belongs.
TEST(Hauptfenster, AWorksheetFileHoldsEveryBlockInItsOrder)
{
    TProgrammstart h;
    h.Ueberschrift().UeberschriftZeileAnfuegen("Einmaleins [7]");
    h.Ctl<TCheckBox>("CBNummerierung").SetChecked(true);
    h.Zeichnen().Schriftgroessen[2] = 9;
    h.Zeichnen().ZeichenNachNummer = ")";
    TLoadSave schreiben;
    schreiben.OpenWriteMemory();
    h.Zeichnen().Speichern(schreiben);

    TLoadSave lesen;
    lesen.OpenReadBytes(schreiben.Bytes());
    EXPECT_EQ(lesen.ReadText(), "Zifferbogen 3.1");
    TMersenneZufall zufall(1);
    TMeldungsrekorder meldungen;
    TMainForm andere(zufall, meldungen, nullptr);
    andere.EinstellungenLesen(lesen, 11);
    EXPECT_EQ(lesen.ReadInteger(), 1);
    EXPECT_EQ(lesen.ReadText(), "Einmaleins [7]");
    EXPECT_EQ(lesen.ReadInteger(), 0);
    for (std::size_t k = 1; k <= 5; ++k) {
        TSchrift erwartet = h.Zeichnen().Schriften[k];
        erwartet.Groesse = h.Zeichnen().Schriftgroessen[k];
        EXPECT_EQ(lesen.ReadFont(), erwartet) << k;
    }
    for (std::size_t i = 1; i <= 9; ++i)
        EXPECT_DOUBLE_EQ(lesen.ReadFloat(), h.Zeichnen().RandWerte[i]) << i;
    EXPECT_FALSE(lesen.ReadBoolean()); // solution column
    EXPECT_FALSE(lesen.ReadBoolean()); // exact count
    EXPECT_EQ(lesen.ReadInteger(), 1);
    EXPECT_EQ(lesen.ReadInteger(), 1);
    EXPECT_TRUE(lesen.ReadBoolean()); // numbering
    EXPECT_FALSE(lesen.ReadBoolean());
    EXPECT_TRUE(lesen.ReadBoolean());
    EXPECT_EQ(lesen.ReadText(), ")");
    for (int option = 9; option <= 17; ++option)
        EXPECT_FALSE(lesen.ReadBoolean()) << option;
    EXPECT_TRUE(lesen.ReadBoolean()); // X
    EXPECT_TRUE(lesen.ReadBoolean()); // ?
    const TSeite& seite = h.Seite();
    ASSERT_EQ(lesen.ReadInteger(), static_cast<int>(seite.Zeilen.size()));
    ASSERT_EQ(lesen.ReadInteger(), static_cast<int>(seite.Zeilen[0]->Aufgaben.size()));
    EXPECT_EQ(lesen.ReadInteger(), seite.Zeilen[0]->Aufgaben[0]->Daten.Operand1);

    // A file that cannot be written is reported, not passed over.
    EXPECT_THROW(h.Zeichnen().SaveFile("/gibt/es/nicht/blatt.zfb"), EInOutError);
}

std::string Gespeichert(TZeichnen& zeichnen)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    zeichnen.Speichern(strom);
    return strom.Bytes();
}

TEST(Hauptfenster, AnOpenedFileShowsTheSavedWorksheetAndADamagedOneChangesNothing)
{
    const TTestordner ordner;
    const auto pfad = ordner / "blatt.zfb";
    TProgrammstart quelle;
    quelle.Ueberschrift().UeberschriftZeileAnfuegen("Kopfrechnen");
    quelle.Ctl<TCheckBox>("CBTrennlinien").SetChecked(true);
    quelle.Ctl<TRadioButton>("RBRechtsbuendig").SetChecked(true);
    quelle.Zeichnen().RandWerte[1] = 1.5;
    // A new page holds only the rows it shows (a heading added later hides the last ones,
    // which a file keeps but an open does not read).
    quelle.Zeichnen().BNeueAufgabeClick();
    quelle.Zeichnen().SaveFile(pfad.string());
    const std::string datei = Gespeichert(quelle.Zeichnen());

    TProgrammstart ziel;
    EXPECT_EQ(ziel.Zeichnen().OpenFile(pfad.string()), 0);
    // The same settings, heading, fonts, values, options and tasks: it saves the same bytes.
    EXPECT_EQ(Gespeichert(ziel.Zeichnen()), datei);
    EXPECT_EQ(ziel.Ueberschrift().MUeberschrift->Lines(), std::vector<std::string>{"Kopfrechnen"});
    EXPECT_EQ(ziel.Seite().Aufgabe(1, 1).Daten.Operand1, quelle.Seite().Aufgabe(1, 1).Daten.Operand1);

    // Cut in its settings, heading, layout values or the rows the page reaches, the file is
    // refused and the worksheet stays as it was. (Rows the page does not reach are never read.)
    TProgrammstart dritte;
    const std::string vorher = Gespeichert(dritte.Zeichnen());
    for (const std::size_t laenge : {datei.size() / 10, datei.size() / 3, datei.size() / 2}) {
        std::ofstream(pfad, std::ios::binary | std::ios::trunc) << datei.substr(0, laenge);
        EXPECT_THROW(dritte.Zeichnen().OpenFile(pfad.string()), EZifferbogenFehler) << laenge;
        EXPECT_EQ(Gespeichert(dritte.Zeichnen()), vorher) << laenge;
        EXPECT_FALSE(dritte.Zeichnen().Laedt);
    }
    EXPECT_EQ(dritte.Zeichnen().OpenFile((pfad.string() + ".fehlt")), ENOENT);
}

TEST(Hauptfenster, StandardSettingsAreSavedIntoANewDirectoryAndSaySo)
{
    const TTestordner ordner;
    TProgrammstart h;
    const auto pfad = ordner / "zifferbogen" / "Standard.zfb";
    h.Zeichnen().StandardeinstellungenSpeichern(pfad);
    EXPECT_TRUE(std::filesystem::is_regular_file(pfad));
    ASSERT_EQ(h.Meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(h.Meldungen.Gezeigt[0].Titel, "Standardeinstellungen...");

    // A directory that cannot be made: reported, and no message of success.
    std::ofstream(ordner / "datei") << "x";
    EXPECT_THROW(h.Zeichnen().StandardeinstellungenSpeichern(ordner / "datei" / "Standard.zfb"), EInOutError);
    EXPECT_EQ(h.Meldungen.Gezeigt.size(), 1u);

    // A link planted at the file, to a file of another user: replaced, the other file kept.
    if (::geteuid() == 0) {
        std::ofstream(ordner / "fremd") << "fremd";
        ASSERT_EQ(::chown((ordner / "fremd").c_str(), 65534, 65534), 0);
        std::filesystem::remove(pfad);
        std::filesystem::create_symlink(ordner / "fremd", pfad);
        h.Zeichnen().StandardeinstellungenSpeichern(pfad);
        EXPECT_FALSE(std::filesystem::is_symlink(pfad));
        std::ifstream fremd(ordner / "fremd");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(fremd), {}), "fremd");
    }
}

TEST(KommandozeileSeite, ExactModeShowsTheGeneratorsFirstTasksInRows)
{
    // Typed counts (with Enter, as --set presses it) lay the page out as the arrows do.
    struct Fall {
        std::vector<std::string> Zahlen;
        std::size_t Zeilen, Spalten;
    };
    for (const Fall& fall : {Fall{{"EZeilen=4", "UDSpalten=5"}, 4, 5}, Fall{{"EZeilen=7", "ESpalten=3"}, 7, 3},
                             Fall{{"ESpalten=12"}, 1, 12}}) {
        std::vector<std::string> argumente = {"--seed", "3", "--set", "RBGenauFestlegen=true"};
        for (const auto& zahl : fall.Zahlen)
            argumente.insert(argumente.end(), {"--set", zahl});
        argumente.push_back("--page");
        const auto lauf = AufgezeichnetAusfuehren(argumente);
        ASSERT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
        std::istringstream zeilen(lauf.Aus);
        std::vector<std::string> gelesen;
        for (std::string zeile; std::getline(zeilen, zeile);)
            gelesen.push_back(zeile);
        ASSERT_EQ(gelesen.size(), fall.Zeilen * fall.Spalten) << fall.Zahlen.back();
        EXPECT_EQ(gelesen.front().substr(0, 4), "1\t1\t");
        EXPECT_EQ(gelesen.back().substr(0, gelesen.back().find('\t', 2) + 1),
                  std::to_string(fall.Zeilen) + '\t' + std::to_string(fall.Spalten) + '\t');
    }
}

TEST(KommandozeileSeite, OutputsAndRefusals)
{
    const TTestordner ordner;
    const auto svg = (ordner / "blatt.svg").string();
    const auto pdf = (ordner / "blatt.pdf").string();
    const auto lauf = AufgezeichnetAusfuehren({"--seed", "1", "--heading", "Rechnen bis 100", "--svg", svg, "--pdf", pdf});
    EXPECT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
    std::ifstream bild(svg);
    const std::string inhalt{std::istreambuf_iterator<char>(bild), {}};
    EXPECT_NE(inhalt.find("Rechnen bis 100"), std::string::npos);
    std::ifstream dokument(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(dokument), {}), "1 Seiten");

    struct Fall {
        std::vector<std::string> Argumente;
        int Status;
        std::string Meldung;
    };
    for (const Fall& fall : {
             Fall{{"--page", "--set", "RandWerteEdits[1]=abc"}, StatusBedienfehler, "RandWerteEdits[1]"},
             Fall{{"--page", "--set", "RandWerteEdits[1]=9"}, StatusBedienfehler, "RandWerteEdits[1]"},
             Fall{{"--page", "--set", "EZeilen=3"}, StatusBedienfehler, "gesperrt"},
             Fall{{"--pdf", (ordner / "fehlt" / "x.pdf").string()}, StatusDateifehler, "x.pdf"},
         }) {
        const auto l = AufgezeichnetAusfuehren(fall.Argumente);
        EXPECT_EQ(l.Status, fall.Status) << fall.Argumente.back();
        EXPECT_NE(l.Fehler.find(fall.Meldung), std::string::npos) << l.Fehler;
        EXPECT_EQ(l.Aus, "");
    }
    EXPECT_EQ(AufgezeichnetAusfuehren({"--page", "--set", "RandWerteEdits[1]=1,5"}).Status, StatusFertig);
    EXPECT_THROW(KommandozeileLesen({"--pool", "--page"}), TBedienfehler);
    EXPECT_THROW(KommandozeileLesen({"--heading", "x", "--pool"}), TBedienfehler);
}

// The tasks of --page without their row and column.
std::vector<std::string> GezeigteAufgaben(const std::string& seite)
{
    std::vector<std::string> aufgaben;
    std::istringstream zeilen(seite);
    for (std::string zeile; std::getline(zeilen, zeile);)
        aufgaben.push_back(zeile.substr(zeile.find('\t', zeile.find('\t') + 1) + 1));
    return aufgaben;
}

TEST(KommandozeileSeite, LayoutChangesNeverShowATaskTwice)
{
    // A row measures one task beyond those that fit, which also opens the next row; a layout
    // change that lets the row hold it must not show it at both places.
    const std::vector<std::string> plusMinus = {"--set", "CBPluskommtvor=true", "--set", "CBMinuskommtvor=true",
                                                "--set", "CBMalkommtvor=false"};
    struct Fall {
        const char* Name;
        std::vector<std::string> Aenderungen;
    };
    for (const Fall& fall : {
             Fall{"schmalere Ränder",
                  {"--set", "RBZRbis100=true", "--set", "RandWerteEdits[1]=0", "--set", "RandWerteEdits[2]=0", "--set",
                   "ESpaltenabstand=0"}},
             Fall{"schriftlich bis 1000", {"--set", "RBZRbis1000=true", "--set", "CBSchriftlich=true"}},
             Fall{"hin und zurück",
                  {"--set", "RBZRbis100=true", "--set", "RandWerteEdits[1]=0", "--set", "RandWerteEdits[1]=3", "--set",
                   "RandWerteEdits[1]=0", "--set", "ESpaltenabstand=0.2"}},
         }) {
        for (const char* seed : {"41", "7"}) {
            std::vector<std::string> argumente = {"--seed", seed};
            argumente.insert(argumente.end(), plusMinus.begin(), plusMinus.end());
            argumente.insert(argumente.end(), fall.Aenderungen.begin(), fall.Aenderungen.end());
            argumente.push_back("--page");
            const TLauf lauf = AufgezeichnetAusfuehren(argumente);
            ASSERT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
            auto aufgaben = GezeigteAufgaben(lauf.Aus);
            ASSERT_GT(aufgaben.size(), 20u) << fall.Name;
            std::sort(aufgaben.begin(), aufgaben.end());
            const auto doppelt = std::adjacent_find(aufgaben.begin(), aufgaben.end());
            EXPECT_EQ(doppelt, aufgaben.end()) << fall.Name << ", Startwert " << seed << ": " << *doppelt;
        }
    }
}

TEST(KommandozeileSeite, AChosenLayoutLargerThanThePaperIsWrittenWithAWarning)
{
    struct Fall {
        std::string Zeilen, Spalten;
        bool Warnung;
    };
    for (const Fall& fall : {Fall{"30", "6", true}, Fall{"10", "3", false}, Fall{"40", "1", true}, Fall{"1", "12", true}}) {
        const auto lauf = AufgezeichnetAusfuehren({"--seed", "1", "--set", "RBGenauFestlegen=true", "--set", "EZeilen=" + fall.Zeilen,
                                      "--set", "ESpalten=" + fall.Spalten, "--page"});
        const std::string was = fall.Zeilen + " × " + fall.Spalten;
        EXPECT_EQ(lauf.Status, StatusFertig) << was;
        // The page keeps the chosen counts; the warning says how many fit.
        EXPECT_EQ(GezeigteAufgaben(lauf.Aus).size(), std::stoul(fall.Zeilen) * std::stoul(fall.Spalten)) << was;
        if (fall.Warnung) {
            EXPECT_NE(lauf.Fehler.find("Warnung: " + fall.Zeilen + " Zeile"), std::string::npos) << lauf.Fehler;
            EXPECT_NE(lauf.Fehler.find("passen nicht auf die Seite; es passen höchstens "), std::string::npos)
                << lauf.Fehler;
        } else {
            EXPECT_EQ(lauf.Fehler, "") << was;
        }
    }
}

TEST(KommandozeileSeite, SettingsWithoutAnyTaskWriteNoSheet)
{
    const TTestordner ordner;
    const auto pdf = (ordner / "blatt.pdf").string();
    const auto svg = (ordner / "blatt.svg").string();
    for (const auto& pfad : {pdf, svg})
        std::ofstream(pfad) << "vorher";
    // No times table left: every task is the generator's error.
    for (const auto& ausgabe : {std::vector<std::string>{"--pdf", pdf}, std::vector<std::string>{"--svg", svg}}) {
        std::vector<std::string> argumente = {"--seed", "1", "--set", "BMult1bis10=true"};
        argumente.insert(argumente.end(), ausgabe.begin(), ausgabe.end());
        const auto lauf = AufgezeichnetAusfuehren(argumente);
        EXPECT_EQ(lauf.Status, StatusDateifehler) << ausgabe[0];
        EXPECT_NE(lauf.Fehler.find("Einmaleins"), std::string::npos) << lauf.Fehler;
        std::ifstream datei(ausgabe[1]);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(datei), {}), "vorher") << ausgabe[0];
    }
    // The page still lists its error tasks, each with the message.
    const auto seite = AufgezeichnetAusfuehren({"--seed", "1", "--set", "BMult1bis10=true", "--page"});
    EXPECT_EQ(seite.Status, StatusFertig);
    EXPECT_NE(seite.Aus.find("Einmaleins"), std::string::npos);
}

TEST(KommandozeileSeite, LayoutValuesMeanTheSameUnderEveryLocale)
{
    // A teacher's desktop runs a German locale, whose printf writes and strtod reads a comma.
    const TTestordner ordner;
    const auto pfad = ordner / "lokale.zfb";
    const std::vector<std::string> befehl = {"--seed", "2", "--set", "RandWerteEdits[1]=1,5", "--page"};
    const TLauf erwartet = AufgezeichnetAusfuehren(befehl);
    ASSERT_EQ(erwartet.Status, StatusFertig) << erwartet.Fehler;
    TProgrammstart vorgabe;
    for (const char* name : Gebietsschemata) {
        const TGebietsschema schema(name);
        ASSERT_TRUE(schema.Gesetzt) << name << " fehlt (scripts/install-deps.sh erzeugt es)";
        // Typed into the window, one value changes and the others keep theirs.
        TProgrammstart h;
        h.Ctl<TEdit>("RandWerteEdits[1]").Eingeben("1,5");
        EXPECT_EQ(h.Ctl<TEdit>("RandWerteEdits[1]").Text(), "1.50cm") << name;
        EXPECT_EQ(h.Ctl<TEdit>("RandWerteEdits[2]").Text(), "1.00cm") << name;
        EXPECT_DOUBLE_EQ(h.Seite().RandLinks, 1.5) << name;
        for (std::size_t i = 2; i <= 9; ++i)
            EXPECT_DOUBLE_EQ(h.Zeichnen().RandWerte[i], vorgabe.Zeichnen().RandWerte[i]) << name << ' ' << i;
        // Saved and opened again, every value is what it was.
        h.Zeichnen().SaveFile(pfad.string());
        TProgrammstart geoeffnet;
        ASSERT_EQ(geoeffnet.Zeichnen().OpenFile(pfad.string()), 0) << name;
        for (std::size_t i = 1; i <= 9; ++i)
            EXPECT_DOUBLE_EQ(geoeffnet.Zeichnen().RandWerte[i], h.Zeichnen().RandWerte[i]) << name << ' ' << i;
        EXPECT_EQ(geoeffnet.Ctl<TEdit>("RandWerteEdits[1]").Text(), "1.50cm") << name;
        // The command line lays out the same page.
        const TLauf lauf = AufgezeichnetAusfuehren(befehl);
        EXPECT_EQ(lauf.Aus, erwartet.Aus) << name;
    }
}

} // namespace
