// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop program keeps between runs in Qt's settings, found again after a restart.
// The settings go into a folder of this test's own, never into the configuration of the user
// running it.

#include "DesktopUmgebung.h"
#include "fixtures/Testordner.h"
#include "qt/platform/QtAblage.h"
#include "qt/views/Einstellungsfenster.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Set before main, so before Qt looks for the configuration folder the first time.
struct TKonfiguration {
    TKonfiguration() { ::setenv("XDG_CONFIG_HOME", Ordner.Pfad.c_str(), 1); }
    TTestordner Ordner;
};
const TKonfiguration Konfiguration;
const fs::path Datei = Konfiguration.Ordner / "zifferbogen" / "zifferbogen.conf";

// The desktop program on the settings in the test's folder, shown.
struct Lauf {
    Lauf() : D(Meldungen, 7, {}, {}, nullptr, {}, {}, &Ablage)
    {
        D.Starten();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&D.Hauptfenster()));
    }
    TZeichnen& Z() { return D.Modelle().Zeichnen(); }

    TMeldungsrekorder Meldungen;
    TQtAblage Ablage;
    TDesktop D;
};

TEST(Orte, TheWindowsPlacesTheZoomAndTheListComeBackAfterARestart)
{
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    // The main window is wider than the test's screen at its narrowest: it keeps its width and
    // stands at the screen's left edge.
    struct Fall {
        const char* Was;
        int Oben;          // the main window's top, before and after
        QRect Einstellung; // the settings window's place
        std::string Zoom;
        int ObenDanach;
        QRect EinstellungDanach;
        double Faktor; // the zoom after; 0: fitted to the window
    };
    for (const Fall& fall : {
             Fall{"as left", 40, {60, 20, 500, 400}, "200%", 40, {60, 20, 500, 400}, 2.0},
             Fall{"zoom typed in", 10, {100, 50, 450, 350}, "150%", 10, {100, 50, 450, 350}, 1.5},
             Fall{"beyond the screen: moved back onto it",
                  schirm.bottom() + 400,
                  {schirm.right() + 900, -900, 500, 400},
                  "Ganze Seite",
                  schirm.bottom() + 1 - 450,
                  {schirm.right() + 1 - 500, schirm.top(), 500, 400},
                  0.0},
         }) {
        // Qt reads a file it knows only anew when it changed; it is read at every start here.
        const std::vector<std::string> liste{"/a, \"b\"/c=d;e.zfb", "/Blätter/#1.zfb"};
        QSize haupt;
        {
            Lauf lauf;
            haupt = QSize(lauf.D.Hauptfenster().minimumWidth(), 450);
            lauf.D.Hauptfenster().setGeometry(QRect(QPoint(schirm.left() + 40, fall.Oben), haupt));
            lauf.Z().BHauptformular->Click();
            lauf.D.Einstellungsfenster().setGeometry(fall.Einstellung);
            lauf.Z().ZoomBox->SetText(fall.Zoom);
            lauf.Z().ZoomBox->KeyDown(13);
            for (auto pfad = liste.rbegin(); pfad != liste.rend(); ++pfad)
                lauf.Z().Orte.Eintragen(*pfad);
        }
        std::ofstream(Datei, std::ios::app) << "\n";
        Lauf lauf;
        EXPECT_EQ(lauf.D.Hauptfenster().geometry().top(), fall.ObenDanach) << fall.Was;
        EXPECT_EQ(lauf.D.Hauptfenster().size(), haupt) << fall.Was;
        EXPECT_EQ(lauf.Z().ZoomBox->Text(), fall.Zoom) << fall.Was;
        if (fall.Faktor > 0) {
            EXPECT_EQ(lauf.Z().Blatt().Zoom, fall.Faktor) << fall.Was;
        } else {
            EXPECT_EQ(lauf.Z().Blatt().Einpassen, TZoomfaktor::GanzeSeite) << fall.Was;
        }
        lauf.Z().BHauptformular->Click();
        EXPECT_EQ(lauf.D.Einstellungsfenster().geometry(), fall.EinstellungDanach) << fall.Was;
        EXPECT_EQ(lauf.Z().Orte.Zuletzt(), liste) << fall.Was;
    }
}

TEST(Orte, ALinkPlantedAtTheSettingsIntoNoFileOfTheUsersIsReplaced)
{
    fs::create_directories(Datei.parent_path());
    fs::remove(Datei);
    fs::create_symlink("/dev/null", Datei);
    TQtAblage ablage;
    ablage.SetzeText("Ordner/Pdf", "/tmp");
    EXPECT_EQ(ablage.Datei(), Datei.string());
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Datei)));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

} // namespace
