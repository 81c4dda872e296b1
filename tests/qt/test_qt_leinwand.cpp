// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas on a QImage: whole pixels are easy to check there, and the image has the
// screen's 96 dpi.

#include "qt/platform/QtLeinwand.h"
#include "qt/QtTesthilfen.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// An image of white paper with a canvas drawing on it.
class TBildflaeche {
public:
    TBildflaeche() : Bild(200, 160, QImage::Format_RGB32), Flaeche(Bild)
    {
        Bild.fill(Qt::white);
        Maler.begin(&Bild);
        Flaeche.MalerAnhaengen(Maler);
    }
    // Ends the drawing and returns the image.
    const QImage& Fertig()
    {
        Flaeche.Abhaengen();
        Maler.end();
        return Bild;
    }

    QImage Bild;
    TQtLeinwand Flaeche;
    QPainter Maler;
};

TSchrift Schrift(int groesse, std::int32_t farbe = TSchrift::FarbeFenstertext, int stil = 0)
{
    TSchrift schrift;
    schrift.Groesse = groesse;
    schrift.Farbe = farbe;
    schrift.Stil = stil;
    return schrift;
}

QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

} // namespace

// ---- Colours --------------------------------------------------------------------------------

struct TFarbfall {
    const char* Name;
    std::int32_t Farbe;
    QRgb Erwartet;
};

class Farben : public ::testing::TestWithParam<TFarbfall> {};

TEST_P(Farben, FillAndTextShowTheColour)
{
    const auto& fall = GetParam();
    TBildflaeche f;
    f.Flaeche.Fuellen(10, 10, 30, 30, fall.Farbe);
    // A big "I" has a stem many pixels wide, whose inside is the pure text colour.
    f.Flaeche.SetzeSchrift(Schrift(72, fall.Farbe, TSchrift::Fett));
    f.Flaeche.TextAus(60, 10, "I");
    const QImage& bild = f.Fertig();

    EXPECT_EQ(bild.pixel(20, 20), fall.Erwartet);
    const QRect stamm = Tinte(bild, QRect(60, 10, 100, 140));
    ASSERT_FALSE(stamm.isEmpty());
    EXPECT_EQ(bild.pixel(stamm.center()), fall.Erwartet);
}

INSTANTIATE_TEST_SUITE_P(Qt, Farben,
                         ::testing::Values(TFarbfall{"Fenstertext", TSchrift::FarbeFenstertext, Rgb(0, 0, 0)},
                                           TFarbfall{"andereSystemfarbe", -16777201, Rgb(0, 0, 0)},
                                           TFarbfall{"Rot", 0x0000FF, Rgb(255, 0, 0)},
                                           TFarbfall{"Gruen", 0x00FF00, Rgb(0, 255, 0)},
                                           TFarbfall{"Blau", 0xFF0000, Rgb(0, 0, 255)},
                                           TFarbfall{"Silber", FarbeSilber, Rgb(192, 192, 192)},
                                           TFarbfall{"Gemischt", 0x123456, Rgb(0x56, 0x34, 0x12)}),
                         [](const auto& eintrag) { return std::string(eintrag.param.Name); });

TEST(QtLeinwand, TheFontColourComesBackUnchanged)
{
    TBildflaeche f;
    for (const std::int32_t farbe : {FarbeSilber, FarbeGrau, TSchrift::FarbeFenstertext, std::int32_t{-1}}) {
        f.Flaeche.SetzeSchriftfarbe(farbe);
        EXPECT_EQ(f.Flaeche.Schriftfarbe(), farbe);
        f.Flaeche.SetzeSchrift(Schrift(10, farbe));
        EXPECT_EQ(f.Flaeche.Schriftfarbe(), farbe);
    }
}

TEST(QtLeinwand, TheFontColourChangesOnlyTheColour)
{
    TBildflaeche f;
    f.Flaeche.SetzeSchrift(Schrift(40));
    const double breite = f.Flaeche.Textbreite("Zifferbogen");
    f.Flaeche.SetzeSchriftfarbe(0x0000FF);
    EXPECT_EQ(f.Flaeche.Textbreite("Zifferbogen"), breite);
    f.Flaeche.TextAus(5, 5, "I");
    const QImage& bild = f.Fertig();
    const QRect tinte = Tinte(bild, bild.rect());
    ASSERT_FALSE(tinte.isEmpty());
    EXPECT_EQ(bild.pixel(tinte.center()), Rgb(255, 0, 0));
}

// ---- Lines ----------------------------------------------------------------------------------

struct TLinienfall {
    const char* Name;
    int X1, Y1, X2, Y2, Breite;
    QRect Bedeckt; // exactly the pixels the line covers
};

class Linien : public ::testing::TestWithParam<TLinienfall> {};

TEST_P(Linien, CoverWholePixels)
{
    const auto& fall = GetParam();
    TBildflaeche f;
    f.Flaeche.SetzeStift(FarbeSchwarz, fall.Breite);
    f.Flaeche.BewegeZu(fall.X1, fall.Y1);
    f.Flaeche.LinieZu(fall.X2, fall.Y2);
    const QImage& bild = f.Fertig();

    EXPECT_EQ(Tinte(bild, bild.rect()), fall.Bedeckt);
    EXPECT_EQ(bild.pixel(fall.Bedeckt.center()), Rgb(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Qt, Linien,
                         ::testing::Values(TLinienfall{"waagrecht1", 10, 20, 30, 20, 1, QRect(10, 20, 20, 1)},
                                           TLinienfall{"waagrechtNullIstEins", 10, 20, 30, 20, 0, QRect(10, 20, 20, 1)},
                                           TLinienfall{"waagrecht2", 10, 20, 30, 20, 2, QRect(10, 19, 20, 2)},
                                           TLinienfall{"waagrecht3", 10, 20, 30, 20, 3, QRect(10, 19, 20, 3)},
                                           TLinienfall{"senkrecht1", 50, 5, 50, 45, 1, QRect(50, 5, 1, 40)},
                                           TLinienfall{"senkrecht4", 50, 5, 50, 45, 4, QRect(48, 5, 4, 40)},
                                           TLinienfall{"rueckwaerts", 30, 20, 10, 20, 1, QRect(10, 20, 20, 1)}),
                         [](const auto& eintrag) { return std::string(eintrag.param.Name); });

TEST(QtLeinwand, LineToSetsTheNewPoint)
{
    TBildflaeche f;
    f.Flaeche.SetzeStift(0x0000FF, 1);
    f.Flaeche.BewegeZu(10, 10);
    f.Flaeche.LinieZu(40, 10);
    f.Flaeche.LinieZu(40, 50); // continues from (40, 10)
    const QImage& bild = f.Fertig();
    EXPECT_EQ(bild.pixel(25, 10), Rgb(255, 0, 0));
    EXPECT_EQ(bild.pixel(40, 30), Rgb(255, 0, 0));
    EXPECT_EQ(Tinte(bild, bild.rect()), QRect(QPoint(10, 10), QPoint(40, 49)));
}

// ---- Filling and clipping ---------------------------------------------------------------------

TEST(QtLeinwand, FillingLeavesOutRightAndBottom)
{
    TBildflaeche f;
    f.Flaeche.Fuellen(5, 6, 15, 20, FarbeGrau);
    f.Flaeche.Fuellen(50, 50, 40, 60, FarbeSchwarz); // inverted: nothing
    const QImage& bild = f.Fertig();
    EXPECT_EQ(Tinte(bild, bild.rect()), QRect(QPoint(5, 6), QPoint(14, 19)));
    EXPECT_EQ(bild.pixel(10, 10), Rgb(128, 128, 128));
}

TEST(QtLeinwand, ClippingLimitsUntilLifted)
{
    TBildflaeche f;
    f.Flaeche.Beschneiden(10, 10, 30, 30);
    f.Flaeche.Fuellen(0, 0, 100, 100, FarbeSchwarz);
    f.Flaeche.SetzeStift(FarbeSchwarz, 1);
    f.Flaeche.BewegeZu(0, 50);
    f.Flaeche.LinieZu(100, 50);
    f.Flaeche.BeschneidenAufheben();
    f.Flaeche.Fuellen(150, 100, 160, 110, FarbeSchwarz);
    const QImage& bild = f.Fertig();
    EXPECT_EQ(Tinte(bild, QRect(0, 0, 120, 120)), QRect(QPoint(10, 10), QPoint(29, 29)));
    EXPECT_EQ(Tinte(bild, QRect(120, 0, 80, 160)), QRect(QPoint(150, 100), QPoint(159, 109)));
}

TEST(QtLeinwand, WithoutAPainterItOnlyMeasures)
{
    QImage bild(100, 100, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TQtLeinwand flaeche(bild);
    flaeche.SetzeSchrift(Schrift(20));
    EXPECT_GT(flaeche.Textbreite("12"), 0.0);
    flaeche.TextAus(10, 10, "12");
    flaeche.Fuellen(0, 0, 50, 50, FarbeSchwarz);
    flaeche.BewegeZu(0, 60);
    flaeche.LinieZu(90, 60);
    EXPECT_TRUE(Tinte(bild, bild.rect()).isEmpty());

    // Attached later, the painter draws from the point set before.
    QPainter maler(&bild);
    flaeche.MalerAnhaengen(maler);
    flaeche.LinieZu(90, 80);
    flaeche.Abhaengen();
    maler.end();
    EXPECT_EQ(Tinte(bild, bild.rect()), QRect(QPoint(90, 60), QPoint(90, 79)));
}

// ---- Text -------------------------------------------------------------------------------------

TEST(QtLeinwand, TextStandsWithItsTopEdgeOnY)
{
    // "M" reaches from the cap height to the baseline: its ink must start below y and end on
    // the baseline, which lies in the lower part of the text height, not at y.
    TBildflaeche f;
    f.Flaeche.SetzeSchrift(Schrift(36));
    const double hoehe = f.Flaeche.Texthoehe("M");
    f.Flaeche.TextAus(40, 50, "M");
    const QImage& bild = f.Fertig();
    const QRect tinte = Tinte(bild, bild.rect());
    ASSERT_FALSE(tinte.isEmpty());
    EXPECT_GE(tinte.top(), 50);
    EXPECT_GT(tinte.bottom(), 50 + 0.7 * hoehe);
    EXPECT_LT(tinte.bottom(), 50 + 0.9 * hoehe);
    EXPECT_GE(tinte.left(), 40);
    EXPECT_LT(tinte.left(), 40 + 0.15 * hoehe);
}

TEST(QtLeinwand, TextHasNoBackground)
{
    TBildflaeche f;
    f.Flaeche.Fuellen(0, 0, 200, 160, 0x0000FF);
    f.Flaeche.SetzeSchrift(Schrift(30));
    f.Flaeche.TextAus(10, 10, "1 + 1");
    const QImage& bild = f.Fertig();
    // The space inside the text keeps the red paper.
    EXPECT_EQ(bild.pixel(2, 2), Rgb(255, 0, 0));
    int rot = 0;
    for (int x = 10; x < 190; ++x)
        rot += bild.pixel(x, 30) == Rgb(255, 0, 0) ? 1 : 0;
    EXPECT_GT(rot, 60);
}

TEST(QtLeinwand, StylesChangeThePicture)
{
    // Underline and strike-out draw a bar below and through the text; bold and italic give
    // other ink; together all four differ from each other and from plain text.
    std::vector<QImage> bilder;
    for (const int stil : {0, TSchrift::Fett, TSchrift::Kursiv, TSchrift::Unterstrichen, TSchrift::Durchgestrichen}) {
        TBildflaeche f;
        f.Flaeche.SetzeSchrift(Schrift(24, TSchrift::FarbeFenstertext, stil));
        f.Flaeche.TextAus(10, 10, "Zahlen"); // no descenders
        bilder.push_back(f.Fertig());
    }
    for (std::size_t i = 0; i < bilder.size(); ++i) {
        for (std::size_t j = i + 1; j < bilder.size(); ++j)
            EXPECT_NE(bilder[i], bilder[j]) << "Stil " << i << " und " << j;
    }
    // The underline runs below the baseline, lower than any letter of the word.
    const QRect schlicht = Tinte(bilder[0], bilder[0].rect());
    const QRect unterstrichen = Tinte(bilder[3], bilder[3].rect());
    EXPECT_GT(unterstrichen.bottom(), schlicht.bottom());
}
