// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows of the desktop program on their models: the task edit dialog from a right
// click, the numbering dialog with its preview, the heading dialog that lays the page out at
// every keystroke, the about window and the splash window; each shows every control of its
// model and closes when its model does.

#include "DesktopUmgebung.h"

#include "app/UAufgbearbeiten.h"
#include "app/UInfo.h"
#include "app/UNummerierung.h"
#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "qt/views/Aufgabendialog.h"
#include "qt/binding/Bindung.h"
#include "qt/views/Hauptfenster.h"
#include "qt/views/Infofenster.h"
#include "qt/binding/Malflaeche.h"
#include "qt/views/Nebenfenster.h"
#include "qt/views/Nummerierungsdialog.h"
#include "qt/views/Splashfenster.h"
#include "qt/views/Ueberschriftsdialog.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"

#include <QAction>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Programm = TProgrammlauf;

// Runs bedienen on the modal dialog that oeffnen opens, once it runs. A dialog bedienen leaves
// open is closed as a failure, so that the test goes on.
void ImDialog(const std::function<void(QDialog&)>& bedienen, const std::function<void()>& oeffnen)
{
    bool lief = false;
    QTimer zeitgeber;
    zeitgeber.setSingleShot(true);
    QObject::connect(&zeitgeber, &QTimer::timeout, &zeitgeber, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        lief = true;
        bedienen(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << dialog->windowTitle().toStdString() << " is still open";
            dialog->reject();
        }
    });
    zeitgeber.start(0);
    oeffnen();
    EXPECT_TRUE(lief) << "no modal dialog ran";
}

// A click on a radio button's box, as a user aims at it.
void Klick(QWidget* knopf)
{
    const int x = knopf->layoutDirection() == Qt::RightToLeft ? knopf->width() - 7 : 7;
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(x, knopf->height() / 2));
}

// Replaces the text of a field as a user does: select all, delete, type.
void Tippen(QWidget* feld, const char* text)
{
    feld->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(feld, Qt::Key_Backspace);
    QTest::keyClicks(feld, QString::fromUtf8(text));
}

TEST(Nebenfenster, EverySmallWindowShowsEveryControlOfItsModel)
{
    Programm p;
    const std::pair<const char*, TBindung*> fenster[] = {
        {"edit", &p.N().Aufgabe().Bindung()},         {"numbering", &p.N().Nummerierung().Bindung()},
        {"heading", &p.N().Ueberschrift().Bindung()}, {"about", &p.N().Info().Bindung()},
        {"splash", &p.N().Splash().Bindung()},
    };
    for (const auto& [name, bindung] : fenster)
        EXPECT_EQ(bindung->Ungebunden(), std::vector<std::string>{}) << name;
    EXPECT_EQ(p.N().Aufgabe().windowTitle(), QStringLiteral("Aufgabe bearbeiten"));
    EXPECT_EQ(p.N().Nummerierung().windowTitle(), QStringLiteral("Nummerierungszeichen"));
    EXPECT_EQ(p.N().Ueberschrift().windowTitle(), QStringLiteral("Überschrift und Arbeitsanweisung"));
    EXPECT_EQ(p.N().Info().windowTitle(), QStringLiteral("Über das Programm"));
}

TEST(Nebenfenster, ARightClickEditsExactlyTheClickedTask)
{
    struct Fall {
        const char* Was;
        const char* Op1;
        int Zeichen; // entry of the operator list, chosen with the keys
        const char* Op2;
        const char* Ergebnis; // shown after Enter in the second field
        bool Uebernehmen;     // else "Abbrechen"
        bool Fehler;          // the task cannot be computed
        // The task taken over.
        std::int32_t Ergebniswert, Rest, Platzhalter;
    };
    const Fall faelle[] = {
        {"17 / 5, placeholder first", "17", 3, "5", "3 R 2", true, false, 3, 2, 1},
        {"15 / 5", "15", 3, "5", "3", true, false, 3, 0, 3},
        {"letters dropped", "12a", 0, "3", "15", true, false, 15, 0, 3},
        {"7 - 9", "7", 1, "9", "-2", true, false, -2, 0, 3},
        {"cancelled", "17", 3, "5", "3 R 2", false, false, 0, 0, 0},
        {"overflow", "46341", 2, "46341", "", true, true, 0, 0, 0},
        {"division by 0", "5", 3, "0", "", true, true, 0, 0, 0},
    };
    for (const Fall& fall : faelle) {
        Programm p;
        ASSERT_GE(p.Seite().ZeilenZahl, 2);
        ASSERT_GE(p.Seite().SpaltenZahl, 2);
        const TRahmen r = p.Seite().Aufgabe(1, 1).Rahmen;
        const std::size_t getroffen = static_cast<std::size_t>(p.Seite().SpaltenZahl) + 1;
        const std::vector<TGSAufgabe> vorher = p.Aufgaben();
        TBindung& b = p.N().Aufgabe().Bindung();
        ImDialog(
            [&](QDialog& dialog) {
                EXPECT_EQ(&dialog, &p.N().Aufgabe()) << fall.Was;
                EXPECT_EQ(b.Als<QLineEdit>("EOp1")->text().toInt(), vorher[getroffen].Operand1) << fall.Was;
                Tippen(b.Widget("EOp1"), fall.Op1);
                auto* liste = b.Als<QComboBox>("ComboBox1");
                EXPECT_FALSE(liste->isEditable());
                QTest::keyClick(liste, Qt::Key_Home);
                for (int i = 0; i < fall.Zeichen; ++i)
                    QTest::keyClick(liste, Qt::Key_Down);
                Tippen(b.Widget("EOp2"), fall.Op2);
                const QString alt = b.Als<QLineEdit>("EErg")->text();
                QTest::keyClick(b.Widget("EOp2"), Qt::Key_Return);
                EXPECT_TRUE(dialog.isVisible()) << fall.Was;
                // An error is reported, and the result shown stays as it was.
                EXPECT_EQ(p.Meldungen.Gezeigt.size(), fall.Fehler ? 1U : 0U) << fall.Was;
                EXPECT_EQ(b.Als<QLineEdit>("EErg")->text(), fall.Fehler ? alt : QString::fromUtf8(fall.Ergebnis))
                    << fall.Was;
                if (fall.Platzhalter == 1)
                    Klick(b.Widget("RBPlatzhalterOp1"));
                QTest::mouseClick(b.Widget(fall.Uebernehmen ? "BUebernehmen" : "BAbbrechen"), Qt::LeftButton);
                // A task that cannot be computed is refused, and the dialog stays for a correction.
                if (fall.Fehler) {
                    EXPECT_GT(p.Meldungen.Gezeigt.size(), 1U) << fall.Was;
                    EXPECT_TRUE(dialog.isVisible()) << fall.Was;
                    QTest::mouseClick(b.Widget("BAbbrechen"), Qt::LeftButton);
                }
            },
            [&] {
                QTest::mouseClick(&p.Malflaeche(), Qt::RightButton, {},
                                  p.Punkt((r.Links + r.Rechts) / 2, (r.Oben + r.Unten) / 2));
            });
        EXPECT_FALSE(p.N().Aufgabe().isVisible()) << fall.Was;
        EXPECT_FALSE(p.D.Modelle().EditAufgabe().Sichtbar) << fall.Was;

        const std::vector<TGSAufgabe> nachher = p.Aufgaben();
        ASSERT_EQ(nachher.size(), vorher.size()) << fall.Was;
        const bool geaendert = fall.Uebernehmen && !fall.Fehler;
        for (std::size_t i = 0; i < vorher.size(); ++i)
            EXPECT_EQ(nachher[i] == vorher[i], i != getroffen || !geaendert) << fall.Was << " " << i;
        if (geaendert) {
            const TGSAufgabe& aufgabe = nachher[getroffen];
            EXPECT_EQ(aufgabe.Rechenzeichen, fall.Zeichen) << fall.Was;
            EXPECT_EQ(aufgabe.Ergebnis, fall.Ergebniswert) << fall.Was;
            EXPECT_EQ(aufgabe.Rest, fall.Rest) << fall.Was;
            EXPECT_EQ(aufgabe.Platzhalter, fall.Platzhalter) << fall.Was;
        }
    }
}

TEST(Nebenfenster, TheNumberingPreviewFollowsTheButtonsAndTheText)
{
    Programm p;
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[2]);
    TBindung& b = p.N().Nummerierung().Bindung();
    struct Schritt {
        const char* Was;
        std::function<void()> Bedienen;
        const char* Vorschau;
    };
    const Schritt schritte[] = {
        {"as opened", [] {}, "1.   2.   3.   "},
        {"letters", [&] { Klick(b.Widget("RBabc")); }, "a.   b.   c.   "},
        {"a parenthesis", [&] { Tippen(b.Widget("EZeichennachderNummer"), ")"); }, "a)   b)   c)   "},
        {"digits", [&] { Klick(b.Widget("RB123")); }, "1)   2)   3)   "},
        {"one more character", [&] { QTest::keyClicks(b.Widget("EZeichennachderNummer"), QStringLiteral(":")); },
         "1):   2):   3):   "},
        {"nothing after the number", [&] { Tippen(b.Widget("EZeichennachderNummer"), ""); }, "1   2   3   "},
        {"letters again", [&] { Klick(b.Widget("RBabc")); }, "a   b   c   "},
        {"a parenthesis again", [&] { QTest::keyClicks(b.Widget("EZeichennachderNummer"), QStringLiteral(")")); },
         "a)   b)   c)   "},
    };
    ImDialog(
        [&](QDialog& dialog) {
            EXPECT_EQ(&dialog, &p.N().Nummerierung());
            for (const Schritt& schritt : schritte) {
                schritt.Bedienen();
                EXPECT_EQ(b.Als<QLabel>("LVorschau1")->text(), QString::fromUtf8(schritt.Vorschau)) << schritt.Was;
            }
            QTest::mouseClick(b.Widget("BOK"), Qt::LeftButton);
        },
        [&] { QTest::mouseClick(p.D.Hauptfenster().Bindung().Widget("BNummerierungsart"), Qt::LeftButton); });
    EXPECT_FALSE(p.Z().NummernMitZiffern);
    EXPECT_EQ(p.Z().ZeichenNachNummer, ")");
    EXPECT_FALSE(p.Seite().NummernMitZiffern);
    EXPECT_EQ(p.Seite().ZeichenNachNummer, ")");

    // Closed with Escape, the dialog's choice is taken all the same; opened again, it starts
    // from the main window's choice.
    ImDialog(
        [&](QDialog& dialog) {
            EXPECT_EQ(b.Als<QLabel>("LVorschau1")->text(), QStringLiteral("a)   b)   c)   "));
            Klick(b.Widget("RB123"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        },
        [&] { QTest::mouseClick(p.D.Hauptfenster().Bindung().Widget("BNummerierungsart"), Qt::LeftButton); });
    EXPECT_TRUE(p.Seite().NummernMitZiffern);
    EXPECT_FALSE(p.D.Modelle().Nummerierung().Sichtbar);
}

TEST(Nebenfenster, TheHeadingDialogLaysThePageOutAtEveryKeystroke)
{
    Programm p;
    TUeberschriftsdialog& dialog = p.N().Ueberschrift();
    TBindung& b = dialog.Bindung();
    // Opened by its button on the tab "Überschrift", not modally: the main window goes on.
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[7]);
    QTest::mouseClick(p.D.Hauptfenster().Bindung().Widget("BUeberschriftBearbeiten"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(b.Widget("BOK"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(p.D.Modelle().Ueberschrift().Sichtbar);

    // Opened again by a left click on the paper above the first row, where the heading goes.
    EXPECT_EQ(p.Seite().Kopfhoehe, 0.0);
    const double ersteZeile = p.Seite().Aufgabe(0, 0).Rahmen.Oben;
    const std::vector<TGSAufgabe> aufgaben = p.Aufgaben();
    QTest::mouseClick(&p.Malflaeche(), Qt::LeftButton, {}, p.Punkt(5, p.Seite().KopfEnde / 2));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(p.Aufgaben() == aufgaben);

    auto* ueberschrift = b.Als<QPlainTextEdit>("MUeberschrift");
    ueberschrift->setFocus();
    for (const QChar zeichen : QStringLiteral("Plus")) {
        const int gemalt = p.Gemalt;
        QTest::keyClick(ueberschrift, zeichen.toLatin1());
        QApplication::processEvents();
        EXPECT_GT(p.Gemalt, gemalt) << zeichen.toLatin1();
    }
    EXPECT_EQ(p.D.Modelle().Ueberschrift().MUeberschrift->Lines(), std::vector<std::string>{"Plus"});
    const double eineZeile = p.Seite().Kopfhoehe;
    EXPECT_GT(eineZeile, 0.0);
    p.Malflaeche().repaint();
    EXPECT_GT(p.Seite().Aufgabe(0, 0).Rahmen.Oben, ersteZeile);
    // Enter begins a second line; it does not close the dialog.
    QTest::keyClick(ueberschrift, Qt::Key_Return);
    QTest::keyClicks(ueberschrift, QStringLiteral("3b"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(p.D.Modelle().Ueberschrift().MUeberschrift->Lines(), (std::vector<std::string>{"Plus", "3b"}));
    const double zweiZeilen = p.Seite().Kopfhoehe;
    EXPECT_GT(zweiZeilen, eineZeile);
    auto* anweisung = b.Als<QPlainTextEdit>("MArbeitsanweisung");
    anweisung->setFocus();
    QTest::keyClicks(anweisung, QStringLiteral("Rechne!"));
    EXPECT_EQ(p.D.Modelle().Ueberschrift().MArbeitsanweisung->Lines(), std::vector<std::string>{"Rechne!"});
    EXPECT_GT(p.Seite().Kopfhoehe, zweiZeilen);

    // Emptied again, heading and work instruction take no room.
    for (QPlainTextEdit* memo : {ueberschrift, anweisung}) {
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Backspace);
    }
    EXPECT_EQ(p.Seite().Kopfhoehe, 0.0);
    p.Malflaeche().repaint();
    EXPECT_DOUBLE_EQ(p.Seite().Aufgabe(0, 0).Rahmen.Oben, ersteZeile);

    // Each "Schrift ..." shows its own font of the page in the main window's font dialog.
    struct Fall {
        const char* Knopf;
        int Punkte;
        bool Fett, Kursiv;
    };
    for (const Fall& fall : {Fall{"BSchrift", 24, true, false}, Fall{"BAaSchrift", 12, false, true}}) {
        ImDialog(
            [&](QDialog& schriftdialog) {
                auto* auswahl = schriftdialog.findChild<QFontDialog*>();
                ASSERT_NE(auswahl, nullptr) << fall.Knopf;
                EXPECT_EQ(auswahl->currentFont().pointSize(), fall.Punkte) << fall.Knopf;
                EXPECT_EQ(auswahl->currentFont().bold(), fall.Fett) << fall.Knopf;
                EXPECT_EQ(auswahl->currentFont().italic(), fall.Kursiv) << fall.Knopf;
                schriftdialog.reject();
            },
            [&] { QTest::mouseClick(b.Widget(fall.Knopf), Qt::LeftButton); });
    }
    EXPECT_EQ(p.Z().Schriftgroessen[3], 24);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(p.D.Modelle().Ueberschrift().Sichtbar);
}

TEST(Nebenfenster, TheAboutWindowOpensFromTheMenuAndTheCopyCommandAndClosesWithOk)
{
    Programm p;
    TBindung& b = p.N().Info().Bindung();
    struct Fall {
        const char* Was;
        std::function<void()> Oeffnen;
        std::function<void(QDialog&)> Schliessen;
    };
    const Fall faelle[] = {
        {"menu, OK", [&] { p.D.Hauptfenster().Befehl(QStringLiteral("Über das Programm"))->trigger(); },
         [&](QDialog&) { QTest::mouseClick(b.Widget("BOK"), Qt::LeftButton); }},
        {"the main window's command, Escape", [&] { p.Z().UeberdasProgramm1Click(); },
         [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }},
    };
    for (const Fall& fall : faelle) {
        ImDialog(
            [&](QDialog& dialog) {
                EXPECT_EQ(&dialog, &p.N().Info()) << fall.Was;
                EXPECT_EQ(b.Als<QLabel>("LProgramm")->text(), QStringLiteral("Zifferbogen")) << fall.Was;
                EXPECT_EQ(b.Als<QLabel>("LVersion")->text(), QStringLiteral("Version 3.1 vom 16.12.2006")) << fall.Was;
                auto* text = b.Als<QPlainTextEdit>("MText");
                EXPECT_TRUE(text->isReadOnly()) << fall.Was;
                EXPECT_TRUE(text->toPlainText().startsWith(QStringLiteral("Zifferbogen erstellt"))) << fall.Was;
                fall.Schliessen(dialog);
            },
            fall.Oeffnen);
        EXPECT_FALSE(p.N().Info().isVisible()) << fall.Was;
        EXPECT_FALSE(p.D.Modelle().Info().Sichtbar) << fall.Was;
    }
}

} // namespace

TEST(Nebenfenster, TheSplashShowsAtTheStartInTheMiddleOfTheScreenAndGoesAfterTheSecondTick)
{
    setenv("XDG_CONFIG_HOME", "/nonexistent-zifferbogen-test", 1);
    TMeldungsrekorder meldungen;
    TDesktop d(meldungen, 7);
    TSplashfenster& splash = d.Nebenfenster().Splash();
    EXPECT_FALSE(splash.isVisible());
    d.Starten();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    EXPECT_EQ(splash.Bindung().Als<QLabel>("LVersion")->text(), QStringLiteral("Version 3.1 vom 16.12.2006"));
    // A click does not close it; the first tick does not either.
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!d.Modelle().Splash().ErsterTick, 3000);
    EXPECT_TRUE(splash.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 3000);
    EXPECT_FALSE(d.Modelle().Splash().Sichtbar);
    EXPECT_TRUE(meldungen.Gezeigt.empty());
}
