// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program's two windows on their models: every control shown, the run-time
// controls where the model places them, the keys, the zoom box, a click on a task, an option
// click that lays the page out anew, and the margin fields with their errors.

#include "DesktopUmgebung.h"
#include "fixtures/Testordner.h"

#include "app/USplash.h"
#include "app/UUeberschrift.h"
#include "qt/binding/Bindung.h"
#include "qt/views/Einstellungsfenster.h"
#include "qt/views/Hauptfenster.h"
#include "qt/binding/Malflaeche.h"
#include "qt/binding/Pfeilpaar.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Programm = TProgrammlauf;

bool Gleich(const std::vector<TGSAufgabe>& a, const std::vector<TGSAufgabe>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// The shown tasks as they read (a task put back from a file has no ghost digits beyond its
// width).
std::vector<std::array<std::int32_t, 5>> Gelesen(Programm& p)
{
    std::vector<std::array<std::int32_t, 5>> liste;
    for (const TGSAufgabe& a : p.Aufgaben())
        liste.push_back({a.Operand1, a.Operand2, a.Ergebnis, a.Rechenzeichen, a.Platzhalter});
    return liste;
}

TEST(Desktop, EveryControlOfBothWindowsHasItsWidgetAndThePlacedOnesStandWhereTheModelSays)
{
    Programm p;
    EXPECT_EQ(p.HB().Ungebunden(), std::vector<std::string>{});
    EXPECT_EQ(p.D.Einstellungsfenster().Bindung().Ungebunden(), std::vector<std::string>{});
    struct Fall {
        TBindung* Bindung;
        const char* Name;
        QRect Rahmen; // a width or height of 0: the widget's own
    };
    TBindung* e = &p.D.Einstellungsfenster().Bindung();
    const Fall faelle[] = {
        {e, "BSpaltenkopf[3]", {64, 32, 26, 17}},      {e, "BZeilenkopf[2]", {204, 68, 26, 17}},
        {e, "CBKombination[3][1]", {71, 49, 17, 17}},  {e, "CBStelle[2][2][7]", {104, 48, 17, 17}},
        {e, "CBMultReihe[9]", {128, 40, 0, 17}},       {e, "CBDivReihe[16]", {8, 88, 0, 17}},
        {e, "EStellen[6]", {136, 14, 21, 21}},         {e, "UDStellen[8]", {158, 38, 16, 25}},
        {&p.HB(), "RandLabels[3]", {256, 6, 0, 0}},    {&p.HB(), "RandWerteEdits[2]", {166, 4, 65, 0}},
        {&p.HB(), "RandUpDowns[2]", {232, 3, 16, 24}},
    };
    for (const Fall& fall : faelle) {
        const QRect r = fall.Bindung->Widget(fall.Name)->geometry();
        EXPECT_EQ(r.topLeft(), fall.Rahmen.topLeft()) << fall.Name;
        if (fall.Rahmen.width() > 0 && std::string(fall.Name).rfind("CB", 0) != 0) {
            EXPECT_EQ(r.width(), fall.Rahmen.width()) << fall.Name;
        }
        if (fall.Rahmen.height() > 0) {
            EXPECT_EQ(r.height(), fall.Rahmen.height()) << fall.Name;
        }
    }
    // A box placed by the model reaches at least as far as the model says.
    EXPECT_GE(e->Widget("CBMultReihe[10]")->width(), 35);
}

TEST(Desktop, TheTitleBarFollowsTheWindowsCaption)
{
    Programm p;
    // Start-up names the program with its version once the window is first shown.
    const auto titelleiste = [&] { return p.D.Hauptfenster().windowHandle()->title().toStdString(); };
    const std::string titel = "Zifferbogen 3.1 - Ein Programm zum Erstellen von Aufgaben für Grund- und Hauptschule";
    EXPECT_EQ(titelleiste(), titel);
    EXPECT_EQ(p.D.Einstellungsfenster().windowTitle().toStdString(), "Aufgaben auswählen");
    // A change marks it, a saved file is named before the program.
    QTest::keyClick(&p.D.Hauptfenster(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(titelleiste(), titel + "*");
    const TTestordner ordner;
    p.Z().SaveFile((ordner / "Klasse 3a.zfb").string());
    EXPECT_EQ(titelleiste(), "Klasse 3a.zfb - " + titel);
    p.Z().Caption = "Kopfrechnen";
    EXPECT_EQ(titelleiste(), "Kopfrechnen");
}

TEST(Desktop, CtrlZAndCtrlYTakeBackAndRedoOneCommandEach)
{
    Programm p;
    auto* rand = p.HB().Als<QLineEdit>("RandWerteEdits[1]");
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[3]);
    rand->setFocus();
    const auto taste = [&](Qt::Key t, Qt::KeyboardModifiers umschalter) { QTest::keyClick(rand, t, umschalter); };
    const auto anfang = Gelesen(p);
    EXPECT_FALSE(p.D.Hauptfenster().Befehl(QStringLiteral("Rückgängig"))->isEnabled());

    // One click in the settings window rules, re-lays out and draws new tasks: one step.
    QWidget* reihe = p.D.Einstellungsfenster().Bindung().Widget("CBMultReihe[7]");
    QTest::mouseClick(reihe, Qt::LeftButton, {}, QPoint(4, reihe->height() / 2));
    const auto geklickt = Gelesen(p);
    ASSERT_NE(geklickt, anfang);
    EXPECT_TRUE(p.D.Hauptfenster().Befehl(QStringLiteral("Rückgängig"))->isEnabled());
    taste(Qt::Key_N, Qt::ControlModifier);
    const auto neu = Gelesen(p);

    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Gelesen(p), geklickt);
    taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Gelesen(p), anfang);
    EXPECT_FALSE(p.D.Hauptfenster().Befehl(QStringLiteral("Rückgängig"))->isEnabled());
    taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Gelesen(p), geklickt);
    taste(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Gelesen(p), neu);
    EXPECT_FALSE(p.D.Hauptfenster().Befehl(QStringLiteral("Wiederherstellen"))->isEnabled());
    EXPECT_EQ(rand->text(), QStringLiteral("1.00cm"));
}

TEST(Desktop, ClosingAChangedSheetAsksAndCancelKeepsTheWindowOpen)
{
    Programm p;
    QTest::keyClick(&p.D.Hauptfenster(), Qt::Key_N, Qt::ControlModifier);
    p.Meldungen.Antworten = {TAntwort::Abbrechen};
    QTest::keyClick(&p.D.Hauptfenster(), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(p.Meldungen.Gefragt.size(), 1U);
    EXPECT_EQ(p.Meldungen.Gefragt[0].Text, "Die Änderungen am Arbeitsblatt speichern?");
    EXPECT_TRUE(p.D.Hauptfenster().isVisible());
    p.Meldungen.Antworten = {TAntwort::Verwerfen};
    EXPECT_TRUE(p.D.Hauptfenster().close());
    EXPECT_FALSE(p.D.Hauptfenster().isVisible());
}

// The captions of a window's buttons, boxes and labels that are shown: those cut (narrower
// than their text wants) and those that overlap a sibling.
std::vector<std::string> VerdeckteBeschriftungen(QWidget& fenster)
{
    std::vector<std::string> befunde;
    const auto beschriftung = [](const QWidget* w) {
        if (const auto* label = qobject_cast<const QLabel*>(w))
            return label->wordWrap() ? QString() : label->text();
        if (const auto* knopf = qobject_cast<const QAbstractButton*>(w))
            return knopf->text();
        return QString();
    };
    const QList<QWidget*> alle = fenster.findChildren<QWidget*>();
    for (QWidget* w : alle) {
        if (!w->isVisibleTo(&fenster) || beschriftung(w).isEmpty())
            continue;
        const std::string name = beschriftung(w).toStdString();
        if (w->width() < w->minimumSizeHint().width())
            befunde.push_back("abgeschnitten: " + name);
        for (QWidget* anderes : alle) {
            if (anderes != w && anderes->parentWidget() == w->parentWidget() && anderes->isVisibleTo(&fenster)
                && !qobject_cast<QTabBar*>(anderes) && w->geometry().intersects(anderes->geometry()))
                befunde.push_back("verdeckt: " + name);
        }
    }
    return befunde;
}

TEST(Desktop, NoCaptionIsCutOrCoveredAtTheSmallestSizeAndBothWindowsFitAScaledLaptopScreen)
{
    Programm p;
    THauptfenster& haupt = p.D.Hauptfenster();
    haupt.resize(haupt.minimumSize());
    const auto& reiter = p.Z().PCEigenschaften->Pages();
    for (std::size_t i = 0; i < reiter.size(); ++i) {
        p.Z().PCEigenschaften->SetActivePage(reiter[i]);
        QApplication::processEvents();
        EXPECT_EQ(VerdeckteBeschriftungen(haupt), std::vector<std::string>{}) << reiter[i]->Caption();
    }
    // 1920 × 1080 pixels at twice the scale leave 960 × 540 for both windows.
    for (QWidget* fenster : {static_cast<QWidget*>(&haupt), static_cast<QWidget*>(&p.D.Einstellungsfenster())}) {
        EXPECT_LE(fenster->minimumSize().width(), 960) << fenster->windowTitle().toStdString();
        EXPECT_LE(fenster->minimumSize().height(), 540) << fenster->windowTitle().toStdString();
    }
}

TEST(Desktop, CtrlWithALetterRunsItsCommandAndNothingElseDoes)
{
    Programm p;
    struct Fall {
        const char* Was;
        Qt::Key Taste;
        Qt::KeyboardModifiers Umschalter;
        bool NeueSeite;
    };
    for (const Fall& fall : {Fall{"Ctrl+N", Qt::Key_N, Qt::ControlModifier, true},
                             Fall{"Ctrl+Shift+N", Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier, true},
                             Fall{"Ctrl+Alt+N", Qt::Key_N, Qt::ControlModifier | Qt::AltModifier, true},
                             Fall{"N alone", Qt::Key_N, Qt::NoModifier, false},
                             Fall{"Ctrl alone", Qt::Key_Control, Qt::ControlModifier, false},
                             Fall{"Ctrl+M", Qt::Key_M, Qt::ControlModifier, false}}) {
        const std::vector<TGSAufgabe> vorher = p.Aufgaben();
        QTest::keyClick(&p.D.Hauptfenster(), fall.Taste, fall.Umschalter);
        EXPECT_EQ(!Gleich(p.Aufgaben(), vorher), fall.NeueSeite) << fall.Was;
    }
    // The window sees the key before a field that has the focus.
    auto* rand = p.HB().Als<QLineEdit>("RandWerteEdits[1]");
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[3]);
    rand->setFocus();
    const std::vector<TGSAufgabe> vorher = p.Aufgaben();
    QTest::keyClick(rand, Qt::Key_N, Qt::ControlModifier);
    EXPECT_FALSE(Gleich(p.Aufgaben(), vorher));
    EXPECT_EQ(rand->text(), QStringLiteral("1.00cm"));
    // Every command with a key is offered.
    for (const char* befehl : {"Öffnen ...", "Speichern ...", "Drucken ...", "Kopieren", "Aufgaben neu suchen"})
        EXPECT_TRUE(p.D.Hauptfenster().Befehl(QString::fromUtf8(befehl))->isEnabled()) << befehl;
}

TEST(Desktop, TheZoomBoxTakesAnItemOrATypedZoomWithEnter)
{
    Programm p;
    auto* zoom = p.HB().Als<QComboBox>("ZoomBox");
    TBlatt& blatt = p.Z().Blatt();
    zoom->activated(zoom->findText(QStringLiteral("200%")));
    EXPECT_DOUBLE_EQ(blatt.Zoom, 2.0);
    EXPECT_TRUE(p.HB().Widget("ScrollBarVert")->isVisible());
    EXPECT_TRUE(p.HB().Widget("ScrollBarHor")->isVisible());

    struct Fall {
        const char* Getippt;
        double Zoom;
        const char* Zeigt;
    };
    for (const Fall& fall :
         {Fall{"150", 1.5, "150%"}, Fall{"5", 1.5, "5"}, Fall{"1000", 1.5, "1000"}, Fall{"75 %", 0.75, "75%"}}) {
        zoom->lineEdit()->selectAll();
        QTest::keyClicks(zoom->lineEdit(), QString::fromUtf8(fall.Getippt));
        QTest::keyClick(zoom->lineEdit(), Qt::Key_Return);
        EXPECT_DOUBLE_EQ(blatt.Zoom, fall.Zoom) << fall.Getippt;
        EXPECT_EQ(zoom->currentText(), QString::fromUtf8(fall.Zeigt)) << fall.Getippt;
    }
    zoom->activated(zoom->findText(QStringLiteral("Ganze Seite")));
    EXPECT_LT(blatt.Zoom, 0.75);
    EXPECT_EQ(zoom->currentText(), QStringLiteral("Ganze Seite"));
}

// Keys as a user's keyboard sends them: to the widget that has the focus after a click on
// the given one.
QWidget* Angeklickt(QWidget* widget)
{
    QApplication::setActiveWindow(widget->window());
    widget->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget->window()));
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() / 3, widget->height() / 2));
    QWidget* fokus = QApplication::focusWidget();
    EXPECT_NE(fokus, nullptr);
    return fokus != nullptr ? fokus : widget;
}

void Tippen(QWidget* fokus, const char* text, Qt::Key abschluss)
{
    QTest::keyClick(fokus, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(fokus, QString::fromUtf8(text));
    QTest::keyClick(fokus, abschluss);
}

TEST(Desktop, AZoomTypedIntoTheFocusedZoomBoxTakesEffectWithEnter)
{
    Programm p;
    TBlatt& blatt = p.Z().Blatt();
    struct Fall {
        const char* Getippt;
        Qt::Key Taste;
        double Zoom;
    };
    for (const Fall& fall : {Fall{"150", Qt::Key_Return, 1.5}, Fall{"80", Qt::Key_Enter, 0.8},
                             Fall{"999", Qt::Key_Return, 9.99}}) {
        QWidget* fokus = Angeklickt(p.HB().Widget("ZoomBox"));
        Tippen(fokus, fall.Getippt, fall.Taste);
        EXPECT_DOUBLE_EQ(blatt.Zoom, fall.Zoom) << fall.Getippt;
    }
}

// Brings the tab page that holds widget to the front, as a click on its tab does.
QWidget* AufSeinerSeite(QWidget* widget)
{
    for (QWidget* seite = widget; seite != nullptr; seite = seite->parentWidget()) {
        QWidget* stapel = seite->parentWidget();
        if (auto* reiter = stapel != nullptr ? qobject_cast<QTabWidget*>(stapel->parentWidget()) : nullptr)
            reiter->setCurrentWidget(seite);
    }
    return widget;
}

TEST(Desktop, TypedRowsAndColumnsLayThePageOutWithEnterOrWhenTheFieldIsLeft)
{
    Programm p;
    QTest::mouseClick(AufSeinerSeite(p.HB().Widget("RBGenauFestlegen")), Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    ASSERT_TRUE(p.Seite().GenauFestlegen);
    // A layout larger than the paper is kept, and a note in the status bar says so while it
    // lasts.
    struct Fall {
        const char* Feld;
        const char* Getippt;
        Qt::Key Abschluss;
        int Zeilen, Spalten;
        bool Hinweis;
    };
    auto* leiste = p.D.Hauptfenster().statusBar();
    for (const Fall& fall :
         {Fall{"EZeilen", "10", Qt::Key_Return, 10, 1, false}, Fall{"ESpalten", "3", Qt::Key_Tab, 10, 3, false},
          Fall{"EZeilen", "7", Qt::Key_Enter, 7, 3, false}, Fall{"EZeilen", "40", Qt::Key_Return, 40, 3, true},
          Fall{"EZeilen", "10", Qt::Key_Return, 10, 3, false}}) {
        Tippen(Angeklickt(AufSeinerSeite(p.HB().Widget(fall.Feld))), fall.Getippt, fall.Abschluss);
        EXPECT_EQ(p.Seite().ZeilenZahl, fall.Zeilen) << fall.Feld << ' ' << fall.Getippt;
        EXPECT_EQ(p.Seite().SpaltenZahl, fall.Spalten) << fall.Feld << ' ' << fall.Getippt;
        EXPECT_EQ(leiste->isVisible(), fall.Hinweis) << fall.Feld << ' ' << fall.Getippt;
        const QString hinweis = p.HB().Als<QLabel>("LPasstNicht")->text();
        EXPECT_EQ(hinweis.contains(QStringLiteral("40 Zeilen zu je 3 Spalten passen nicht auf die Seite")),
                  fall.Hinweis)
            << hinweis.toStdString();
    }
}

TEST(Desktop, ALeftClickReplacesExactlyTheClickedTask)
{
    Programm p;
    p.Malen();
    TSeite& seite = p.Seite();
    ASSERT_GE(seite.ZeilenZahl, 3);
    ASSERT_GE(seite.SpaltenZahl, 3);
    const TBlatt& blatt = p.Z().Blatt();
    const TRahmen& r = seite.Aufgabe(2, 1).Rahmen;
    const QPoint mitte(blatt.XGeraet((r.Links + r.Rechts) / 2, true), blatt.YGeraet((r.Oben + r.Unten) / 2, true));
    const std::vector<TGSAufgabe> vorher = p.Aufgaben();
    QTest::mouseMove(&p.D.Hauptfenster().Malflaeche(), mitte);
    EXPECT_EQ(p.D.Hauptfenster().Malflaeche().cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&p.D.Hauptfenster().Malflaeche(), Qt::LeftButton, {}, mitte);
    const std::vector<TGSAufgabe> nachher = p.Aufgaben();
    ASSERT_EQ(nachher.size(), vorher.size());
    const std::size_t getroffen = 2 * static_cast<std::size_t>(seite.SpaltenZahl) + 1;
    for (std::size_t i = 0; i < vorher.size(); ++i)
        EXPECT_EQ(nachher[i] == vorher[i], i != getroffen) << i;
}

TEST(Desktop, AnOptionClickLaysThePageOutAnewAndRepaintsIt)
{
    Programm p;
    p.Malen();
    // The main window's option: the same tasks, now numbered.
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[2]);
    const std::vector<TGSAufgabe> vorher = p.Aufgaben();
    const int gemalt = p.Gemalt;
    QTest::mouseClick(p.HB().Als<QCheckBox>("CBNummerierung"), Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_TRUE(p.Seite().Nummerierung);
    QApplication::processEvents();
    EXPECT_GT(p.Gemalt, gemalt);
    // Numbers take room in every row; the tasks that still fit are the same ones.
    const std::vector<TGSAufgabe> nachher = p.Aufgaben();
    ASSERT_FALSE(nachher.empty());
    EXPECT_TRUE(nachher.front() == vorher.front());

    // The settings window's option: a new page of the newly chosen operation.
    p.Z().BHauptformular->Click();
    auto& einstellungen = p.D.Einstellungsfenster();
    QTest::mouseClick(einstellungen.Bindung().Als<QCheckBox>("CBPluskv"), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseClick(einstellungen.Bindung().Als<QCheckBox>("CBMalkv"), Qt::LeftButton, {}, QPoint(7, 8));
    EXPECT_TRUE(p.E().CBPluskommtvor->Checked());
    for (const TGSAufgabe& aufgabe : p.Aufgaben())
        EXPECT_EQ(aufgabe.Rechenzeichen, 0);
    // The quick box and its twin on the tab page show the same.
    EXPECT_TRUE(einstellungen.Bindung().Als<QCheckBox>("CBPluskommtvor")->isChecked());
}

TEST(Desktop, TheMarginFieldsTakeTypedValuesAndShowWhatTheyCannotRead)
{
    Programm p;
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[3]);
    auto* links = p.HB().Als<QLineEdit>("RandWerteEdits[1]");
    struct Fall {
        const char* Getippt;
        double Wert;
        const char* Zeigt;
        bool Fehler;
    };
    for (const Fall& fall : {Fall{"1,5", 1.5, "1.50cm", false}, Fall{"9", 1.5, "1.50cm", false},
                             Fall{"8", 8.0, "8.00cm", false}, Fall{"abc", 8.0, "abc", true}}) {
        p.Meldungen.Gezeigt.clear();
        links->setFocus();
        links->selectAll();
        QTest::keyClicks(links, QString::fromUtf8(fall.Getippt));
        QTest::keyClick(links, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(p.Z().RandWerte[1], fall.Wert) << fall.Getippt;
        EXPECT_EQ(links->text(), QString::fromUtf8(fall.Zeigt)) << fall.Getippt;
        EXPECT_EQ(p.Meldungen.Gezeigt.size(), fall.Fehler ? 1U : 0U) << fall.Getippt;
        if (fall.Fehler && !p.Meldungen.Gezeigt.empty()) {
            EXPECT_EQ(p.Meldungen.Gezeigt[0].Titel, "Umwandlungsfehler");
        }
    }
    // The arrows step by a tenth within the range.
    links->setFocus();
    links->selectAll();
    QTest::keyClicks(links, QStringLiteral("7.9"));
    QTest::keyClick(links, Qt::Key_Return);
    auto* pfeile = dynamic_cast<TPfeilpaar*>(p.HB().Widget("RandUpDowns[1]"));
    QTest::mouseClick(pfeile->Hoch(), Qt::LeftButton);
    QTest::mouseClick(pfeile->Hoch(), Qt::LeftButton);
    EXPECT_NEAR(p.Z().RandWerte[1], 8.0, 1e-9);
    EXPECT_EQ(links->text(), QStringLiteral("8.00cm"));
}

TEST(Desktop, CtrlCPutsThePageOnTheClipboardAsVectorSvgWithPngAndPdf)
{
    Programm p;
    QGuiApplication::clipboard()->clear();
    EXPECT_TRUE(p.HB().Widget("BKopieren")->isEnabled());
    QTest::keyClick(&p.D.Hauptfenster(), Qt::Key_C, Qt::ControlModifier);

    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(daten, nullptr);
    EXPECT_TRUE(daten->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(daten->hasFormat(QStringLiteral("application/pdf")));
    ASSERT_TRUE(daten->hasImage());
    // The tasks stay text and the lines stay lines: no picture of pixels inside the SVG.
    const QString svg = QString::fromUtf8(daten->data(QStringLiteral("image/svg+xml")));
    const TGSAufgabe& erste = p.Seite().Aufgabe(0, 0).Daten;
    EXPECT_TRUE(svg.contains(QStringLiteral("<text")));
    EXPECT_TRUE(svg.contains(QString::number(erste.Operand1)));
    EXPECT_TRUE(svg.contains(QStringLiteral("<path")) || svg.contains(QStringLiteral("<polyline")));
    EXPECT_FALSE(svg.contains(QStringLiteral("<image")));
    // The three are one picture: the PNG has the SVG's pixels, the PDF one page.
    const QImage png = qvariant_cast<QImage>(daten->imageData());
    const QSize groesse = QSvgRenderer(daten->data(QStringLiteral("image/svg+xml"))).viewBox().size();
    EXPECT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), groesse);
    EXPECT_TRUE(daten->data(QStringLiteral("application/pdf")).startsWith("%PDF"));

    // The button does the same.
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(p.HB().Als<QPushButton>("BKopieren"), Qt::LeftButton);
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(p.Meldungen.Gezeigt.empty());
}

TEST(Desktop, TheWrittenLayoutWarnsInAMessageBoxWhileMultiplicationIsChosen)
{
    Programm p;
    p.Z().PCEigenschaften->SetActivePage(p.Z().PCEigenschaften->Pages()[1]);
    QTest::mouseClick(p.HB().Als<QCheckBox>("CBSchriftlich"), Qt::LeftButton, {}, QPoint(7, 8));
    ASSERT_EQ(p.Meldungen.Gezeigt.size(), 1U);
    EXPECT_EQ(p.Meldungen.Gezeigt[0].Titel, "Warnung:");
    EXPECT_EQ(p.Meldungen.Gezeigt[0].Text,
              "Das Layout \"schriftliche Rechnung\" ist nur für Addition und Subtraktion vorgesehen.");
    EXPECT_TRUE(p.HB().Widget("CBGespensterAufgaben")->isEnabled());
    EXPECT_FALSE(p.HB().Widget("RBZentriert")->isEnabled());
}

} // namespace

TEST(Desktop, TheSplashTimerOpensTheWorksheetNamedOnTheCommandLine)
{
    const std::string datei = (std::filesystem::temp_directory_path() / "zb_desktop_start.ZFB").string();
    {
        Programm quelle;
        quelle.D.Modelle().Ueberschrift().UeberschriftZeileAnfuegen("Vom Befehl");
        quelle.Z().SaveFile(datei);
    }
    TMeldungsrekorder meldungen;
    TDesktop d(meldungen, 7, {datei}, {});
    d.Starten();
    TFUeberschrift& ueberschrift = d.Modelle().Ueberschrift();
    EXPECT_TRUE(ueberschrift.MUeberschrift->Lines().empty());
    // The first tick after 1.5 s opens the file, the second closes the splash.
    QTRY_COMPARE_WITH_TIMEOUT(ueberschrift.MUeberschrift->Lines().size(), std::size_t{1}, 5000);
    EXPECT_EQ(ueberschrift.MUeberschrift->Lines()[0], "Vom Befehl");
    QTRY_VERIFY_WITH_TIMEOUT(!d.Modelle().Splash().Sichtbar, 5000);
    EXPECT_TRUE(meldungen.Gezeigt.empty());
    std::filesystem::remove(datei);
}
