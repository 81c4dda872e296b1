// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF printer: its page, measuring at its resolution, and the documents it prints, read
// back with poppler's tools.

#include "cli/Kommandozeile.h"
#include "qt/platform/PdfDrucker.h"
#include "qt/platform/QtAusgabegeraete.h"
#include "qt/QtTesthilfen.h"
#include "toolkit/Fehler.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

TSchrift Schrift(int groesse, int stil = 0)
{
    TSchrift schrift;
    schrift.Groesse = groesse;
    schrift.Stil = stil;
    return schrift;
}

// Pixels of the printer per point.
double PxProPunkt(const TPdfDrucker& drucker)
{
    return drucker.DpiY() / 72.0;
}

} // namespace

TEST(PdfDrucker, ThePageIsA4WithQtsMargins)
{
    TPdfDrucker drucker;
    EXPECT_EQ(drucker.Name(), "PDF (A4)");
    EXPECT_EQ(drucker.DpiX(), drucker.DpiY());
    ASSERT_GE(drucker.DpiX(), 300);
    // The printable area lies inside 210 × 297 mm and keeps the sheet's proportions.
    const double breiteMm = drucker.SeitePxBreite() * 25.4 / drucker.DpiX();
    const double hoeheMm = drucker.SeitePxHoehe() * 25.4 / drucker.DpiY();
    EXPECT_GT(breiteMm, 190.0);
    EXPECT_LE(breiteMm, 210.0);
    EXPECT_GT(hoeheMm, 277.0);
    EXPECT_LE(hoeheMm, 297.0);
    // Equal margins all round; Qt's A4 is 595 × 842 whole points, hence the tolerance.
    EXPECT_NEAR(210.0 - breiteMm, 297.0 - hoeheMm, 0.2);
}

// ---- Measuring --------------------------------------------------------------------------------

struct TMessfall {
    const char* Name;
    const char* Text;
    int Groesse;
    int Stil;
    double BreiteEm; // expected width in em of the font (Arial's metrics)
};

class Messen : public ::testing::TestWithParam<TMessfall> {};

TEST_P(Messen, HasArialsMetricsAtThePrintersResolution)
{
    const auto& fall = GetParam();
    TPdfDrucker drucker; // no job: measuring works before BeginDoc
    drucker.Leinwand().SetzeSchrift(Schrift(fall.Groesse, fall.Stil));
    const double em = fall.Groesse * PxProPunkt(drucker);
    EXPECT_NEAR(drucker.Leinwand().Textbreite(fall.Text), fall.BreiteEm * em, 0.02 * fall.BreiteEm * em);
    // Ascent plus descent of Liberation Sans: 0.905 + 0.212 em.
    EXPECT_NEAR(drucker.Leinwand().Texthoehe(fall.Text), 1.117 * em, 0.03 * em);
}

INSTANTIATE_TEST_SUITE_P(Qt, Messen,
                         ::testing::Values(TMessfall{"Ziffern12", "1234567890", 12, 0, 10 * 0.556},
                                           TMessfall{"Ziffern8", "1234567890", 8, 0, 10 * 0.556},
                                           TMessfall{"Ziffern36", "1234567890", 36, 0, 10 * 0.556},
                                           TMessfall{"ZiffernFett", "1234567890", 12, TSchrift::Fett, 10 * 0.556},
                                           TMessfall{"Mg12", "Mg", 12, 0, 0.833 + 0.556},
                                           TMessfall{"mmmm", "mmmm", 12, 0, 4 * 0.833},
                                           TMessfall{"mmmmFett", "mmmm", 12, TSchrift::Fett, 4 * 0.889},
                                           TMessfall{"Umlaute", "\xc3\xbc\x62\x65r", 12, 0, 3 * 0.556 + 0.333},
                                           TMessfall{"leer", "", 12, 0, 0.0}),
                         [](const auto& eintrag) { return std::string(eintrag.param.Name); });

TEST(PdfDrucker, TheWidthGrowsWithTheSize)
{
    TPdfDrucker drucker;
    double vorher = 0;
    for (const int groesse : {6, 8, 10, 11, 12, 14, 20, 36, 72}) {
        drucker.Leinwand().SetzeSchrift(Schrift(groesse));
        const double breite = drucker.Leinwand().Textbreite("12 + 7 = 19");
        EXPECT_GT(breite, vorher) << groesse << " pt";
        vorher = breite;
    }
}

TEST(PdfDrucker, BoldIsWiderThanNormal)
{
    TPdfDrucker drucker;
    for (const char* text : {"Aufgabe", "Rechne!", "mmmm"}) {
        drucker.Leinwand().SetzeSchrift(Schrift(12));
        const double normal = drucker.Leinwand().Textbreite(text);
        drucker.Leinwand().SetzeSchrift(Schrift(12, TSchrift::Fett));
        EXPECT_GT(drucker.Leinwand().Textbreite(text), normal) << text;
    }
}

TEST(PdfDrucker, MeasuresInAJobAsBefore)
{
    TPdfDrucker drucker;
    drucker.Leinwand().SetzeSchrift(Schrift(12));
    const double davor = drucker.Leinwand().Textbreite("1234567890");
    drucker.BeginDoc();
    EXPECT_EQ(drucker.Leinwand().Textbreite("1234567890"), davor);
    drucker.EndDoc();
    drucker.BeginDoc(); // a fresh document underneath
    EXPECT_EQ(drucker.Leinwand().Textbreite("1234567890"), davor);
    drucker.EndDoc();
}

// ---- Documents --------------------------------------------------------------------------------

TEST(PdfDrucker, TwoPagesKeepTheirText)
{
    TPdfDrucker drucker;
    EXPECT_TRUE(drucker.Dokument().empty());
    drucker.Leinwand().SetzeSchrift(Schrift(14));
    drucker.BeginDoc();
    drucker.Leinwand().TextAus(200, 200, "Rechenblatt f\xc3\xbcr Klasse 2");
    drucker.Leinwand().TextAus(200, 600, "12 + 7 = 19");
    drucker.NewPage();
    drucker.Leinwand().TextAus(200, 200, "L\xc3\xb6sungen");
    drucker.EndDoc();

    const std::string& pdf = drucker.Dokument();
    ASSERT_GT(pdf.size(), 100u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF", pdf.size() - 16), std::string::npos);

    const TPdfDatei datei(pdf);
    const std::string info = datei.Info();
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Zifferbogen"), std::string::npos) << info;
    const std::string seite1 = datei.Text(1);
    const std::string seite2 = datei.Text(2);
    EXPECT_NE(seite1.find("Rechenblatt f\xc3\xbcr Klasse 2"), std::string::npos) << seite1;
    EXPECT_NE(seite1.find("12 + 7 = 19"), std::string::npos) << seite1;
    EXPECT_EQ(seite1.find("L\xc3\xb6sungen"), std::string::npos) << seite1;
    EXPECT_NE(seite2.find("L\xc3\xb6sungen"), std::string::npos) << seite2;
}

TEST(PdfDrucker, EveryJobIsANewDocument)
{
    TPdfDrucker drucker;
    for (const char* text : {"Erstes Blatt", "Zweites Blatt"}) {
        drucker.BeginDoc();
        EXPECT_TRUE(drucker.Dokument().empty());
        drucker.Leinwand().TextAus(100, 100, text);
        drucker.EndDoc();
        const TPdfDatei datei(drucker.Dokument());
        EXPECT_NE(datei.Info().find("Pages:           1"), std::string::npos);
        const std::string inhalt = datei.Text();
        EXPECT_NE(inhalt.find(text), std::string::npos) << inhalt;
        EXPECT_EQ(inhalt.find("Erstes Blatt") != std::string::npos, text == std::string("Erstes Blatt")) << inhalt;
    }
}

TEST(PdfDrucker, AFontIsEmbeddedOnlyOnce)
{
    // Ten pages of the same font stay small: the font travels once, not per page.
    TPdfDrucker drucker;
    drucker.BeginDoc();
    drucker.Leinwand().TextAus(100, 100, "1234567890 + - = Aufgabe");
    drucker.EndDoc();
    const std::size_t eineSeite = drucker.Dokument().size();
    drucker.BeginDoc();
    for (int seite = 0; seite < 10; ++seite) {
        if (seite > 0)
            drucker.NewPage();
        drucker.Leinwand().TextAus(100, 100, "1234567890 + - = Aufgabe");
    }
    drucker.EndDoc();
    EXPECT_LT(drucker.Dokument().size(), eineSeite + 10 * 1500);
}

TEST(PdfDrucker, WithAnOutputEachPageLeavesAsItIsMade)
{
    // GIVEN an output that takes the document piece by piece
    TPdfDrucker drucker;
    std::string ausgabe;
    drucker.AusgabeSetzen([&](std::string_view bytes) { ausgabe.append(bytes); });
    // DO: 30 pages, noting how much has gone out before each new page
    drucker.BeginDoc();
    std::vector<std::size_t> vorSeite;
    for (int seite = 1; seite <= 30; ++seite) {
        if (seite > 1)
            drucker.NewPage();
        vorSeite.push_back(ausgabe.size());
        drucker.Leinwand().TextAus(100, 100, "Blatt " + std::to_string(seite) + ": 12 + 7 =");
    }
    drucker.EndDoc();
    // CHECK: every finished page went out before the next began; the whole document is in the
    // output, none of it in memory
    for (std::size_t i = 2; i < vorSeite.size(); ++i)
        EXPECT_GT(vorSeite[i], vorSeite[i - 1]) << "vor Seite " << i + 1;
    EXPECT_TRUE(drucker.Dokument().empty());
    const TPdfDatei datei(ausgabe);
    EXPECT_NE(datei.Info().find("Pages:           30\n"), std::string::npos) << datei.Info();
    EXPECT_NE(datei.Text(30).find("Blatt 30: 12 + 7 ="), std::string::npos);
}

TEST(PdfDrucker, AnOutputThatFailsEndsTheJobWithItsError)
{
    // The output refuses once it holds grenze bytes; the step that wrote them raises its
    // error, and the printer is free for another job, into memory, afterwards.
    struct Fall {
        std::size_t Grenze;
        int Seiten;            // pages the job would have
        const char* Scheitert; // where the error comes: "BeginDoc", "NewPage" or "EndDoc"
    };
    for (const Fall& fall : {Fall{0, 1, "BeginDoc"}, Fall{2000, 40, "NewPage"}, Fall{2000, 1, "EndDoc"}}) {
        TPdfDrucker drucker;
        std::string ausgabe;
        int versuche = 0;
        int beimFehler = -1;
        drucker.AusgabeSetzen([&](std::string_view bytes) {
            ++versuche;
            if (ausgabe.size() + bytes.size() > fall.Grenze) {
                beimFehler = versuche;
                throw EZifferbogenFehler("Die Platte ist voll.");
            }
            ausgabe.append(bytes);
        });
        std::string schritt = "BeginDoc";
        try {
            drucker.BeginDoc();
            for (int seite = 1; seite <= fall.Seiten; ++seite) {
                schritt = "NewPage";
                if (seite > 1)
                    drucker.NewPage();
                drucker.Leinwand().TextAus(100, 100, "Aufgabe " + std::to_string(seite));
            }
            schritt = "EndDoc";
            drucker.EndDoc();
            ADD_FAILURE() << fall.Scheitert << ": kein Fehler";
        } catch (const EZifferbogenFehler& fehler) {
            EXPECT_STREQ(fehler.what(), "Die Platte ist voll.") << fall.Scheitert;
        }
        EXPECT_EQ(schritt, fall.Scheitert);
        // After the first refusal the output is left alone, also by the job's ending.
        EXPECT_EQ(versuche, beimFehler) << fall.Scheitert;
        drucker.AusgabeSetzen({});
        drucker.BeginDoc();
        drucker.EndDoc();
        EXPECT_EQ(drucker.Dokument().substr(0, 5), "%PDF-") << fall.Scheitert;
    }
}

// ---- What is drawn lands on the page ------------------------------------------------------------

namespace {

// Renders page 1 at a low resolution and converts device pixels of the printer to pixels of
// the rendered sheet, whose margins Qt puts equally on all sides of its A4 of 595 points.
class TGerendert {
public:
    TGerendert(const TPdfDrucker& drucker, int dpi)
        : Datei(drucker.Dokument()), Bild(Datei.Seite(1, dpi)), Faktor(static_cast<double>(dpi) / drucker.DpiX()),
          Rand((595.0 / 72.0 * drucker.DpiX() - drucker.SeitePxBreite()) / 2.0)
    {}
    QPoint Punkt(double x, double y) const
    {
        return QPoint(static_cast<int>(std::floor((Rand + x) * Faktor)),
                      static_cast<int>(std::floor((Rand + y) * Faktor)));
    }
    QRect Rechteck(double links, double oben, double rechts, double unten) const
    {
        return QRect(Punkt(links, oben), Punkt(rechts, unten));
    }

    TPdfDatei Datei;
    QImage Bild;
    double Faktor;
    double Rand;
};

} // namespace

TEST(PdfDrucker, LinesAndAreasAppearWhereAsked)
{
    TPdfDrucker drucker;
    const int mm = static_cast<int>(std::lround(drucker.DpiX() / 25.4));
    drucker.BeginDoc();
    drucker.Leinwand().SetzeStift(FarbeSchwarz, 2 * mm);
    drucker.Leinwand().BewegeZu(20 * mm, 50 * mm);
    drucker.Leinwand().LinieZu(120 * mm, 50 * mm);
    drucker.Leinwand().Fuellen(40 * mm, 100 * mm, 80 * mm, 130 * mm, FarbeSchwarz);
    drucker.Leinwand().Fuellen(100 * mm, 100 * mm, 140 * mm, 130 * mm, FarbeSilber);
    drucker.EndDoc();

    const TGerendert seite(drucker, 50);
    ASSERT_FALSE(seite.Bild.isNull());
    const QImage& bild = seite.Bild;
    EXPECT_TRUE(Dunkel(bild.pixel(seite.Punkt(70 * mm, 50 * mm))));
    EXPECT_TRUE(Dunkel(bild.pixel(seite.Punkt(22 * mm, 50 * mm))));
    EXPECT_TRUE(Weiss(bild.pixel(seite.Punkt(70 * mm, 54 * mm))));
    EXPECT_TRUE(Weiss(bild.pixel(seite.Punkt(124 * mm, 50 * mm)))); // beyond the end: flat cap
    EXPECT_TRUE(Weiss(bild.pixel(seite.Punkt(16 * mm, 50 * mm))));
    EXPECT_TRUE(Dunkel(bild.pixel(seite.Punkt(60 * mm, 115 * mm))));
    EXPECT_TRUE(Weiss(bild.pixel(seite.Punkt(60 * mm, 135 * mm))));
    EXPECT_TRUE(Weiss(bild.pixel(seite.Punkt(36 * mm, 115 * mm))));
    const QRgb silber = bild.pixel(seite.Punkt(120 * mm, 115 * mm));
    EXPECT_NEAR(qRed(silber), 192, 2);
    EXPECT_NEAR(qGreen(silber), 192, 2);
    EXPECT_NEAR(qBlue(silber), 192, 2);
    // Nothing else is on the sheet.
    EXPECT_EQ(Tinte(bild, seite.Rechteck(0, 140 * mm, drucker.SeitePxBreite(), drucker.SeitePxHoehe())), QRect());
}

TEST(PdfDrucker, TextStandsBelowItsTopEdge)
{
    // A row of "M" placed at y: its ink starts just below y and ends on the baseline, in the
    // lower part of the text height. Text placed by its baseline would show above y.
    TPdfDrucker drucker;
    drucker.Leinwand().SetzeSchrift(Schrift(48));
    const int x = 1000;
    const int y = 2000;
    const double hoehe = drucker.Leinwand().Texthoehe("MMMM");
    const double breite = drucker.Leinwand().Textbreite("MMMM");
    drucker.BeginDoc();
    drucker.Leinwand().TextAus(x, y, "MMMM");
    drucker.EndDoc();

    const TGerendert seite(drucker, 100);
    const QRect tinte = Tinte(seite.Bild, seite.Bild.rect());
    ASSERT_FALSE(tinte.isEmpty());
    const QRect kasten = seite.Rechteck(x, y, x + breite, y + hoehe);
    EXPECT_TRUE(kasten.contains(tinte)) << "Kasten " << kasten.top() << ".." << kasten.bottom() << ", Tinte "
                                        << tinte.top() << ".." << tinte.bottom();
    EXPECT_GT(tinte.bottom(), seite.Punkt(x, y + 0.7 * hoehe).y());
    EXPECT_LT(tinte.bottom(), seite.Punkt(x, y + 0.9 * hoehe).y());
}

namespace {

struct TTextfall {
    const char* Text;
    int Groesse;
    int Stil;
};

const TTextfall Textfaelle[] = {
    {"1234567890", 12, 0},
    {"7 \xc2\xb7 4 = 28", 12, 0},
    {"( -12 ) + 3 = -9", 14, 0},
    {"AVATAR Tee Wolke", 20, 0},
    {"Gr\xc3\xb6\xc3\x9f"
     "e \xc3\xbc"
     "ben",
     16, TSchrift::Fett},
    {"Quersumme: 17", 10, TSchrift::Kursiv},
    {"unterstrichen 12", 18, TSchrift::Unterstrichen},
    {"durchgestrichen 3", 18, TSchrift::Durchgestrichen | TSchrift::Fett},
    {"   ", 12, 0},
};

// Where case i stands on its page, by its upper left corner in the printer's pixels.
QPoint Textort(std::size_t i)
{
    return QPoint(900 + 300 * static_cast<int>(i % 2), 1200 + 900 * static_cast<int>(i));
}

} // namespace

TEST(PdfDrucker, TextsLikeQtsOwnTextInChangingFonts)
{
    // Texts met again after other fonts, and after thousands of other texts, measure and
    // print as Qt's own text drawing measures and prints them on a plain PDF writer.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter schreiber(&puffer);
    schreiber.setPageSize(QPageSize(QPageSize::A4));
    schreiber.setPageOrientation(QPageLayout::Portrait);
    QPainter maler(&schreiber);
    TPdfDrucker drucker;
    TLeinwand& leinwand = drucker.Leinwand();
    drucker.BeginDoc();
    for (int seite = 0; seite < 2; ++seite) {
        if (seite > 0) {
            drucker.NewPage();
            schreiber.newPage();
        }
        for (std::size_t i = 0; i < std::size(Textfaelle); ++i) {
            const TTextfall& fall = Textfaelle[i];
            const QFont font = TQtLeinwand::QtSchrift(Schrift(fall.Groesse, fall.Stil));
            const QFontMetricsF masse(font, &schreiber);
            leinwand.SetzeSchrift(Schrift(fall.Groesse, fall.Stil));
            EXPECT_DOUBLE_EQ(leinwand.Textbreite(fall.Text), masse.horizontalAdvance(QString::fromUtf8(fall.Text)))
                << fall.Text;
            EXPECT_DOUBLE_EQ(leinwand.Texthoehe(fall.Text), masse.height()) << fall.Text;
            leinwand.TextAus(Textort(i).x(), Textort(i).y(), fall.Text);
            maler.setFont(font);
            maler.drawText(QPointF(Textort(i)) + QPointF(0, masse.ascent()), QString::fromUtf8(fall.Text));
            for (int zahl = 0; seite == 0 && zahl < 3000; ++zahl)
                leinwand.Textbreite(std::to_string(zahl));
        }
    }
    drucker.EndDoc();
    maler.end();

    const TPdfDatei gedruckt(drucker.Dokument());
    const TPdfDatei vorbild(puffer.data().toStdString());
    for (const int seite : {1, 2}) {
        const QImage bild = gedruckt.Seite(seite, 200);
        ASSERT_FALSE(bild.isNull());
        EXPECT_TRUE(bild == vorbild.Seite(seite, 200)) << "Seite " << seite;
        const std::string text = gedruckt.Text(seite);
        EXPECT_EQ(text, vorbild.Text(seite)) << "Seite " << seite;
        EXPECT_NE(text.find("AVATAR Tee Wolke"), std::string::npos) << text;
    }
}

// ---- Refusals ---------------------------------------------------------------------------------

TEST(PdfDrucker, JobErrorsAreTheProgramsErrors)
{
    TPdfDrucker drucker;
    EXPECT_THROW(drucker.NewPage(), EZifferbogenFehler);
    EXPECT_THROW(drucker.EndDoc(), EZifferbogenFehler);
    drucker.BeginDoc();
    EXPECT_THROW(drucker.BeginDoc(), EZifferbogenFehler);
    drucker.NewPage();
    drucker.EndDoc();
    EXPECT_THROW(drucker.EndDoc(), EZifferbogenFehler);
    EXPECT_NE(TPdfDatei(drucker.Dokument()).Info().find("Pages:           2"), std::string::npos);
}

TEST(PdfDrucker, AnOpenJobEndsWithThePrinter)
{
    auto drucker = std::make_unique<TPdfDrucker>();
    drucker->BeginDoc();
    drucker->Leinwand().TextAus(0, 0, "abgebrochen");
    drucker.reset(); // the painter lets go of the writer first; the sanitizers watch this
}

namespace {

struct TLoesungsfall {
    const char* Name;
    std::vector<std::string> Optionen;
    // The label each page of the PDF carries at its top right ("" for none).
    std::vector<std::string> Kennzeichen;
};

class Loesungsblaetter : public ::testing::TestWithParam<TLoesungsfall> {};

} // namespace

// The solution sheets of a print run as the PDF shows them: where they stand among the
// worksheets, and the word that marks them.
TEST_P(Loesungsblaetter, StandAndAreMarkedAsThePrintDialogSays)
{
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    const std::string pfad = ordner.filePath(QStringLiteral("lauf.pdf")).toStdString();
    std::vector<std::string> argumente{"--seed", "4", "--sheets", "2"};
    argumente.insert(argumente.end(), fall.Optionen.begin(), fall.Optionen.end());
    argumente.insert(argumente.end(), {"--pdf", pfad});
    TQtAusgabegeraete geraete;
    std::ostringstream aus;
    std::ostringstream fehler;
    ASSERT_EQ(KommandozeileAusfuehren(KommandozeileLesen(argumente), aus, fehler, {}, &geraete), StatusFertig)
        << fehler.str();
    QFile datei(QString::fromStdString(pfad));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const TPdfDatei pdf(datei.readAll().toStdString());
    for (std::size_t k = 0; k < fall.Kennzeichen.size(); ++k) {
        const std::string text = pdf.Text(static_cast<int>(k) + 1);
        const std::string& erwartet = fall.Kennzeichen[k];
        if (erwartet.empty()) {
            EXPECT_EQ(text.find("Lösungen"), std::string::npos) << fall.Name << ", Seite " << k + 1;
        } else {
            EXPECT_NE(text.find(erwartet), std::string::npos) << fall.Name << ", Seite " << k + 1 << ":\n" << text;
        }
    }
    EXPECT_NE(pdf.Info().find("Pages:           " + std::to_string(fall.Kennzeichen.size()) + "\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Qt, Loesungsblaetter,
    ::testing::Values(TLoesungsfall{"vorDemLetztenExemplar", {"--solutions"}, {"Lösungen", "", "Lösungen", ""}},
                      TLoesungsfall{"amEndeNummeriert",
                                    {"--solutions-last", "--number"},
                                    {"", "", "Lösungen 1", "Lösungen 2"}},
                      TLoesungsfall{"ohneKennzeichen",
                                    {"--solutions-last", "--set", "CBLoesungenKennzeichnen=false"},
                                    {"", "", "", ""}}),
    [](const auto& eintrag) { return std::string(eintrag.param.Name); });

// The command line's paper: the PDF's pages have its size, and the page is laid out on it, so
// that another number of rows and columns fits (the last shown task's row and column).
TEST(PdfDrucker, TheCommandLinesPaperSizesThePdfAndLaysThePageOutOnIt)
{
    struct Fall {
        std::vector<std::string> Optionen;
        std::string Seitengroesse;
        std::string LetzteAufgabe;
    };
    for (const Fall& fall :
         {Fall{{}, "595 x 842 pts (A4)", "24\t4\t"}, Fall{{"--paper", "a5"}, "420 x 595 pts (A5)", "15\t3\t"},
          Fall{{"--paper=A5", "--landscape"}, "595 x 420 pts (A5)", "9\t4\t"},
          Fall{{"--landscape"}, "842 x 595 pts (A4)", "15\t6\t"},
          Fall{{"--paper", "LETTER"}, "612 x 792 pts (letter)", "22\t4\t"}}) {
        QTemporaryDir ordner;
        const std::string pfad = ordner.filePath(QStringLiteral("papier.pdf")).toStdString();
        std::vector<std::string> argumente{"--seed", "3", "--page", "--pdf", pfad};
        argumente.insert(argumente.end(), fall.Optionen.begin(), fall.Optionen.end());
        TQtAusgabegeraete geraete;
        std::ostringstream aus;
        std::ostringstream fehler;
        ASSERT_EQ(KommandozeileAusfuehren(KommandozeileLesen(argumente), aus, fehler, {}, &geraete), StatusFertig)
            << fehler.str();
        const std::string zeilen = aus.str();
        const std::size_t letzte = zeilen.rfind('\n', zeilen.size() - 2) + 1;
        EXPECT_EQ(zeilen.substr(letzte, fall.LetzteAufgabe.size()), fall.LetzteAufgabe) << fall.Seitengroesse;
        QFile datei(QString::fromStdString(pfad));
        ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
        EXPECT_NE(TPdfDatei(datei.readAll().toStdString()).Info().find("Page size:       " + fall.Seitengroesse),
                  std::string::npos)
            << fall.Seitengroesse;
    }
}
