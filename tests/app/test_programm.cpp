// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up: windows, first showing, the splash's two ticks and the first file; and
// worksheet files of earlier versions.

#include "app/Programm.h"
#include "app/UDrucken.h"
#include "app/UInfo.h"
#include "app/UNummerierung.h"
#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "doubles/Anzeigerekorder.h"
#include "doubles/Aufzeichnungsleinwand.h"
#include "doubles/Dialogskript.h"
#include "doubles/Meldungsrekorder.h"
#include "files/Fehler.h"
#include "files/LadenSpeichern.h"
#include "fixtures/Testordner.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Dateitypanmeldung.h"
#include "toolkit/Druckfortschritt.h"
#include "toolkit/Zeitgeber.h"
#include "toolkit/Zufall.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class TAnmeldungsrekorder final : public TDateitypanmeldung {
public:
    void Anmelden(const std::string& endung, const fs::path& programm) override
    {
        Anmeldungen.push_back(endung + " " + programm.string());
    }
    std::vector<std::string> Anmeldungen;
};

struct Start {
    explicit Start(std::vector<std::string> argumente = {}, fs::path standard = {})
        : Programm(Zufall, Meldungen, Zeitgeber, std::move(argumente), std::move(standard), &Anmeldung,
                   "/usr/bin/zifferbogen")
    {
        Programm.Zeichnen().Blatt().SetzeDrucker(&Drucker);
    }
    std::vector<std::string> Ueberschrift() { return Programm.Ueberschrift().MUeberschrift->Lines(); }

    TMersenneZufall Zufall{3};
    TMeldungsrekorder Meldungen;
    THandzeitgeber Zeitgeber;
    TAnmeldungsrekorder Anmeldung;
    TAufzeichnungsdrucker Drucker;
    TProgramm Programm;
};

class Startordner : public ::testing::Test {
protected:
    Startordner() : Ordner(Testordner.Pfad) {}

    // A worksheet whose heading is its name, saved at Ordner/name.
    fs::path Blatt(const std::string& name)
    {
        Start quelle;
        quelle.Programm.HauptfensterZeigen();
        quelle.Programm.Ueberschrift().UeberschriftZeileAnfuegen(name);
        quelle.Programm.Zeichnen().SaveFile((Ordner / name).string());
        return Ordner / name;
    }

    const TTestordner Testordner;
    const fs::path Ordner;
};

TEST_F(Startordner, TheWindowsComeUpTheSplashOpensTheFirstFileAndCloses)
{
    const fs::path datei = Blatt("Rechnen.zfb");
    Start s({datei.string()}, Ordner / "Standard.zfb");
    TProgramm& p = s.Programm;
    // Created: the file type registered, the splash timer running; nothing shown, no page.
    EXPECT_EQ(s.Anmeldung.Anmeldungen, std::vector<std::string>{"zfb /usr/bin/zifferbogen"});
    EXPECT_TRUE(s.Zeitgeber.Laeuft());
    EXPECT_EQ(s.Zeitgeber.Intervall, 1500);
    EXPECT_EQ(p.Zeichnen().Seite(), nullptr);
    EXPECT_FALSE(p.Splash().Sichtbar);

    p.HauptfensterZeigen();
    EXPECT_EQ(p.Zeichnen().Caption.Wert(),
              "Zifferbogen 3.1 - Ein Programm zum Erstellen von Aufgaben für Grund- und Hauptschule[*]");
    EXPECT_EQ(p.Splash().LVersion->Caption(), "Version 3.1 vom 16.12.2006");
    EXPECT_EQ(p.Info().LVersion->Caption(), "Version 3.1 vom 16.12.2006");
    EXPECT_TRUE(p.Splash().Sichtbar);
    ASSERT_NE(p.Zeichnen().Seite(), nullptr);
    EXPECT_TRUE(s.Ueberschrift().empty());

    s.Zeitgeber.Ticken(); // first tick: the file named on the command line
    EXPECT_EQ(s.Ueberschrift(), std::vector<std::string>{"Rechnen.zfb"});
    EXPECT_TRUE(p.Splash().Sichtbar);
    s.Zeitgeber.Ticken(); // second tick: the splash goes
    EXPECT_FALSE(p.Splash().Sichtbar);
    EXPECT_FALSE(s.Zeitgeber.Laeuft());
    EXPECT_TRUE(s.Meldungen.Gezeigt.empty());
}

// Ticks the splash timer while pages print, as the progress window's event loop may.
class TTickendeDruckanzeige final : public TDruckfortschritt {
public:
    explicit TTickendeDruckanzeige(THandzeitgeber& zeitgeber) : Zeitgeber(zeitgeber) {}
    void Anfang(std::int64_t) override {}
    bool Weiter(std::int64_t) override
    {
        Zeitgeber.Ticken();
        return true;
    }
    void Ende() noexcept override {}

private:
    THandzeitgeber& Zeitgeber;
};

TEST_F(Startordner, TheFirstFileWaitsForAPrintRunUnderWay)
{
    const fs::path datei = Blatt("Spaeter.zfb");
    Start s({datei.string()});
    s.Programm.HauptfensterZeigen();
    TTickendeDruckanzeige anzeige(s.Zeitgeber);
    s.Programm.Zeichnen().Print({.Blaetter = 2}, &anzeige);
    EXPECT_TRUE(s.Ueberschrift().empty());
    EXPECT_TRUE(s.Programm.Splash().ErsterTick);
    s.Zeitgeber.Ticken();
    EXPECT_EQ(s.Ueberschrift(), std::vector<std::string>{"Spaeter.zfb"});
}

TEST_F(Startordner, TheFirstFileIsTheNamedWorksheetElseTheStandardSettings)
{
    const fs::path gross = Blatt("GROSS.ZFB");
    const fs::path standard = Blatt("Standard.zfb");
    std::ofstream(Ordner / "notizen.txt") << "kein Arbeitsblatt";
    const std::string kaputt = (Ordner / "kaputt.zfb").string();
    std::ofstream(kaputt) << "[Zifferbogen 3.1]\r\n true";
    const struct {
        std::vector<std::string> Argumente;
        fs::path Standard;
        std::string Ueberschrift; // empty: the defaults stay
        std::string Meldung;      // empty: none
    } faelle[] = {
        {{gross.string(), "weiteres.zfb"}, standard, "GROSS.ZFB", ""},
        {{(Ordner / "notizen.txt").string()}, standard, "Standard.zfb", ""},
        {{""}, standard, "Standard.zfb", ""},
        {{}, standard, "Standard.zfb", ""},
        {{}, Ordner / "fehlt" / "Standard.zfb", "", ""},
        {{(Ordner / "fehlt.zfb").string()}, standard, "", "fehlt.zfb“ konnte nicht geöffnet werden ("},
        {{kaputt}, standard, "", "„" + kaputt + "“ konnte nicht gelesen werden: "},
        {{}, kaputt, "", "Es gelten die Vorgaben."},
    };
    for (const auto& fall : faelle) {
        const std::string name = fall.Argumente.empty() ? fall.Standard.string() : fall.Argumente.front();
        Start s(fall.Argumente, fall.Standard);
        s.Programm.HauptfensterZeigen();
        s.Zeitgeber.Ticken();
        EXPECT_EQ(s.Ueberschrift(),
                  fall.Ueberschrift.empty() ? std::vector<std::string>{} : std::vector<std::string>{fall.Ueberschrift})
            << name;
        if (fall.Meldung.empty()) {
            EXPECT_TRUE(s.Meldungen.Gezeigt.empty()) << name;
        } else {
            ASSERT_EQ(s.Meldungen.Gezeigt.size(), 1u) << name;
            EXPECT_NE(s.Meldungen.Gezeigt[0].Text.find(fall.Meldung), std::string::npos) << s.Meldungen.Gezeigt[0].Text;
        }
        EXPECT_NE(s.Programm.Zeichnen().Seite(), nullptr) << name;
        s.Zeitgeber.Ticken();
        EXPECT_FALSE(s.Programm.Splash().Sichtbar) << name;
    }
}

std::string Geschrieben(const std::function<void(TLoadSave&)>& schreiben)
{
    TLoadSave strom;
    strom.OpenWriteMemory();
    schreiben(strom);
    return strom.Bytes();
}

// A worksheet file as an earlier version wrote it: the header, the first n values of the
// settings block, an empty heading, the fonts, nine layout values, the layout options of that
// version (each switched on; two columns, three rows, letters, ")"), and a page block without
// rows.
std::string AlteDatei(const std::string& kopf, std::size_t einstellungswerte, int version)
{
    Start vorlage;
    TZeichnen& z = vorlage.Programm.Zeichnen();
    std::istringstream block(
        Geschrieben([&](TLoadSave& s) { vorlage.Programm.Einstellungen().EinstellungenSchreiben(s); }));
    std::string datei = Geschrieben([&](TLoadSave& s) {
        s.WriteText(kopf);
        s.WriteLineEnd();
    });
    std::string wert;
    for (std::size_t k = 0; k < einstellungswerte && block >> wert; ++k)
        datei += wert + " ";
    return datei + Geschrieben([&](TLoadSave& s) {
               s.WriteInteger(0);
               s.WriteInteger(0);
               for (std::size_t k = 1; k <= 5; ++k)
                   s.WriteFont(z.Schriften[k]);
               for (int i = 1; i <= 9; ++i)
                   s.WriteFloat(1.25);
               s.WriteBoolean(true);
               s.WriteBoolean(true);
               s.WriteInteger(2);
               s.WriteInteger(3);
               s.WriteBoolean(true);
               s.WriteBoolean(true);
               s.WriteBoolean(false);
               s.WriteText(")");
               for (const int ab : {0, 0, 0, 4, 7, 7, 9, 9, 10, 10, 10}) {
                   if (version >= ab)
                       s.WriteBoolean(true);
               }
               s.WriteInteger(0);
           });
}

TEST_F(Startordner, EarlierVersionsReadOnlyTheOptionsTheyHadAndAnUnknownHeaderIsCurrent)
{
    const struct {
        std::string Kopf;
        std::size_t Einstellungswerte;
        int Version;
    } faelle[] = {
        {"Zifferbogen 2.3", 177, 3},
        {"Zifferbogen 2.9", 185, 9},
        {"Zifferbogen 9.9", 190, 11},
    };
    for (const auto& fall : faelle) {
        const fs::path pfad = Ordner / "alt.zfb";
        std::ofstream(pfad, std::ios::binary) << AlteDatei(fall.Kopf, fall.Einstellungswerte, fall.Version);
        Start s;
        s.Programm.HauptfensterZeigen();
        TZeichnen& z = s.Programm.Zeichnen();
        z.CBX->SetChecked(false);
        z.CBFragezeichen->SetChecked(false);
        ASSERT_EQ(z.OpenFile(pfad.string()), 0) << fall.Kopf;
        EXPECT_EQ(z.Dateiversion, fall.Version);
        // The options every version has.
        EXPECT_TRUE(z.CBLoesungen->Checked() && z.RBGenauFestlegen->Checked() && z.CBNummerierung->Checked()
                    && z.CBTrennlinien->Checked() && z.CBNurRechnung->Checked() && z.CBQuersumme->Checked()
                    && z.CBLoesungaufPlatzhalter->Checked())
            << fall.Kopf;
        EXPECT_EQ(z.UDSpalten->Position(), 2);
        EXPECT_EQ(z.UDZeilen->Position(), 3);
        EXPECT_FALSE(z.NummernMitZiffern);
        EXPECT_EQ(z.ZeichenNachNummer, ")");
        EXPECT_DOUBLE_EQ(z.RandWerte[9], 1.25);
        // The newer ones only from the version that has them; the others stay as they were.
        EXPECT_EQ(z.CBSchriftlichFeld->Checked(), fall.Version >= 4) << fall.Kopf;
        EXPECT_EQ(z.CBVertikalNummerieren->Checked(), fall.Version >= 7) << fall.Kopf;
        EXPECT_EQ(z.RBRechtsbuendig->Checked(), fall.Version >= 9) << fall.Kopf;
        EXPECT_EQ(z.CBRechenkaestchen->Checked(), fall.Version >= 9) << fall.Kopf;
        EXPECT_EQ(z.CBX->Checked(), fall.Version >= 10) << fall.Kopf;
        EXPECT_EQ(z.CBGespensterAufgaben->Checked(), fall.Version >= 10) << fall.Kopf;
    }
}

TEST_F(Startordner, OpeningWarnsOfTheWrittenLayoutButUndoingADamagedOpenDoesNot)
{
    Start quelle;
    quelle.Programm.HauptfensterZeigen();
    quelle.Programm.Einstellungen().CBMalkommtvor->SetChecked(true);
    quelle.Programm.Zeichnen().CBSchriftlichFeld->SetChecked(true);
    const fs::path schriftlich = Ordner / "schriftlich.zfb";
    quelle.Programm.Zeichnen().SaveFile(schriftlich.string());
    const fs::path schlicht = Blatt("schlicht.zfb");

    Start s;
    s.Programm.HauptfensterZeigen();
    ASSERT_EQ(s.Programm.Zeichnen().OpenFile(schriftlich.string()), 0);
    ASSERT_EQ(s.Meldungen.Gezeigt.size(), 1u);
    EXPECT_EQ(s.Meldungen.Gezeigt[0].Titel, "Warnung:");

    // A plain worksheet cut short in its tasks: refused, and putting the written layout back
    // shows no second warning.
    std::ifstream lesen(schlicht, std::ios::binary);
    const std::string ganz((std::istreambuf_iterator<char>(lesen)), std::istreambuf_iterator<char>());
    std::ofstream(schlicht, std::ios::binary | std::ios::trunc) << ganz.substr(0, ganz.size() * 9 / 10);
    const std::string vorher = Geschrieben([&](TLoadSave& strom) { s.Programm.Zeichnen().Speichern(strom); });
    EXPECT_THROW(s.Programm.Zeichnen().OpenFile(schlicht.string()), EZifferbogenFehler);
    EXPECT_EQ(Geschrieben([&](TLoadSave& strom) { s.Programm.Zeichnen().Speichern(strom); }), vorher);
    EXPECT_EQ(s.Meldungen.Gezeigt.size(), 1u);

    // Also what the file does not hold comes back: a manual range whose field was emptied
    // keeps the range typed before.
    TMainForm& e = s.Programm.Einstellungen();
    e.RBManuelleEingabe->SetChecked(true);
    e.EZahlenraumbis->Eingeben("500");
    e.EZahlenraumbis->SetText("");
    const std::int32_t zahlenraum = e.Zahlenraum;
    ASSERT_EQ(zahlenraum, 500);
    EXPECT_THROW(s.Programm.Zeichnen().OpenFile(schlicht.string()), EZifferbogenFehler);
    EXPECT_EQ(e.Zahlenraum, zahlenraum);
    EXPECT_TRUE(e.RBManuelleEingabe->Checked());
}

// A file whose font name or layout value no window could have made is damaged: refused with
// a message naming the value, and nothing changes. The limits themselves are taken.
TEST_F(Startordner, AFontNameOrLayoutValueBeyondItsFieldMakesTheFileDamaged)
{
    std::ifstream lesen(Blatt("Rechnen.zfb"), std::ios::binary);
    const std::string ganz((std::istreambuf_iterator<char>(lesen)), std::istreambuf_iterator<char>());
    const std::string schrift = "[Arial]";
    const std::string linkerRand = "1.00000000000000E+0000"; // the first of the nine values
    struct Fall {
        std::string Alt;
        std::string Neu;
        std::string Meldung; // empty: taken
    };
    for (const Fall& fall : {
             Fall{schrift, "[" + std::string(255, 'A') + "]", ""},
             Fall{schrift, "[" + std::string(256, 'A') + "]",
                  "Der Schriftname ist 256 Zeichen lang; erlaubt sind höchstens 255."},
             Fall{linkerRand, "8.00000000000000E+0000", ""},
             Fall{linkerRand, "1.00000000000000E+0300",
                  "Der Wert 1e+300 cm für den linken Rand liegt außerhalb von 0 bis 8 cm."},
             Fall{linkerRand, "-1.0000000000000E+0000",
                  "Der Wert -1 cm für den linken Rand liegt außerhalb von 0 bis 8 cm."},
             Fall{linkerRand, "8.10000000000000E+0000",
                  "Der Wert 8.1 cm für den linken Rand liegt außerhalb von 0 bis 8 cm."},
         }) {
        SCOPED_TRACE(fall.Neu.substr(0, 30));
        std::string bytes = ganz;
        const std::size_t stelle = bytes.find(fall.Alt);
        ASSERT_NE(stelle, std::string::npos);
        std::ofstream(Ordner / "boese.zfb", std::ios::binary | std::ios::trunc)
            << bytes.replace(stelle, fall.Alt.size(), fall.Neu);

        Start s;
        s.Programm.HauptfensterZeigen();
        TZeichnen& z = s.Programm.Zeichnen();
        const std::string vorher = Geschrieben([&](TLoadSave& strom) { z.Speichern(strom); });
        try {
            EXPECT_EQ(z.OpenFile((Ordner / "boese.zfb").string()), 0);
            EXPECT_EQ(fall.Meldung, "");
        } catch (const ERangeError& fehler) {
            EXPECT_EQ(fehler.what(), fall.Meldung);
            EXPECT_EQ(Geschrieben([&](TLoadSave& strom) { z.Speichern(strom); }), vorher);
        }
    }
}

// The start-up hands every window to the main window: each command puts its window on the one
// display the platform gives, already open in its model while it shows.
TEST(Start, EveryCommandShowsItsWindowOpenThroughTheDisplay)
{
    Start s;
    TAnzeigerekorder anzeige;
    s.Programm.Oberflaeche().Anzeige = &anzeige;
    TZeichnen& z = s.Programm.Zeichnen();
    const auto knopf = [&z](const char* name) {
        return [&z, name] { dynamic_cast<TButton&>(*z.Finde(name)).Click(); };
    };
    struct Fall {
        const char* Was;
        std::function<void()> Befehl;
        const TFormular& Fenster;
        std::function<bool()> Offen;
    };
    const Fall faelle[] = {
        {"the first showing", [&] { s.Programm.HauptfensterZeigen(); }, z, [&] { return z.Sichtbar(); }},
        {"Aufgabenart wählen", knopf("BHauptformular"), s.Programm.Einstellungen(), [] { return true; }},
        {"Drucken", knopf("BDrucken"), s.Programm.Drucken(), [&] { return s.Programm.Drucken().Sichtbar.Wert(); }},
        {"Nummerierungszeichen", knopf("BNummerierungsart"), s.Programm.Nummerierung(),
         [&] { return s.Programm.Nummerierung().Sichtbar.Wert(); }},
        {"Überschrift bearbeiten", knopf("BUeberschriftBearbeiten"), s.Programm.Ueberschrift(),
         [&] { return s.Programm.Ueberschrift().Sichtbar.Wert(); }},
        {"Über das Programm", [&] { z.UeberdasProgramm1Click(); }, s.Programm.Info(),
         [&] { return s.Programm.Info().Sichtbar.Wert(); }},
    };
    for (const Fall& fall : faelle) {
        anzeige.Gezeigt.clear();
        bool offen = false;
        anzeige.Bei = [&](TFormular&) { offen = fall.Offen(); };
        fall.Befehl();
        EXPECT_EQ(anzeige.Gezeigt, std::vector<const TFormular*>{&fall.Fenster}) << fall.Was;
        EXPECT_TRUE(offen) << fall.Was;
    }
    // The numbering dialog, shown modally, is closed again once the display returns.
    EXPECT_FALSE(s.Programm.Nummerierung().Sichtbar);
}

TEST_F(Startordner, OpenAndSaveGoThroughTheirDialogsAndCancelChangesNothing)
{
    const fs::path blatt = Blatt("Bruchrechnen.zfb");
    Start s;
    s.Programm.HauptfensterZeigen();
    TZeichnen& z = s.Programm.Zeichnen();
    TDialogskript dialog;
    s.Programm.Oberflaeche().Dateidialog = &dialog;

    z.Oeffnen1Click(); // Cancel
    EXPECT_EQ(dialog.Gefragt, "Zifferbogen-Datei (*.zfb) zfb");
    EXPECT_TRUE(s.Ueberschrift().empty());
    dialog.Antwort = blatt.string();
    z.BOeffnen->Click();
    EXPECT_EQ(s.Ueberschrift(), std::vector<std::string>{"Bruchrechnen.zfb"});

    const fs::path kopie = Ordner / "kopie.zfb";
    dialog.Antwort.reset();
    z.Speichern1Click();
    EXPECT_FALSE(fs::exists(kopie));
    dialog.Antwort = kopie.string();
    z.BSpeichern->Click();
    std::ifstream gespeichert(kopie, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(gespeichert), std::istreambuf_iterator<char>()),
              Geschrieben([&](TLoadSave& strom) { z.Speichern(strom); }));

    // A file that is not there: a message naming it, the worksheet as it was.
    dialog.Antwort = (Ordner / "weg.zfb").string();
    try {
        z.Oeffnen1Click();
        ADD_FAILURE() << "kein Fehler";
    } catch (const EZifferbogenFehler& fehler) {
        EXPECT_NE(std::string(fehler.what()).find("weg.zfb“ konnte nicht geöffnet werden ("), std::string::npos);
    }
    EXPECT_EQ(s.Ueberschrift(), std::vector<std::string>{"Bruchrechnen.zfb"});
}

TEST_F(Startordner, SavingAHeadingTheFileCannotHoldWarnsInTheWindowNamingTheCharacters)
{
    Start s;
    s.Programm.HauptfensterZeigen();
    TDialogskript dialog;
    s.Programm.Oberflaeche().Dateidialog = &dialog;
    dialog.Antwort = (Ordner / "pfeil.zfb").string();
    s.Programm.Ueberschrift().UeberschriftZeileAnfuegen("3 → 4 € 😀");
    s.Programm.Ueberschrift().AnweisungZeileAnfuegen("→");
    const std::size_t vorher = s.Meldungen.Gezeigt.size();
    s.Programm.Zeichnen().BSpeichern->Click();
    ASSERT_EQ(s.Meldungen.Gezeigt.size(), vorher + 1);
    EXPECT_EQ(s.Meldungen.Gezeigt.back().Art, TMeldungsart::Warnung);
    EXPECT_NE(s.Meldungen.Gezeigt.back().Text.find(": „→“, „😀“ wurden als „?“ gespeichert."), std::string::npos)
        << s.Meldungen.Gezeigt.back().Text;
}

} // namespace
