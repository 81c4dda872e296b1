// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog on screen: Ctrl+P over the main window opens it, its widgets fill it in,
// OK prints into the PDF file named in the save dialog, and "Abbruch", Escape or a cancelled
// save dialog print nothing; the printer-setup dialog chooses the printer; a long run shows
// its progress and can be stopped; "Vorschau ..." shows the run's pages first.

#include "DesktopUmgebung.h"
#include "Pdfwerkzeuge.h"

#include "app/UDrucken.h"
#include "app/UVorschau.h"
#include "doubles/Aufzeichnungsleinwand.h"
#include "doubles/Dialogskript.h"
#include "fixtures/Testordner.h"
#include "qt/binding/Bindung.h"
#include "qt/views/Druckdialog.h"
#include "qt/views/Hauptfenster.h"
#include "qt/views/Vorschaufenster.h"
#include "qt/platform/PdfDrucker.h"
#include "qt/binding/Pfeilpaar.h"
#include "sheet/UBlatt.h"
#include "toolkit/Druckfortschritt.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The program as a user starts it, with a fixed seed; the PDF goes where the script says.
struct Programm : TProgrammlauf {
    explicit Programm(std::vector<std::unique_ptr<TDrucker>> drucker = {}) : TProgrammlauf(std::move(drucker))
    {
        Drucken().SetzeDateidialog(&Datei);
    }
    TFDrucken& Drucken() { return D.Modelle().Drucken(); }
    TBindung& B() { return D.Druckdialog().Bindung(); }
    // Ctrl+P; returns once the dialog has closed.
    void Oeffnen() { QTest::keyClick(&D.Hauptfenster(), Qt::Key_P, Qt::ControlModifier); }

    TDialogskript Datei;
};

// The user's hands on modal dialogs: what a test does with the dialog open next, while the
// code that opened it waits. A dialog still open after 20 s is closed, so that a failing test
// does not hang.
class THand final {
public:
    THand()
    {
        Wache.setSingleShot(true);
        QObject::connect(&Wache, &QTimer::timeout, &Wache, [] {
            if (QWidget* offen = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "Ein Dialog blieb offen: " << offen->windowTitle().toStdString();
                offen->close();
            }
        });
        Wache.start(20000);
    }

    void Danach(std::function<void(QWidget&)> tun)
    {
        QTimer::singleShot(0, &Kontext, [tun = std::move(tun)] {
            QWidget* offen = QApplication::activeModalWidget();
            if (offen == nullptr) {
                ADD_FAILURE() << "Kein Dialog offen.";
                return;
            }
            tun(*offen);
        });
    }

private:
    QObject Kontext;
    QTimer Wache;
};

void Tippen(QLineEdit* feld, const char* text)
{
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, QString::fromUtf8(text));
}

void Klicken(QAbstractButton* knopf)
{
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(8, knopf->height() / 2));
}

std::string Pdfinfo(const fs::path& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    return TPdfDatei(std::string(std::istreambuf_iterator<char>(datei), {})).Info();
}

TEST(Druckdialog, OkPrintsTwoSheetsTwiceWithSolutionsIntoTheNamedPdf)
{
    const TTestordner ordner;
    Programm p;
    p.Datei.Antwort = (ordner / "Rechnen.pdf").string();
    THand hand;
    bool gesehen = false;
    hand.Danach([&](QWidget& dialog) {
        gesehen = &dialog == &p.D.Druckdialog();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Drucken"));
        EXPECT_EQ(p.B().Ungebunden(), std::vector<std::string>{});
        EXPECT_TRUE(p.B().Als<QPlainTextEdit>("MHinweis")->isReadOnly());
        EXPECT_EQ(p.B().Als<QLabel>("LDrucker")->text(), QStringLiteral("Drucker: PDF (A4)"));
        // Typed, and with the arrows.
        Tippen(p.B().Als<QLineEdit>("EVerschBlaetter"), "2");
        Klicken(dynamic_cast<TPfeilpaar*>(p.B().Widget("UDExemplare"))->Hoch());
        EXPECT_EQ(p.B().Als<QLineEdit>("EExemplare")->text(), QStringLiteral("2"));
        Klicken(p.B().Als<QCheckBox>("CBLoesungsblaetter"));
        Klicken(p.B().Als<QPushButton>("BOK"));
    });
    p.Oeffnen();

    EXPECT_TRUE(gesehen);
    EXPECT_FALSE(p.D.Druckdialog().isVisible());
    EXPECT_EQ(p.Datei.Gestellt, 1);
    EXPECT_EQ(p.Datei.Gefragt, "PDF-Datei (*.pdf) pdf");
    const std::string info = Pdfinfo(ordner / "Rechnen.pdf");
    EXPECT_NE(info.find("Pages:           6\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    EXPECT_TRUE(p.Meldungen.Gezeigt.empty());
    // The dialog keeps its values for the next time.
    EXPECT_EQ(p.Drucken().UDVerschBlaetter->Position(), 2);
    EXPECT_TRUE(p.Drucken().CBLoesungsblaetter->Checked());
}

TEST(Druckdialog, AbbruchEscapeACancelledSaveAndAnUnwritableFilePrintNothing)
{
    const TTestordner ordner;
    const std::string fehlt = (ordner / "fehlt" / "blatt.pdf").string();
    struct Fall {
        const char* Was;
        std::optional<std::string> Antwort;
        std::function<void(Programm&)> Schliessen;
        int Gefragt;
        bool Fehler; // an error shown in a box
    };
    const auto abbruch = [](Programm& p) { Klicken(p.B().Als<QPushButton>("BAbbruch")); };
    const auto ok = [](Programm& p) { Klicken(p.B().Als<QPushButton>("BOK")); };
    for (const Fall& fall : {
             Fall{"Abbruch", (ordner / "a.pdf").string(), abbruch, 0, false},
             Fall{"Escape", (ordner / "a.pdf").string(),
                  [](Programm& p) { QTest::keyClick(&p.D.Druckdialog(), Qt::Key_Escape); }, 0, false},
             Fall{"Speichern abgebrochen", std::nullopt, ok, 1, false},
             Fall{"Ordner fehlt", fehlt, ok, 1, true},
         }) {
        Programm p;
        p.Datei.Antwort = fall.Antwort;
        THand hand;
        bool offen = false;
        hand.Danach([&](QWidget&) {
            fall.Schliessen(p);
            // A print that did not happen leaves the dialog open for another try.
            offen = p.D.Druckdialog().isVisible();
            if (offen)
                abbruch(p);
        });
        p.Oeffnen();
        EXPECT_EQ(offen, fall.Gefragt > 0) << fall.Was;
        EXPECT_FALSE(p.D.Druckdialog().isVisible()) << fall.Was;
        EXPECT_EQ(p.Datei.Gestellt, fall.Gefragt) << fall.Was;
        EXPECT_TRUE(fs::is_empty(ordner.Pfad)) << fall.Was;
        ASSERT_EQ(p.Meldungen.Gezeigt.size(), fall.Fehler ? 1U : 0U) << fall.Was;
        if (fall.Fehler) {
            EXPECT_EQ(p.Meldungen.Gezeigt[0].Titel, "Ein-/Ausgabefehler");
            EXPECT_EQ(p.Meldungen.Gezeigt[0].Text,
                      "Die Datei „" + fehlt
                          + "“ kann nicht geschrieben werden (Datei oder Verzeichnis nicht gefunden).");
        }
    }
}

TEST(Druckdialog, ThePrinterChosenInTheSetupDialogPrintsWithoutAskingForAFile)
{
    auto papier = std::make_unique<TPapierdrucker>();
    TPapierdrucker& klasse = *papier;
    std::vector<std::unique_ptr<TDrucker>> drucker;
    drucker.push_back(std::make_unique<TPdfDrucker>());
    drucker.push_back(std::move(papier));
    Programm p(std::move(drucker));
    const double a4 = p.D.Modelle().Zeichnen().Blatt().BlattBreite;

    THand hand;
    QString papierPdf;
    hand.Danach([&](QWidget&) {
        hand.Danach([&](QWidget& einrichtung) {
            EXPECT_EQ(einrichtung.windowTitle(), QStringLiteral("Druckereinrichtung"));
            auto* liste = einrichtung.findChild<QComboBox*>();
            ASSERT_NE(liste, nullptr);
            ASSERT_EQ(liste->count(), 2);
            EXPECT_EQ(liste->currentText(), QStringLiteral("PDF (A4)"));
            for (QLabel* text : einrichtung.findChildren<QLabel*>()) {
                if (text->text().startsWith(QStringLiteral("A4")))
                    papierPdf = text->text();
            }
            liste->setCurrentIndex(1);
            for (QPushButton* knopf : einrichtung.findChildren<QPushButton*>()) {
                if (knopf->text() == QStringLiteral("OK"))
                    Klicken(knopf);
            }
        });
        Klicken(p.B().Als<QPushButton>("BDruckereinstellungen"));
        EXPECT_EQ(p.B().Als<QLabel>("LDrucker")->text(), QStringLiteral("Drucker: Klasse 3b"));
        Klicken(p.B().Als<QPushButton>("BOK"));
    });
    p.Oeffnen();

    EXPECT_EQ(papierPdf, QStringLiteral("A4, Hochformat"));
    EXPECT_EQ(p.Datei.Gestellt, 0);
    EXPECT_EQ(klasse.Innen.Protokoll, (std::vector<std::string>{"BeginDoc", "EndDoc"}));
    // The sheet measures on the printer in use now, whose page is narrower than A4's.
    EXPECT_EQ(p.D.Modelle().Zeichnen().Blatt().Drucker(), &klasse);
    EXPECT_NE(p.D.Modelle().Zeichnen().Blatt().BlattBreite, a4);
    EXPECT_TRUE(p.Meldungen.Gezeigt.empty());
}

TEST(Druckdialog, ThePdfPrintersPaperFromTheSetupDialogLaysThePageOutAnewAndCancelKeepsA4)
{
    Programm p;
    const double breiteA4 = p.Z().Blatt().BlattBreite;
    const double hoeheA4 = p.Z().Blatt().BlattHoehe;
    const std::size_t zeilenA4 = p.Seite().GezeigteAufgaben().size();
    struct Fall {
        const char* Knopf; // of the printer-setup dialog, after A5 across was chosen
        const char* Name;  // the printer's afterwards
        double Hoehe;      // the page's afterwards: A5 across is A4 upright cut in half
    };
    for (const Fall& fall : {Fall{"Abbrechen", "PDF (A4)", hoeheA4}, Fall{"OK", "PDF (A5 quer)", hoeheA4 - 14.85}}) {
        THand hand;
        QString papier;
        QString liste;
        hand.Danach([&](QWidget&) {
            hand.Danach([&](QWidget& einrichtung) {
                hand.Danach([&](QWidget& seite) {
                    EXPECT_EQ(seite.windowTitle(), QStringLiteral("Papier und Ausrichtung"));
                    seite.findChild<QComboBox*>()->setCurrentText(QStringLiteral("A5"));
                    Klicken(seite.findChild<QRadioButton*>(QStringLiteral("landscape")));
                    for (QPushButton* knopf : seite.findChildren<QPushButton*>()) {
                        if (knopf->text() == QStringLiteral("OK"))
                            Klicken(knopf);
                    }
                });
                for (QPushButton* knopf : einrichtung.findChildren<QPushButton*>()) {
                    if (knopf->text() == QStringLiteral("Papier und Ausrichtung ..."))
                        Klicken(knopf);
                }
                for (QLabel* text : einrichtung.findChildren<QLabel*>()) {
                    if (text->text().contains(QStringLiteral("format")))
                        papier = text->text();
                }
                liste = einrichtung.findChild<QComboBox*>()->currentText();
                for (QPushButton* knopf : einrichtung.findChildren<QPushButton*>()) {
                    if (knopf->text() == QString::fromUtf8(fall.Knopf))
                        Klicken(knopf);
                }
            });
            Klicken(p.B().Als<QPushButton>("BDruckereinstellungen"));
            EXPECT_EQ(p.B().Als<QLabel>("LDrucker")->text().toStdString(), std::string("Drucker: ") + fall.Name);
            Klicken(p.B().Als<QPushButton>("BAbbruch"));
        });
        p.Oeffnen();

        EXPECT_EQ(papier, QStringLiteral("A5, Querformat")) << fall.Knopf;
        EXPECT_EQ(liste, QStringLiteral("PDF (A5 quer)")) << fall.Knopf;
        EXPECT_NEAR(p.Z().Blatt().BlattBreite, breiteA4, 0.05) << fall.Knopf;
        EXPECT_NEAR(p.Z().Blatt().BlattHoehe, fall.Hoehe, 0.05) << fall.Knopf;
        EXPECT_EQ(p.Seite().GezeigteAufgaben().size() < zeilenA4, fall.Hoehe < hoeheA4) << fall.Knopf;
    }
}

TEST(Druckdialog, ALongRunShowsItsProgressAndAbbruchStopsIt)
{
    Programm p;
    TDruckfortschritt& fortschritt = p.D.Druckdialog().Fortschritt();

    // A short run is over before a window would show.
    fortschritt.Anfang(3);
    for (int seite = 0; seite < 3; ++seite)
        EXPECT_TRUE(fortschritt.Weiter(seite));
    EXPECT_FALSE(p.D.Druckdialog().Fortschrittsfenster()->isVisible());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    fortschritt.Ende();
    EXPECT_EQ(p.D.Druckdialog().Fortschrittsfenster(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A long one shows how far it is; its "Abbruch" stops it before the next page.
    fortschritt.Anfang(1000);
    EXPECT_TRUE(fortschritt.Weiter(0));
    QThread::msleep(600);
    EXPECT_TRUE(fortschritt.Weiter(1));
    QProgressDialog* fenster = p.D.Druckdialog().Fortschrittsfenster();
    ASSERT_NE(fenster, nullptr);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->labelText(), QStringLiteral("Seite 2 von 1000 wird gedruckt ..."));
    QPushButton* abbruch = nullptr;
    for (QPushButton* knopf : fenster->findChildren<QPushButton*>()) {
        if (knopf->text() == QStringLiteral("Abbruch"))
            abbruch = knopf;
    }
    ASSERT_NE(abbruch, nullptr);
    Klicken(abbruch);
    EXPECT_FALSE(fortschritt.Weiter(2));
    fortschritt.Ende();
    EXPECT_EQ(p.D.Druckdialog().Fortschrittsfenster(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Druckdialog, VorschauShowsThePagesToTurnAndItsDruckenPrintsThem)
{
    const TTestordner ordner;
    Programm p;
    p.Datei.Antwort = (ordner / "Vorschau.pdf").string();
    const auto vorher = p.Aufgaben();
    TBindung& v = p.D.Vorschaufenster().Bindung();
    const auto seite = [&] { return v.Als<QLabel>("LSeite")->text(); };
    THand hand;
    std::vector<QString> seiten;
    QRect tinte; // the dark pixels on the page
    hand.Danach([&](QWidget&) {
        Tippen(p.B().Als<QLineEdit>("EVerschBlaetter"), "2");
        Klicken(p.B().Als<QCheckBox>("CBLoesungsblaetter"));
        hand.Danach([&](QWidget& fenster) {
            EXPECT_EQ(&fenster, &p.D.Vorschaufenster());
            EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Vorschau"));
            EXPECT_EQ(v.Ungebunden(), std::vector<std::string>{});
            // Nothing is printed while the pages are looked at.
            EXPECT_EQ(p.Datei.Gestellt, 0);
            seiten.push_back(seite());
            Klicken(v.Als<QPushButton>("BWeiter"));
            seiten.push_back(seite());
            Klicken(v.Als<QPushButton>("BLetzte"));
            seiten.push_back(seite());
            EXPECT_FALSE(v.Widget("BWeiter")->isEnabled());
            QTest::keyClick(&fenster, Qt::Key_PageUp);
            seiten.push_back(seite());
            Klicken(v.Als<QPushButton>("BErste"));
            seiten.push_back(seite());
            EXPECT_FALSE(v.Widget("BZurueck")->isEnabled());
            // The page is drawn, within the grey border.
            QWidget* malflaeche = v.Widget("PaintBox");
            EXPECT_EQ(malflaeche->parentWidget(), p.D.Vorschaufenster().Seitenbereich().viewport());
            const QImage bild = malflaeche->grab().toImage();
            const QRect blatt = bild.rect().adjusted(TFVorschau::Rand, TFVorschau::Rand, -TFVorschau::Rand,
                                                     -TFVorschau::Rand);
            for (int y = blatt.top(); y <= blatt.bottom(); ++y) {
                for (int x = blatt.left(); x <= blatt.right(); ++x) {
                    if (qGray(bild.pixel(x, y)) < 96)
                        tinte |= QRect(x, y, 1, 1);
                }
            }
            Klicken(v.Als<QPushButton>("BDrucken"));
        });
        Klicken(p.B().Als<QPushButton>("BVorschau"));
    });
    p.Oeffnen();

    EXPECT_EQ(seiten, (std::vector<QString>{QStringLiteral("Seite 1 von 4"), QStringLiteral("Seite 2 von 4"),
                                            QStringLiteral("Seite 4 von 4"), QStringLiteral("Seite 3 von 4"),
                                            QStringLiteral("Seite 1 von 4")}));
    EXPECT_FALSE(tinte.isEmpty());
    EXPECT_FALSE(p.D.Vorschaufenster().isVisible());
    EXPECT_FALSE(p.D.Druckdialog().isVisible());
    EXPECT_EQ(p.Datei.Gestellt, 1);
    std::ifstream datei(ordner / "Vorschau.pdf", std::ios::binary);
    const TPdfDatei pdf(std::string(std::istreambuf_iterator<char>(datei), {}));
    EXPECT_NE(pdf.Info().find("Pages:           4\n"), std::string::npos) << pdf.Info();
    // The solution sheet comes first and is marked as one; the window shows its sheet again.
    EXPECT_NE(pdf.Text(1).find("Lösungen"), std::string::npos);
    EXPECT_EQ(pdf.Text(2).find("Lösungen"), std::string::npos);
    EXPECT_EQ(p.Aufgaben(), vorher);
    EXPECT_TRUE(p.Meldungen.Gezeigt.empty());
}

} // namespace
