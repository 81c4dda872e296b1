// What the desktop program keeps between runs in Qt's settings: texts and lists as written,
// the windows' places and the zoom, found again after a restart; and the menu of the
// worksheets opened last. The settings go into a folder of this test's own, never into the
// configuration of the user running it.

#include "DesktopUmgebung.h"
#include "fixtures/Testordner.h"
#include "qt/platform/QtAblage.h"
#include "qt/views/Einstellungsfenster.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
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

// Qt keeps a settings file it has read; a changed size makes the next reader read it anew.
void NeuLesenLassen()
{
    std::ofstream(Datei, std::ios::app) << "\n";
}

TEST(Ablage, TextsAndListsAreReadBackFromTheUsersConfigurationFolder)
{
    struct Fall {
        const char* Was;
        std::vector<std::string> Liste;
        std::string Text;
    };
    for (const Fall& fall : {
             Fall{"empty", {}, ""},
             Fall{"one entry", {"/home/lehrerin/Blätter/Woche 1.zfb"}, "Ganze Seite"},
             Fall{"commas, quotes and equals signs", {"/a, b/\"c\".zfb", "/d=e;f/#g.zfb", " /h "}, "x, \"y\" = z"},
         }) {
        {
            TQtAblage ablage;
            ablage.SetzeListe("Dateien/Zuletzt", fall.Liste);
            ablage.SetzeText("Ordner/Pdf", fall.Text);
            EXPECT_EQ(ablage.Datei(), Datei.string());
        }
        NeuLesenLassen();
        const TQtAblage neu;
        EXPECT_EQ(neu.Liste("Dateien/Zuletzt"), fall.Liste) << fall.Was;
        EXPECT_EQ(neu.Text("Ordner/Pdf"), fall.Text) << fall.Was;
        EXPECT_EQ(neu.Text("Ordner/Arbeitsblatt"), std::nullopt) << fall.Was;
    }

    // A link planted at the file into something that is no file of the user's own is
    // replaced, and what it pointed to stays untouched.
    fs::remove(Datei);
    fs::create_symlink("/dev/null", Datei);
    TQtAblage ablage;
    ablage.SetzeText("Ordner/Pdf", "/tmp");
    EXPECT_FALSE(fs::is_symlink(Datei));
    EXPECT_TRUE(fs::is_regular_file(Datei));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

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

TEST(Orte, TheWindowsPlacesAndTheZoomComeBackAfterARestart)
{
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    // The main window is wider than the test's screen at its narrowest; it keeps its width
    // then and stands at the screen's left edge.
    struct Fall {
        const char* Was;
        int Oben, Hoehe;   // where the main window is put, and how high
        QRect Einstellung; // where the settings window is put
        std::string Zoom;  // chosen in the zoom box
        int ObenDanach;    // the main window's top after the restart
        QRect EinstellungDanach;
        double Faktor; // the zoom then; 0: fitted to the window
    };
    for (const Fall& fall : {
             Fall{"as left", 40, 450, {60, 20, 500, 400}, "200%", 40, {60, 20, 500, 400}, 2.0},
             Fall{"zoom typed in", 10, 520, {100, 50, 450, 350}, "150%", 10, {100, 50, 450, 350}, 1.5},
             Fall{"beyond the screen: moved back onto it", schirm.bottom() + 400, 450,
                  {schirm.right() + 900, -900, 500, 400}, "Ganze Seite", schirm.bottom() + 1 - 450,
                  {schirm.right() + 1 - 500, schirm.top(), 500, 400}, 0.0},
         }) {
        QSize haupt;
        {
            Lauf lauf;
            haupt = QSize(lauf.D.Hauptfenster().minimumWidth(), fall.Hoehe);
            lauf.D.Hauptfenster().setGeometry(QRect(QPoint(schirm.left() + 40, fall.Oben), haupt));
            lauf.Z().BHauptformular->Click();
            lauf.D.Einstellungsfenster().setGeometry(fall.Einstellung);
            lauf.Z().ZoomBox->SetText(fall.Zoom);
            lauf.Z().ZoomBox->KeyDown(13);
        }
        NeuLesenLassen();
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
    }
}

QMenu* Menue(const QWidget& fenster, const QString& titel)
{
    for (QMenu* menue : fenster.findChildren<QMenu*>()) {
        if (menue->title() == titel)
            return menue;
    }
    return nullptr;
}

TEST(Orte, TheMenuListsTheWorksheetsOpenedLastAndIsDisabledWithoutAny)
{
    fs::remove(Datei);
    const TTestordner ordner;
    Lauf lauf;
    QMenu* datei = Menue(lauf.D.Hauptfenster(), QStringLiteral("&Datei"));
    QMenu* zuletzt = Menue(lauf.D.Hauptfenster(), QStringLiteral("Zuletzt geöffnet"));
    ASSERT_NE(datei, nullptr);
    ASSERT_NE(zuletzt, nullptr);
    // The entries as "Datei" shows them: text and tip.
    const auto zeigen = [&] {
        Q_EMIT datei->aboutToShow();
        QStringList texte;
        for (const QAction* punkt : zuletzt->actions())
            texte << punkt->text() + QLatin1Char('|') + punkt->toolTip();
        return texte;
    };
    EXPECT_EQ(zeigen(), QStringList());
    EXPECT_FALSE(zuletzt->menuAction()->isEnabled());

    const fs::path a = ordner / "Plus & Minus.zfb";
    const fs::path b = ordner / "b.zfb";
    lauf.Z().SaveFile(a.string());
    for (const fs::path& pfad : {a, b, a})
        lauf.Z().Orte.Eintragen(pfad.string());
    const QString ort = QString::fromStdString(ordner.Pfad.string());
    const QString erster = QStringLiteral("&1 Plus && Minus.zfb|") + ort;
    EXPECT_EQ(zeigen(), QStringList({erster, QStringLiteral("&2 b.zfb|") + ort}));
    EXPECT_TRUE(zuletzt->menuAction()->isEnabled());

    // The file that is gone: a message naming it, and it leaves the menu.
    zuletzt->actions().at(1)->trigger();
    ASSERT_EQ(lauf.Meldungen.Gezeigt.size(), 1u);
    EXPECT_NE(lauf.Meldungen.Gezeigt[0].Text.find(b.string()), std::string::npos);
    EXPECT_EQ(zeigen(), QStringList({erster}));
}

} // namespace
