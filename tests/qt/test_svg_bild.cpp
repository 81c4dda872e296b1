// The clipboard picture as SVG, the desktop clipboard's three formats, and the clipboard of
// the headless run.

#include "qt/QtTesthilfen.h"
#include "qt/SvgBild.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

namespace {

// Draws a small worksheet row on a picture of the clipboard.
void Zeichnen(TBild& bild, const char* text)
{
    TSchrift schrift;
    schrift.Groesse = 12;
    bild.Leinwand().SetzeSchrift(schrift);
    bild.Leinwand().TextAus(10, 10, text);
    bild.Leinwand().SetzeStift(FarbeSchwarz, 2);
    bild.Leinwand().BewegeZu(10, 40);
    bild.Leinwand().LinieZu(150, 40);
    bild.Leinwand().Fuellen(10, 60, 60, 90, FarbeSchwarz);
}

double Attribut(const std::string& svg, const std::string& name)
{
    std::smatch treffer;
    const std::regex muster("<svg[^>]*\\s" + name + "=\"([0-9.]+)mm\"");
    if (!std::regex_search(svg, treffer, muster))
        return -1;
    return std::stod(treffer[1].str());
}

struct TGroessenfall {
    const char* Name;
    int Breite;
    int Hoehe;
    double PxProCm;
};

class SvgGroesse : public ::testing::TestWithParam<TGroessenfall> {};

} // namespace

TEST_P(SvgGroesse, StehtInMillimeternUndPixeln)
{
    const auto& fall = GetParam();
    TSvgBild bild(fall.Breite, fall.Hoehe, fall.PxProCm);
    Zeichnen(bild, "3 + 4 = 7");
    bild.Abschliessen();
    const std::string& svg = bild.Svg();

    // Other programs show the picture at its real size: pixels / pxProCm centimetres.
    EXPECT_NEAR(Attribut(svg, "width"), fall.Breite / fall.PxProCm * 10.0, 0.02 * fall.Breite / fall.PxProCm * 10.0);
    EXPECT_NEAR(Attribut(svg, "height"), fall.Hoehe / fall.PxProCm * 10.0, 0.02 * fall.Hoehe / fall.PxProCm * 10.0);
    const std::string viewBox =
        "viewBox=\"0 0 " + std::to_string(fall.Breite) + " " + std::to_string(fall.Hoehe) + "\"";
    EXPECT_NE(svg.find(viewBox), std::string::npos) << svg.substr(0, 600);
    EXPECT_EQ(bild.Dpi(), static_cast<int>(std::lround(fall.PxProCm * 2.54)));
}

INSTANTIATE_TEST_SUITE_P(Qt, SvgGroesse,
                         ::testing::Values(TGroessenfall{"Bildschirm", 756, 1086, 37.8},
                                           TGroessenfall{"fein", 2362, 3390, 118.11},
                                           TGroessenfall{"klein", 200, 100, 20.0}),
                         [](const auto& eintrag) { return std::string(eintrag.param.Name); });

TEST(SvgBild, EnthaeltTitelTextUndZeichnung)
{
    TSvgBild bild(400, 300, 37.8);
    Zeichnen(bild, "12 \xe2\x88\x92 5 = 7 f\xc3\xbcr Anna & Ben <3>");
    EXPECT_TRUE(bild.Svg().empty()); // only complete after Abschliessen
    bild.Abschliessen();
    const std::string svg = bild.Svg();
    EXPECT_NE(svg.find("<title>Zifferbogen</title>"), std::string::npos);
    EXPECT_NE(svg.find("12 \xe2\x88\x92 5 = 7 f\xc3\xbcr Anna &amp; Ben &lt;3&gt;"), std::string::npos) << svg;
    // The font is named as the worksheet names it, for the program that shows the picture.
    EXPECT_NE(svg.find("font-family=\"Arial\""), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    bild.Abschliessen(); // a second time changes nothing
    EXPECT_EQ(bild.Svg(), svg);

    QSvgRenderer pruefer(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    EXPECT_TRUE(pruefer.isValid());
}

TEST(SvgBild, ZeichnetWasDieLeinwandBekommt)
{
    TSvgBild bild(200, 100, 37.8);
    Zeichnen(bild, "I");
    bild.Abschliessen();
    QSvgRenderer zeichner(QByteArray(bild.Svg().data(), static_cast<qsizetype>(bild.Svg().size())));
    QImage pixel(200, 100, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    {
        QPainter maler(&pixel);
        zeichner.render(&maler, QRectF(0, 0, 200, 100));
    }
    EXPECT_TRUE(Dunkel(pixel.pixel(80, 40)));                  // the line
    EXPECT_TRUE(Dunkel(pixel.pixel(30, 75)));                  // the filled rectangle
    EXPECT_TRUE(Weiss(pixel.pixel(100, 75)));                  // beside it
    EXPECT_TRUE(Weiss(pixel.pixel(170, 40)));                  // beyond the line's end
    EXPECT_FALSE(Tinte(pixel, QRect(5, 5, 40, 30)).isEmpty()); // the text
}

TEST(QtZwischenablage, LegtSvgPngUndPdfAb)
{
    TQtZwischenablage ablage;
    auto bild = ablage.NeuesBild(300, 200, 37.8);
    Zeichnen(*bild, "Rechenblatt");
    bild->Abschliessen();
    const std::string svg = bild->Svg();
    ablage.BildAblegen(std::move(bild));

    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    const QByteArray abgelegtesSvg = daten->data(QStringLiteral("image/svg+xml"));
    EXPECT_EQ(abgelegtesSvg.toStdString(), svg);

    ASSERT_TRUE(daten->hasImage());
    const QImage png = qvariant_cast<QImage>(daten->imageData());
    EXPECT_EQ(png.size(), QSize(300, 200));
    EXPECT_TRUE(Dunkel(png.pixel(30, 75)));
    EXPECT_TRUE(Weiss(png.pixel(250, 150)));

    const QByteArray pdf = daten->data(QStringLiteral("application/pdf"));
    ASSERT_FALSE(pdf.isEmpty());
    const TPdfDatei datei(pdf.toStdString());
    const std::string info = datei.Info();
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    // 300 × 200 pixels at 96 dpi are 225 × 150 points.
    EXPECT_NE(info.find("Page size:       225 x 150 pts"), std::string::npos) << info;
    // The text reaches the PDF as outlines, so it is looked for as ink, beside the bar.
    const QImage seite = datei.Seite(1, 96);
    ASSERT_EQ(seite.size(), QSize(300, 200));
    EXPECT_FALSE(Tinte(seite, QRect(5, 5, 140, 25)).isEmpty());
    EXPECT_TRUE(Dunkel(seite.pixel(30, 75)));
    EXPECT_TRUE(Weiss(seite.pixel(250, 150)));
}

TEST(QtZwischenablage, SchliesstEinOffenesBildAb)
{
    TQtZwischenablage ablage;
    auto bild = ablage.NeuesBild(100, 50, 37.8);
    Zeichnen(*bild, "offen");
    ablage.BildAblegen(std::move(bild));
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_TRUE(daten->data(QStringLiteral("image/svg+xml")).contains("offen"));
}

TEST(SvgDateiablage, BehaeltDasLetzteBild)
{
    TSvgDateiablage ablage;
    EXPECT_FALSE(ablage.HatBild());
    EXPECT_TRUE(ablage.Svg().empty());
    for (const char* text : {"erstes", "zweites"}) {
        auto bild = ablage.NeuesBild(120, 80, 37.8);
        Zeichnen(*bild, text);
        bild->Abschliessen();
        ablage.BildAblegen(std::move(bild));
        ASSERT_TRUE(ablage.HatBild());
        EXPECT_NE(ablage.Svg().find(text), std::string::npos);
    }
    EXPECT_EQ(ablage.Svg().find("erstes"), std::string::npos);
}
