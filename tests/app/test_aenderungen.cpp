// SPDX-License-Identifier: GPL-3.0-or-later
// Unsaved changes and undo of the main window, through its commands as the menus and the
// page run them.

#include "app/UZeichnen.h"
#include "doubles/Dialogskript.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "fixtures/Programmstart.h"
#include "fixtures/Testordner.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// The whole worksheet as its file would hold it.
std::string Datei(TZeichnen& zeichnen)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    zeichnen.Speichern(strom);
    return strom.Bytes();
}

// A left click into the middle of the task in row 1, column 1.
void AufgabeKlicken(TProgrammstart& h)
{
    h.Malen();
    const TBlatt& blatt = h.Zeichnen().Blatt();
    const TRahmen& r = h.Seite().Aufgabe(1, 1).Rahmen;
    h.Zeichnen().PaintBoxMouseDown(TMaustaste::Links, blatt.XGeraet((r.Links + r.Rechts) / 2, true),
                                   blatt.YGeraet((r.Oben + r.Unten) / 2, true));
}

struct TAenderung {
    const char* Name;
    std::function<void(TProgrammstart&)> Tun;
};

const std::vector<TAenderung> Aenderungen = {
    {"new tasks", [](TProgrammstart& h) { h.Zeichnen().BNeueAufgabeClick(); }},
    {"a task replaced by a click", AufgabeKlicken},
    {"a layout option", [](TProgrammstart& h) { h.Ctl<TCheckBox>("CBTrennlinien").SetChecked(true); }},
    {"a layout value's arrow", [](TProgrammstart& h) { h.Ctl<TUpDown>("UDZeilenabstand").Pfeilklick(TUDBtnType::btNext); }},
    {"the rows and columns", [](TProgrammstart& h) { h.Ctl<TRadioButton>("RBGenauFestlegen").SetChecked(true); }},
    {"the heading", [](TProgrammstart& h) { h.Ueberschrift().UeberschriftZeileAnfuegen("Kopfrechnen"); }},
};

} // namespace

TEST(Aenderungen, EveryKindOfChangeMarksTheSheetAndIsUndoneAndRedoneExactly)
{
    for (const TAenderung& a : Aenderungen) {
        TProgrammstart h;
        TZeichnen& z = h.Zeichnen();
        EXPECT_FALSE(z.Veraendert) << a.Name;
        EXPECT_FALSE(z.KannRueckgaengig) << a.Name;
        const std::string vorher = Datei(z);
        a.Tun(h);
        const std::string nachher = Datei(z);
        ASSERT_NE(nachher, vorher) << a.Name;
        EXPECT_TRUE(z.Veraendert) << a.Name;
        ASSERT_TRUE(z.KannRueckgaengig) << a.Name;

        z.Rueckgaengig();
        EXPECT_EQ(Datei(z), vorher) << a.Name;
        EXPECT_FALSE(z.Veraendert) << a.Name; // back where it started
        EXPECT_FALSE(z.KannRueckgaengig) << a.Name;
        ASSERT_TRUE(z.KannWiederherstellen) << a.Name;
        z.AenderungFesthalten(); // as after every command: the restored page is no new step
        EXPECT_TRUE(z.KannWiederherstellen) << a.Name;

        z.Wiederherstellen();
        EXPECT_EQ(Datei(z), nachher) << a.Name;
        EXPECT_TRUE(z.Veraendert) << a.Name;
        EXPECT_FALSE(z.KannWiederherstellen) << a.Name;
    }
}

TEST(Aenderungen, TaskSettingsStayWhenTheTasksTheyDrewAreUndone)
{
    TProgrammstart h;
    TZeichnen& z = h.Zeichnen();
    // The tasks of the first row as they read.
    const auto aufgaben = [&] {
        std::vector<std::array<std::int32_t, 5>> zeile;
        for (int c = 0; c < h.Seite().SpaltenZahl; ++c) {
            const TGSAufgabe& a = h.Seite().Aufgabe(1, c).Daten;
            zeile.push_back({a.Operand1, a.Operand2, a.Ergebnis, a.Rechenzeichen, a.Platzhalter});
        }
        return zeile;
    };
    const auto vorher = aufgaben();
    // A changed setting draws new tasks on the shown page.
    TCheckBox& reihe = Steuerelement<TCheckBox>(h.Einstellungen(), "CBMultReihe[7]");
    const bool an = reihe.Checked();
    reihe.SetChecked(!an);
    EXPECT_TRUE(z.Veraendert);
    ASSERT_TRUE(z.KannRueckgaengig);
    z.Rueckgaengig();
    EXPECT_TRUE(aufgaben() == vorher);
    EXPECT_EQ(reihe.Checked(), !an);
    EXPECT_TRUE(z.Veraendert); // the settings still differ from the start
}

TEST(Aenderungen, AHundredStepsAreKeptAndANewChangeEndsTheRedoSteps)
{
    TProgrammstart h;
    TZeichnen& z = h.Zeichnen();
    TUpDown& pfeile = h.Ctl<TUpDown>("UDSpaltenabstand");
    std::vector<std::string> staende{Datei(z)};
    for (int i = 0; i < 120; ++i) {
        pfeile.Pfeilklick(i % 40 < 20 ? TUDBtnType::btNext : TUDBtnType::btPrev);
        staende.push_back(Datei(z));
    }
    int zurueck = 0;
    while (z.KannRueckgaengig) {
        z.Rueckgaengig();
        ++zurueck;
        ASSERT_EQ(Datei(z), staende[staende.size() - 1 - static_cast<std::size_t>(zurueck)]) << zurueck;
    }
    EXPECT_EQ(zurueck, 100);

    z.Wiederherstellen();
    z.Wiederherstellen();
    EXPECT_TRUE(z.KannWiederherstellen);
    z.BNeueAufgabeClick();
    EXPECT_FALSE(z.KannWiederherstellen);
}

TEST(Aenderungen, TheQuestionsAnswersDecideWhetherTheSheetMayGo)
{
    struct TFall {
        const char* Name;
        bool Aendern;
        bool MitDatei;                     // the sheet was saved to a file before
        TAntwort Antwort;
        std::optional<std::string> Dialog; // the save dialog's answer, a name in the folder
        bool Weiter;
        bool Gefragt;
        bool Gespeichert;
    };
    const std::vector<TFall> faelle = {
        {"unchanged: no question", false, false, TAntwort::Abbrechen, std::nullopt, true, false, false},
        {"discard", true, false, TAntwort::Verwerfen, std::nullopt, true, true, false},
        {"cancel", true, false, TAntwort::Abbrechen, std::nullopt, false, true, false},
        {"save without a name asks for one", true, false, TAntwort::Speichern, "neu.zfb", true, true, true},
        {"save without a name, dialog cancelled", true, false, TAntwort::Speichern, std::nullopt, false, true, false},
        {"save with a name saves there", true, true, TAntwort::Speichern, std::nullopt, true, true, true},
    };
    for (const TFall& f : faelle) {
        TTestordner ordner;
        TProgrammstart h;
        TZeichnen& z = h.Zeichnen();
        TDialogskript dialog(f.Dialog ? std::optional((ordner / *f.Dialog).string()) : std::nullopt);
        h.Programm.Oberflaeche().Dateidialog = &dialog;
        const std::string datei = (ordner / (f.MitDatei ? "alt.zfb" : "neu.zfb")).string();
        if (f.MitDatei)
            z.SaveFile(datei);
        if (f.Aendern)
            z.BNeueAufgabeClick();
        std::filesystem::remove(ordner / "neu.zfb");
        const std::string stand = Datei(z);
        h.Meldungen.Antworten = {f.Antwort};

        EXPECT_EQ(z.AenderungenSichern(), f.Weiter) << f.Name;
        ASSERT_EQ(h.Meldungen.Gefragt.size(), f.Gefragt ? 1U : 0U) << f.Name;
        if (f.Gefragt) {
            EXPECT_EQ(h.Meldungen.Gefragt[0].Text, "Die Änderungen am Arbeitsblatt speichern?") << f.Name;
        }
        EXPECT_EQ(dialog.Gestellt, f.Antwort == TAntwort::Speichern && !f.MitDatei ? 1 : 0) << f.Name;
        if (f.Gespeichert) {
            TLoadSave gelesen;
            ASSERT_FALSE(gelesen.OpenRead(datei)) << f.Name;
            EXPECT_FALSE(z.Veraendert) << f.Name;
            EXPECT_EQ(z.Dateiname(), datei) << f.Name;
        }
        EXPECT_EQ(Datei(z), stand) << f.Name; // the question itself changes nothing
    }
}

TEST(Aenderungen, AFailedSaveStopsWhatWasAskedForAndKeepsTheChanges)
{
    TTestordner ordner;
    TProgrammstart h;
    TZeichnen& z = h.Zeichnen();
    TDialogskript dialog((ordner / "fehlt" / "neu.zfb").string());
    h.Programm.Oberflaeche().Dateidialog = &dialog;
    z.BNeueAufgabeClick();
    h.Meldungen.Antworten = {TAntwort::Speichern};
    EXPECT_THROW(z.AenderungenSichern(), EInOutError);
    EXPECT_TRUE(z.Veraendert);
    EXPECT_TRUE(z.Dateiname().empty());

    // Opening another file is stopped by Abbrechen before its dialog comes.
    h.Meldungen.Antworten = {TAntwort::Abbrechen};
    z.Oeffnen1Click();
    EXPECT_EQ(dialog.Gestellt, 1);
}

TEST(Aenderungen, TheCaptionNamesTheFileAndMarksAChange)
{
    TTestordner ordner;
    TProgrammstart h;
    TZeichnen& z = h.Zeichnen();
    const std::string titel = "Zifferbogen 3.1 - Ein Programm zum Erstellen von Aufgaben für Grund- und Hauptschule";
    EXPECT_EQ(z.Caption.Wert(), titel + "[*]");
    const std::string datei = (ordner / "Klasse 2b.zfb").string();
    z.SaveFile(datei);
    EXPECT_EQ(z.Caption.Wert(), "Klasse 2b.zfb[*] - " + titel);

    // Opened again after other changes: unchanged, bound to the file.
    z.BNeueAufgabeClick();
    EXPECT_TRUE(z.Veraendert);
    z.DateiOeffnen(datei);
    EXPECT_FALSE(z.Veraendert);
    EXPECT_FALSE(z.KannRueckgaengig);
    EXPECT_EQ(z.Dateiname(), datei);

    // "Neu" asks, then starts from the defaults (no standard settings here) without a file.
    TCheckBox& trennlinien = h.Ctl<TCheckBox>("CBTrennlinien");
    const bool vorgabe = trennlinien.Checked();
    trennlinien.SetChecked(!vorgabe);
    h.Meldungen.Antworten = {TAntwort::Verwerfen};
    z.NeuAusStandard(ordner / "fehlt.zfb");
    EXPECT_EQ(h.Meldungen.Gefragt.size(), 1U);
    EXPECT_EQ(trennlinien.Checked(), vorgabe);
    EXPECT_TRUE(z.Dateiname().empty());
    EXPECT_FALSE(z.Veraendert);
    EXPECT_EQ(z.Caption.Wert(), titel + "[*]");
}
