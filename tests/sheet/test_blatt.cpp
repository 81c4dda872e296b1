// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Aufzeichnungsleinwand.h"
#include "files/Fehler.h"
#include "sheet/UBlatt.h"
#include "toolkit/Steuerelemente.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The main window's controls the sheet drives, and the sheet on them.
struct Ansicht {
    Ansicht()
    {
        ScrollVert.SetWidth(17);
        ScrollHor.SetHeight(17);
    }
    TPaintBox Box{"PaintBox", nullptr};
    TPageControl Reiter{"PCEigenschaften", nullptr};
    TComboBox Zoombox{"ZoomBox", nullptr};
    TScrollBar ScrollVert{"ScrollBarVert", nullptr};
    TScrollBar ScrollHor{"ScrollBarHor", nullptr};
    TBlatt Blatt{Box, Reiter, Zoombox, ScrollVert, ScrollHor};
};

TEST(Blatt, FontSizesAndPenWidthsFollowTheDevice)
{
    TAufzeichnungsdrucker drucker;
    Ansicht a;
    a.Blatt.SetzeDrucker(&drucker);
    a.Blatt.SetzeBereich(0, 0, 800, 600);
    EXPECT_EQ(a.Blatt.Schriftgroesse(12), 12);
    EXPECT_EQ(a.Blatt.Linienbreite(0.2), 1);
    EXPECT_EQ(a.Blatt.Linienbreite(0.0), 0);

    a.Zoombox.SetText("200%");
    EXPECT_DOUBLE_EQ(a.Blatt.Zoom, 2.0);
    EXPECT_EQ(a.Blatt.Schriftgroesse(12), 24);

    a.Blatt.Geraetemodus = true; // printing at 600 dpi
    EXPECT_EQ(a.Blatt.Schriftgroesse(12), 12);
    EXPECT_EQ(a.Blatt.Linienbreite(0.2), 5);
}

TEST(Blatt, ThePageIsThePrintersPrintableAreaElseASquareOfTheScreen)
{
    Ansicht ohne;
    ohne.Blatt.Metrik(100, 100);
    EXPECT_NEAR(ohne.Blatt.BlattBreite, 20.5, 0.02);
    EXPECT_NEAR(ohne.Blatt.BlattHoehe, 20.5, 0.02);

    TAufzeichnungsdrucker drucker(600, 4722, 6780);
    Ansicht mit;
    mit.Blatt.SetzeDrucker(&drucker);
    mit.Blatt.Metrik(100, 100);
    EXPECT_DOUBLE_EQ(mit.Blatt.BlattBreite, 4722 / (600 / 2.54));
    EXPECT_DOUBLE_EQ(mit.Blatt.BlattHoehe, 6780 / (600 / 2.54));
    // Text is measured at the printer's resolution, in cm: 12 points are 12/72 inch.
    mit.Blatt.SchriftSetzen(TSchrift{}, 12);
    EXPECT_NEAR(mit.Blatt.Texthoehe("Mg"), 12 / 72.0 * 2.54, 1e-9);
}

TEST(Blatt, TypedAndChosenZooms)
{
    TAufzeichnungsdrucker drucker;
    Ansicht a;
    a.Blatt.SetzeDrucker(&drucker);
    a.Blatt.SetzeBereich(0, 0, 400, 300);
    int neuzeichnen = 0;
    a.Box.Beobachter = [&](const TControl&) { ++neuzeichnen; };

    struct Fall {
        std::string Eingabe;
        int Taste;
        double Zoom;
        std::string Anzeige;
    };
    for (const Fall& fall : {
             Fall{"150", 13, 1.5, "150%"},
             Fall{"5", 13, 1.5, "5"},       // too small: unchanged, but repainted
             Fall{"75 %", 13, 0.75, "75%"}, // an entry of the list: chosen as well
             Fall{"300", 65, 0.75, "300"},  // not Enter
             Fall{"999", 13, 9.99, "999%"},
             Fall{"1000", 13, 9.99, "1000"},
         }) {
        a.Zoombox.SetText(fall.Eingabe);
        const int vorher = neuzeichnen;
        a.Zoombox.KeyDown(fall.Taste);
        EXPECT_DOUBLE_EQ(a.Blatt.Zoom, fall.Zoom) << fall.Eingabe;
        EXPECT_EQ(a.Zoombox.Text(), fall.Anzeige);
        EXPECT_EQ(neuzeichnen > vorher, fall.Taste == 13) << fall.Eingabe;
    }

}

TEST(Blatt, AFittedZoomFitsThePageAgainAtEveryChangeOfTheArea)
{
    TAufzeichnungsdrucker drucker;
    Ansicht a;
    a.Blatt.SetzeDrucker(&drucker);
    a.Blatt.SetzeBereich(0, 0, 400, 300);
    a.Zoombox.SetText("300%");
    // The whole page: no scroll bar, and the page with its 30-pixel border fills the area's
    // height or width exactly; the page width: no horizontal bar beside the vertical one.
    struct Fall {
        const char* Zoom;
        int Breite, Hoehe;
        bool Senkrecht;
    };
    for (const Fall& fall : {Fall{"Ganze Seite", 400, 300, false}, Fall{"Ganze Seite", 1200, 900, false},
                             Fall{"Ganze Seite", 300, 1200, false}, Fall{"Seitenbreite", 400, 300, true},
                             Fall{"Seitenbreite", 900, 300, true}}) {
        a.Zoombox.SetText(fall.Zoom);
        a.Blatt.SetzeBereich(0, 0, fall.Breite, fall.Hoehe);
        const std::string was = std::string(fall.Zoom) + " " + std::to_string(fall.Breite) + "x" + std::to_string(fall.Hoehe);
        EXPECT_FALSE(a.ScrollHor.Visible()) << was;
        EXPECT_EQ(a.ScrollVert.Visible(), fall.Senkrecht) << was;
        const double breite = a.Blatt.BlattBreite * a.Blatt.SchirmMassX + 60;
        const double hoehe = a.Blatt.BlattHoehe * a.Blatt.SchirmMassY + 60;
        if (fall.Senkrecht)
            EXPECT_NEAR(breite, fall.Breite - a.ScrollVert.Width(), 1e-6) << was;
        else
            EXPECT_NEAR(std::max(breite / fall.Breite, hoehe / fall.Hoehe), 1.0, 1e-9) << was;
    }
    // A typed zoom stays when the area changes.
    a.Zoombox.SetText("150");
    a.Zoombox.KeyDown(13);
    a.Blatt.SetzeBereich(0, 0, 500, 500);
    EXPECT_DOUBLE_EQ(a.Blatt.Zoom, 1.5);
}

TEST(Blatt, ScrollBarsAppearOnlyWhenThePageDoesNotFit)
{
    TAufzeichnungsdrucker drucker;
    Ansicht a;
    a.Blatt.SetzeDrucker(&drucker);
    a.Blatt.SetzeBereich(3, 94, 2000, 3000);
    EXPECT_FALSE(a.ScrollHor.Visible());
    EXPECT_FALSE(a.ScrollVert.Visible());
    EXPECT_DOUBLE_EQ(a.Blatt.VersatzX, (a.Blatt.BlattBreite - a.Blatt.FensterBreite) / 2); // centred
    EXPECT_EQ(a.Box.Width(), 2000);

    a.Blatt.SetzeBereich(3, 94, 400, 300);
    EXPECT_TRUE(a.ScrollHor.Visible());
    EXPECT_TRUE(a.ScrollVert.Visible());
    EXPECT_EQ(a.Box.Width(), 400 - 17);
    EXPECT_EQ(a.Box.Height(), 300 - 17);
    EXPECT_EQ(a.ScrollVert.Max(), std::lround((2 * a.Blatt.RandY + a.Blatt.BlattHoehe) * 100));
    EXPECT_EQ(a.ScrollVert.PageSize(), std::lround(a.Blatt.FensterHoehe * 100));

    // One notch of the wheel moves by a twentieth of the visible height.
    const double vorher = a.Blatt.VersatzY;
    a.Blatt.Mausrad(-120);
    EXPECT_NEAR(a.Blatt.VersatzY - vorher, a.ScrollVert.SmallChange() / 100.0, 0.011);
    // Scrolling stops at the border below the page.
    for (int i = 0; i < 200; ++i)
        a.Blatt.Mausrad(-120);
    EXPECT_NEAR(a.Blatt.VersatzY, a.Blatt.BlattHoehe + a.Blatt.RandY - a.Blatt.FensterHoehe, 0.011);
}

TEST(Blatt, APrintJobPaintsEachPageOnThePrinter)
{
    TAufzeichnungsdrucker drucker;
    Ansicht a;
    a.Blatt.SetzeDrucker(&drucker);
    a.Blatt.SetzeBereich(0, 0, 400, 300);
    a.Box.OnPaint = [&](TPaintBox&) {
        a.Blatt.BeginneZeichnen();
        EXPECT_TRUE(a.Blatt.Geraetemodus);
        a.Blatt.SchriftSetzen(TSchrift{}, 12);
        a.Blatt.Text("Seite", 1.0, 2.0);
        a.Blatt.BeendeZeichnen();
    };
    a.Blatt.DruckBeginnen();
    a.Blatt.SeiteDrucken();
    a.Blatt.SeiteDrucken();
    a.Blatt.DruckBeenden();
    EXPECT_FALSE(a.Blatt.Geraetemodus);
    EXPECT_EQ(drucker.Protokoll, (std::vector<std::string>{"BeginDoc", "NewPage", "EndDoc"}));
    ASSERT_EQ(drucker.Seiten.size(), 2u);
    const auto& text = drucker.Seiten[1].at(0);
    EXPECT_EQ(text.X1, std::lround(1.0 * 600 / 2.54));
    EXPECT_EQ(text.Y1, std::lround(2.0 * 600 / 2.54));
    EXPECT_EQ(text.Schrift.Groesse, 12);
}

TEST(Blatt, TheClipboardPictureIsCutToWhatWasDrawn)
{
    TAufzeichnungsdrucker drucker;
    TAufzeichnungsablage ablage;
    Ansicht a;
    a.Blatt.SetzeDrucker(&drucker);
    a.Blatt.SetzeZwischenablage(&ablage);
    a.Blatt.SetzeBereich(0, 0, 800, 1200);
    a.Box.OnPaint = [&](TPaintBox&) {
        a.Blatt.BeginneZeichnen();
        a.Blatt.SchriftSetzen(TSchrift{}, 12);
        a.Blatt.Text("ab", 2.0, 3.0);
        a.Blatt.Bewege(1.0, 5.0);
        a.Blatt.Linie(6.0, 5.0);
        a.Blatt.BeendeZeichnen();
    };
    a.Blatt.InZwischenablage();
    ASSERT_NE(ablage.Bild, nullptr);
    EXPECT_TRUE(ablage.Bild->Fertig);
    // Extent x 1..6, y 3..5 cm, plus 0.4 cm on the right and below, at the screen's scale.
    const double massstab = 96 / 2.54;
    EXPECT_EQ(ablage.Bild->Breite, std::lround(5.4 * massstab));
    EXPECT_EQ(ablage.Bild->Hoehe, std::lround(2.4 * massstab));
    const auto texte = ablage.Bild->Flaeche.TexteMit("ab");
    ASSERT_EQ(texte.size(), 1u);
    EXPECT_EQ(texte[0].X1, std::lround(1.0 * massstab)); // drawn relative to the extent's corner
    EXPECT_EQ(texte[0].Y1, 0);
    EXPECT_FALSE(a.Blatt.Geraetemodus);
    EXPECT_DOUBLE_EQ(a.Blatt.GeraetProCmX, 600 / 2.54);
}

TEST(Blatt, CoordinatesBeyondThe32BitRangeAreARangeError)
{
    Ansicht a;
    a.Blatt.SetzeBereich(0, 0, 400, 300);
    EXPECT_THROW((void)a.Blatt.XGeraet(1e12, true), ERangeError);
    EXPECT_NO_THROW((void)a.Blatt.YGeraet(1e3, true));
}

} // namespace
