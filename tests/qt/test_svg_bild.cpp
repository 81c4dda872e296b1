// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard picture as SVG, the desktop clipboard's three formats, and the clipboard of
// the headless run.

#include "cli/Kommandozeile.h"
#include "fixtures/Kommandozeilenlauf.h"
#include "qt/platform/QtAusgabegeraete.h"
#include "qt/QtTesthilfen.h"
#include "qt/platform/SvgBild.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A number as SVG and poppler write it, with a point under every locale (the test runs
// under the user's, as Qt sets it).
double Zahl(const std::string& text)
{
    double wert = 0;
    std::from_chars(text.data(), text.data() + text.size(), wert);
    return wert;
}

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
    return Zahl(treffer[1].str());
}

struct TGroessenfall {
    const char* Name;
    int Breite;
    int Hoehe;
    double PxProCm;
};

class SvgGroesse : public ::testing::TestWithParam<TGroessenfall> {};

} // namespace

TEST_P(SvgGroesse, IsGivenInMillimetresAndPixels)
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

TEST(SvgBild, HoldsTitleTextAndDrawing)
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

TEST(SvgBild, DrawsWhatTheCanvasGets)
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

TEST(QtZwischenablage, PutsSvgPngAndPdfOnTheClipboard)
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

TEST(QtZwischenablage, ClosesAnOpenPicture)
{
    TQtZwischenablage ablage;
    auto bild = ablage.NeuesBild(100, 50, 37.8);
    Zeichnen(*bild, "offen");
    ablage.BildAblegen(std::move(bild));
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_TRUE(daten->data(QStringLiteral("image/svg+xml")).contains("offen"));
}

TEST(SvgDateiablage, KeepsTheLastPicture)
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

namespace {

// A word of a page and where it stands, in centimetres from the top left of its drawing.
struct TWort {
    std::string Text;
    double X;
    double Y;
};

std::string DateiLesen(const QString& pfad)
{
    QFile datei(pfad);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << pfad.toStdString();
    return datei.readAll().toStdString();
}

// The SVG's texts, scaled by the picture's own millimetre size. SVG gives a text's baseline;
// the top of its line is an ascent above it (Liberation Sans: 0.905 of the size), as poppler
// reckons it for the PDF.
std::vector<TWort> SvgWoerter(const std::string& svg)
{
    std::smatch kopf;
    EXPECT_TRUE(std::regex_search(svg, kopf, std::regex(R"re(width="([0-9.]+)mm"[^>]*viewBox="0 0 ([0-9]+) )re")));
    const double pxProCm = Zahl(kopf[2].str()) / (Zahl(kopf[1].str()) / 10);
    std::vector<TWort> woerter;
    const std::regex text(
        R"re(<text[^>]*\sx="([-0-9.]+)" y="([-0-9.]+)"[^>]*font-size="([0-9.]+)"[^>]*>([^<]*)</text>)re");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator(); ++it) {
        const double oben = Zahl((*it)[2].str()) - 0.905 * Zahl((*it)[3].str());
        woerter.push_back({(*it)[4].str(), Zahl((*it)[1].str()) / pxProCm, oben / pxProCm});
    }
    return woerter;
}

// The PDF's words as poppler finds them (y is the top of the line).
std::vector<TWort> PdfWoerter(const QString& pfad)
{
    const std::string html = Werkzeug(ZB_PDFTOTEXT, {QStringLiteral("-bbox"), pfad, QStringLiteral("-")});
    std::vector<TWort> woerter;
    const std::regex wort(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    constexpr double cmProPunkt = 2.54 / 72;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), wort); it != std::sregex_iterator(); ++it)
        woerter.push_back(
            {(*it)[3].str(), Zahl((*it)[1].str()) * cmProPunkt, Zahl((*it)[2].str()) * cmProPunkt});
    return woerter;
}

const TWort* Finden(const std::vector<TWort>& woerter, const std::string& text)
{
    for (const auto& w : woerter) {
        if (w.Text == text)
            return &w;
    }
    return nullptr;
}

// The first word of the tasks: the leftmost of the top row below the heading block.
const TWort* ErsteAufgabe(const std::vector<TWort>& woerter, double unterDemKopf)
{
    const TWort* oben = nullptr;
    for (const auto& w : woerter) {
        if (w.Y > unterDemKopf && (oben == nullptr || w.Y < oben->Y))
            oben = &w;
    }
    const TWort* erstes = oben;
    for (const auto& w : woerter) {
        if (oben != nullptr && w.Y > unterDemKopf && std::abs(w.Y - oben->Y) < 0.3 && w.X < erstes->X)
            erstes = &w;
    }
    return erstes;
}

struct TBildfall {
    const char* Name;
    std::vector<std::string> Ueberschrift;
    std::vector<std::string> Anweisung;
    std::vector<std::string> Einstellungen; // --set NAME=WERT
};

class BildWieSeite : public ::testing::TestWithParam<TBildfall> {};

} // namespace

// The copied picture shows the printed page at its own scale, cut to what is drawn: the
// heading, the work instruction and the first task stand where they stand on the PDF's page,
// relative to each other.
TEST_P(BildWieSeite, HeadingAndTasksStandAsInThePdf)
{
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    const QString svgPfad = ordner.filePath(QStringLiteral("blatt.svg"));
    const QString pdfPfad = ordner.filePath(QStringLiteral("blatt.pdf"));
    std::vector<std::string> argumente{"--seed", "5"};
    for (const auto& zeile : fall.Ueberschrift)
        argumente.insert(argumente.end(), {"--heading", zeile});
    for (const auto& zeile : fall.Anweisung)
        argumente.insert(argumente.end(), {"--instruction", zeile});
    for (const auto& einstellung : fall.Einstellungen)
        argumente.insert(argumente.end(), {"--set", einstellung});
    argumente.insert(argumente.end(), {"--svg", svgPfad.toStdString(), "--pdf", pdfPfad.toStdString()});
    TQtAusgabegeraete geraete;
    const TLauf lauf = Ausfuehren(argumente, {}, &geraete);
    ASSERT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;

    const auto svg = SvgWoerter(DateiLesen(svgPfad));
    const auto pdf = PdfWoerter(pdfPfad);
    const std::string& bezug = fall.Ueberschrift.front();
    const TWort* svgBezug = Finden(svg, bezug);
    const TWort* pdfBezug = Finden(pdf, bezug);
    ASSERT_TRUE(svgBezug != nullptr && pdfBezug != nullptr) << bezug;
    // The picture begins where the drawing begins: nothing lies left of or above it.
    for (const auto& w : svg) {
        EXPECT_GE(w.X, -0.01) << w.Text;
        EXPECT_GE(w.Y, 0) << w.Text;
    }

    // Positions relative to the first heading line, to within the rounding of the picture's
    // pixels and the fonts' different side bearings.
    const auto vergleichen = [&](const TWort& imBild, const TWort& imPdf) {
        EXPECT_NEAR(imBild.X - svgBezug->X, imPdf.X - pdfBezug->X, 0.15) << imBild.Text;
        EXPECT_NEAR(imBild.Y - svgBezug->Y, imPdf.Y - pdfBezug->Y, 0.1) << imBild.Text;
    };
    double kopfEndeSvg = svgBezug->Y;
    double kopfEndePdf = pdfBezug->Y;
    std::vector<std::string> kopf = fall.Ueberschrift;
    kopf.insert(kopf.end(), fall.Anweisung.begin(), fall.Anweisung.end());
    for (const auto& zeile : kopf) {
        const TWort* imBild = Finden(svg, zeile);
        const TWort* imPdf = Finden(pdf, zeile);
        ASSERT_TRUE(imBild != nullptr && imPdf != nullptr) << zeile;
        vergleichen(*imBild, *imPdf);
        kopfEndeSvg = std::max(kopfEndeSvg, imBild->Y);
        kopfEndePdf = std::max(kopfEndePdf, imPdf->Y);
    }
    const TWort* aufgabeImBild = ErsteAufgabe(svg, kopfEndeSvg + 0.1);
    const TWort* aufgabeImPdf = ErsteAufgabe(pdf, kopfEndePdf + 0.1);
    ASSERT_TRUE(aufgabeImBild != nullptr && aufgabeImPdf != nullptr);
    // poppler joins glyphs that stand close into one word.
    EXPECT_EQ(aufgabeImPdf->Text.rfind(aufgabeImBild->Text, 0), 0u) << aufgabeImPdf->Text;
    vergleichen(*aufgabeImBild, *aufgabeImPdf);
}

INSTANTIATE_TEST_SUITE_P(
    Qt, BildWieSeite,
    ::testing::Values(TBildfall{"eineZeile", {"Kopfrechnen"}, {}, {}},
                      TBildfall{"zweiZeilenMitAnweisung", {"Rechenblatt", "Kopfrechnen"}, {"Rechne!", "Vergleiche!"}, {}},
                      TBildfall{"schriftlichMitKaestchenNummernUndLoesungen",
                                {"Rechenblatt", "Kopfrechnen", "Zahlenraum"},
                                {"Rechne!"},
                                {"CBSchriftlich=true", "CBRechenkaestchen=true", "CBNummerierung=true",
                                 "CBLoesungen=true"}}),
    [](const auto& eintrag) { return std::string(eintrag.param.Name); });

namespace {

// Where a worksheet holds a text that the picture and the PDF both draw.
enum class TTextort { Ueberschrift, ZeichenNachNummer, Schriftname };

struct TZeichenfall {
    const char* Name;
    TTextort Ort;
    std::string Text;    // a heading's bytes on the command line, else the bytes in the file
    std::string Gezeigt; // what every output shows for it
};

void PrintTo(const TZeichenfall& fall, std::ostream* aus)
{
    *aus << fall.Name;
}

class BildUndPdf : public ::testing::TestWithParam<TZeichenfall> {};

const std::string Ersatz = "\xef\xbf\xbd"; // U+FFFD

// Without blanks: poppler puts as many between words as the layout needs, the picture places
// its texts without any.
std::string OhneLeerraum(std::string text)
{
    std::erase_if(text, [](char c) { return std::string_view(" \t\n\r\f").find(c) != std::string_view::npos; });
    return text;
}

// Runs the command line on Qt's output devices; it must finish.
void MitQtAusfuehren(const std::vector<std::string>& argumente)
{
    TQtAusgabegeraete geraete;
    const TLauf lauf = Ausfuehren(argumente, {}, &geraete);
    EXPECT_EQ(lauf.Status, StatusFertig) << lauf.Fehler;
}

} // namespace

// Control characters, noncharacters and bytes that are not UTF-8 reach the picture as the PDF
// shows them, and the picture stays well-formed XML, its font names included.
TEST_P(BildUndPdf, ShowTheSameText)
{
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    const std::string datei = ordner.filePath(QStringLiteral("blatt.zfb")).toStdString();
    const QString svgPfad = ordner.filePath(QStringLiteral("blatt.svg"));
    const QString pdfPfad = ordner.filePath(QStringLiteral("blatt.pdf"));
    const std::vector<std::string> ausgaben{"--svg", svgPfad.toStdString(), "--pdf", pdfPfad.toStdString()};
    if (fall.Ort == TTextort::Ueberschrift) {
        MitQtAusfuehren({"--seed", "5", "--heading", fall.Text, ausgaben[0], ausgaben[1], ausgaben[2], ausgaben[3]});
    } else {
        // A numbered sheet's file with the stored text replaced.
        MitQtAusfuehren({"--seed", "5", "--set", "CBNummerierung=true", "--save", datei});
        std::string bytes = DateiLesen(QString::fromStdString(datei));
        const std::string alt = fall.Ort == TTextort::Schriftname ? "[Arial]" : "[.]";
        const std::string neu = "[" + fall.Text + "]";
        ASSERT_NE(bytes.find(alt), std::string::npos);
        for (auto stelle = bytes.find(alt); stelle != std::string::npos; stelle = bytes.find(alt, stelle + neu.size()))
            bytes.replace(stelle, alt.size(), neu);
        std::ofstream(datei, std::ios::binary) << bytes;
        MitQtAusfuehren({datei, ausgaben[0], ausgaben[1], ausgaben[2], ausgaben[3]});
    }

    std::string bild;
    std::set<std::string> familien;
    QXmlStreamReader leser(QByteArray::fromStdString(DateiLesen(svgPfad)));
    while (!leser.atEnd()) {
        if (leser.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (const auto familie = leser.attributes().value(QStringLiteral("font-family")); !familie.isNull())
            familien.insert(familie.toString().toStdString());
        if (leser.name() == u"text")
            bild += leser.readElementText().toStdString();
    }
    ASSERT_FALSE(leser.hasError()) << leser.errorString().toStdString();
    bild = OhneLeerraum(bild);
    const std::string pdf =
        OhneLeerraum(Werkzeug(ZB_PDFTOTEXT, {QStringLiteral("-layout"), pdfPfad, QStringLiteral("-")}));

    // The picture's drawing order is not poppler's reading order, so the page's characters are
    // compared as a whole, and the case's text where it stands.
    std::string bildZeichen = bild;
    std::string pdfZeichen = pdf;
    std::ranges::sort(bildZeichen);
    std::ranges::sort(pdfZeichen);
    EXPECT_EQ(bildZeichen, pdfZeichen) << "Bild: " << bild << "\nPDF: " << pdf;
    if (fall.Ort == TTextort::Schriftname) {
        EXPECT_EQ(familien, std::set<std::string>{fall.Gezeigt});
    } else {
        const std::string gesucht = (fall.Ort == TTextort::ZeichenNachNummer ? "1" : "") + fall.Gezeigt;
        EXPECT_NE(bild.find(gesucht), std::string::npos) << bild;
        EXPECT_NE(pdf.find(gesucht), std::string::npos) << pdf;
    }
}

// The bytes in octal, since a hexadecimal escape would swallow the letters after it.
INSTANTIATE_TEST_SUITE_P(
    Qt, BildUndPdf,
    ::testing::Values(
        TZeichenfall{"KopfMitSteuerzeichen", TTextort::Ueberschrift, "A\001b\010c\013d\014e\033f",
                     "A" + Ersatz + "b" + Ersatz + "c" + Ersatz + "d" + Ersatz + "e" + Ersatz + "f"},
        TZeichenfall{"KopfMitUmbruchDelC1UndNichtzeichen", TTextort::Ueberschrift,
                     "A\nb\rc\177d\302\205e\357\277\277f\360\237\277\276",
                     "A" + Ersatz + "b" + Ersatz + "c" + Ersatz + "d" + Ersatz + "e" + Ersatz + "f" + Ersatz},
        TZeichenfall{"KopfMitFalschemUtf8", TTextort::Ueberschrift, "A\377b\303c\355\240\200d\342\210",
                     "A" + Ersatz + "b" + Ersatz + "c" + Ersatz + Ersatz + Ersatz + "d" + Ersatz + Ersatz},
        TZeichenfall{"KopfMitTabBleibtLeerraum", TTextort::Ueberschrift, "Ab\tcd", "Abcd"},
        TZeichenfall{"NummerMitSteuerzeichen", TTextort::ZeichenNachNummer, "\001\013\033\201)",
                     Ersatz + Ersatz + Ersatz + Ersatz + ")"},
        TZeichenfall{"SchriftMitSteuerzeichen", TTextort::Schriftname, "Ar\010\014\033ial",
                     "Ar" + Ersatz + Ersatz + Ersatz + "ial"},
        TZeichenfall{"SchriftMitAttributzeichen", TTextort::Schriftname, "A & \"B\"\t<C>", "A & \"B\"\t<C>"}),
    [](const auto& eintrag) { return std::string(eintrag.param.Name); });
