// SPDX-License-Identifier: GPL-3.0-or-later
// The binding of model controls to Qt widgets, both ways, for every kind of control: what the
// user does with a widget reaches the model control as the command line's calls would, and
// every change of the model shows in its widget without running a handler again.

#include "DesktopUmgebung.h"

#include "files/Fehler.h"
#include "qt/binding/Bindung.h"
#include "qt/binding/Fehlerbehandlung.h"
#include "qt/binding/Pfeilpaar.h"
#include "qt/platform/Schriftdialog.h"
#include "toolkit/Formular.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <string>
#include <vector>

namespace {

// One control of every kind, each handler writing what it saw into Protokoll.
class Testfenster final : public TFormular {
public:
    Testfenster() : TFormular("Test")
    {
        Gruppe = &Erzeuge<TGroupBox>("GBGruppe");
        Gruppe->SetCaption("Gruppe");
        Box = &Erzeuge<TCheckBox>("CBBox", Gruppe);
        Box->SetCaption("Kasten");
        Box->SetBounds(10, 20, 17, 17);
        Box->OnClick = [this](TCheckBox& c) {
            Protokoll.push_back(std::string("box:") + (c.Checked() ? "an" : "aus"));
        };
        for (int i = 1; i <= 2; ++i) {
            auto& r = Erzeuge<TRadioButton>(Indexname("RB", {i}), Gruppe);
            r.SetCaption("Wahl " + std::to_string(i));
            r.OnClick = [this](TRadioButton& k) { Protokoll.push_back("radio:" + k.Name()); };
            Radios.push_back(&r);
        }
        Knopf = &Erzeuge<TButton>("BKnopf");
        Knopf->SetCaption("Los & weiter");
        Knopf->OnClick = [this](TButton&) { Protokoll.emplace_back("knopf"); };
        Feld = &Erzeuge<TEdit>("EFeld");
        Feld->OnChange = [this](TEdit& e) { Protokoll.push_back("text:" + e.Text()); };
        // '#' is swallowed, as a filtering field does; Enter is seen.
        Feld->OnKeyPress = [this](TEdit&, char& taste) {
            if (taste == '#')
                taste = 0;
            else if (taste == 13)
                Protokoll.emplace_back("enter");
        };
        Feld->OnExit = [this](TEdit& e) { Protokoll.push_back("exit:" + e.Text()); };
        Memo = &Erzeuge<TMemo>("MText");
        Pfeile = &Erzeuge<TUpDown>("UDPfeile");
        Pfeile->SetRange(1, 7);
        Pfeile->OnClick = [this](TUpDown& u, TUDBtnType r) {
            Protokoll.push_back(std::string(r == TUDBtnType::btNext ? "hoch:" : "runter:")
                                + std::to_string(u.Position()));
        };
        Wahl = &Erzeuge<TRadioGroup>("RGArt");
        Wahl->SetItems({"eins", "zwei"});
        Wahl->SetItemIndex(0);
        Wahl->OnClick = [this](TRadioGroup& g) { Protokoll.push_back("gruppe:" + std::to_string(g.ItemIndex())); };
        Liste = &Erzeuge<TComboBox>("CBListe");
        Liste->SetItems({"25%", "100%"});
        Liste->SetText("25%");
        Liste->OnChange = [this](TComboBox& l) { Protokoll.push_back("liste:" + l.Text()); };
        Liste->OnKeyDown = [this](TComboBox& l, int taste) {
            if (taste == 13)
                Protokoll.push_back("listenenter:" + l.Text());
        };
        Leiste = &Erzeuge<TScrollBar>("SBLeiste");
        Leiste->SetRange(0, 1000);
        Leiste->SetPageSize(100);
        Leiste->SetSmallChange(10);
        Leiste->OnChange = [this](TScrollBar& l) { Protokoll.push_back("leiste:" + std::to_string(l.Position())); };
        Reiter = &Erzeuge<TPageControl>("PCReiter");
        for (const char* name : {"TS1", "TS2"}) {
            auto& seite = Erzeuge<TTabSheet>(name);
            seite.SetCaption(std::string("Seite ") + name);
            Reiter->AddPage(seite);
        }
        Reiter->SetActivePage(Reiter->Pages()[0]);
        Text = &Erzeuge<TLabel>("LText");
        Text->SetCaption("Hinweis");
        Flaeche = &Erzeuge<TPaintBox>("PBFlaeche");
        Flaeche->OnPaint = [this](TPaintBox&) { ++Malvorgaenge; };
    }

    TGroupBox* Gruppe;
    TCheckBox* Box;
    std::vector<TRadioButton*> Radios;
    TButton* Knopf;
    TEdit* Feld;
    TMemo* Memo;
    TUpDown* Pfeile;
    TRadioGroup* Wahl;
    TComboBox* Liste;
    TScrollBar* Leiste;
    TPageControl* Reiter;
    TLabel* Text;
    TPaintBox* Flaeche;
    std::vector<std::string> Protokoll;
    int Malvorgaenge = 0;
};

// The test window with every widget placed and shown.
struct Ansicht {
    Ansicht()
    {
        auto* spalte = new QVBoxLayout(&Fenster);
        QWidget* gruppe = B.Widget("GBGruppe");
        B.Platzieren(*F.Gruppe, *gruppe);
        auto* innen = new QVBoxLayout(gruppe);
        innen->setContentsMargins(40, 20, 4, 4);
        innen->addWidget(B.Widget("RB[1]"));
        innen->addWidget(B.Widget("RB[2]"));
        spalte->addWidget(gruppe);
        for (const char* name :
             {"BKnopf", "EFeld", "MText", "UDPfeile", "RGArt", "CBListe", "SBLeiste", "PCReiter", "LText", "PBFlaeche"})
            spalte->addWidget(B.Widget(name));
        B.Widget("PBFlaeche")->setMinimumSize(50, 50);
        Fenster.resize(300, 700);
        Fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
        F.Protokoll.clear();
    }
    template <class W>
    W* Als(const char* name)
    {
        return B.Als<W>(name);
    }

    Testfenster F;
    TMeldungsrekorder Meldungen;
    TFehlerbehandlung Fehler{Meldungen};
    TBindung B{F, Fehler};
    QWidget Fenster;
};

// A click where a radio button's box is, as a user aims at it (a wide button takes clicks only
// on its box and caption).
void Klick(QWidget* knopf)
{
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(7, knopf->height() / 2));
}

struct Bedienfall {
    const char* Was;
    std::function<void(Ansicht&)> Bedienen;
    std::vector<std::string> Protokoll;
    std::function<bool(Ansicht&)> Modell;
};

TEST(Bindung, WhatTheUserDoesReachesTheModelControl)
{
    const Bedienfall faelle[] = {
        {"check box",
         [](Ansicht& a) { QTest::mouseClick(a.Als<QCheckBox>("CBBox"), Qt::LeftButton); },
         {"box:an"},
         [](Ansicht& a) { return a.F.Box->Checked(); }},
        {"radio button",
         [](Ansicht& a) { Klick(a.Als<QRadioButton>("RB[2]")); },
         {"radio:RB[2]"},
         [](Ansicht& a) { return a.F.Radios[1]->Checked() && !a.F.Radios[0]->Checked(); }},
        {"button",
         [](Ansicht& a) { QTest::mouseClick(a.Als<QPushButton>("BKnopf"), Qt::LeftButton); },
         {"knopf"},
         [](Ansicht&) { return true; }},
        {"edit: typing, a swallowed key, Enter, leaving",
         [](Ansicht& a) {
             auto* feld = a.Als<QLineEdit>("EFeld");
             feld->setFocus();
             QTest::keyClicks(feld, QStringLiteral("1#2"));
             QTest::keyClick(feld, Qt::Key_Return);
             a.Als<QPushButton>("BKnopf")->setFocus(Qt::TabFocusReason);
         },
         {"text:1", "text:12", "enter", "exit:12"},
         [](Ansicht& a) { return a.F.Feld->Text() == "12"; }},
        {"memo",
         [](Ansicht& a) {
             auto* memo = a.Als<QPlainTextEdit>("MText");
             QTest::keyClicks(memo, QStringLiteral("ab"));
             QTest::keyClick(memo, Qt::Key_Return);
             QTest::keyClicks(memo, QStringLiteral("c"));
         },
         {},
         [](Ansicht& a) {
             return a.F.Memo->Lines() == std::vector<std::string>{"ab", "c"};
         }},
        {"up-down arrows",
         [](Ansicht& a) {
             auto* pfeile = a.Als<TPfeilpaar>("UDPfeile");
             QTest::mouseClick(pfeile->Hoch(), Qt::LeftButton);
             QTest::mouseClick(pfeile->Hoch(), Qt::LeftButton);
             QTest::mouseClick(pfeile->Runter(), Qt::LeftButton);
         },
         {"hoch:2", "hoch:3", "runter:2"},
         [](Ansicht& a) { return a.F.Pfeile->Position() == 2; }},
        {"radio group",
         [](Ansicht& a) { Klick(a.Als<QGroupBox>("RGArt")->findChildren<QRadioButton*>()[1]); },
         {"gruppe:1"},
         [](Ansicht& a) { return a.F.Wahl->ItemIndex() == 1; }},
        {"list item",
         [](Ansicht& a) { a.Als<QComboBox>("CBListe")->activated(1); },
         {"liste:100%"},
         [](Ansicht& a) { return a.F.Liste->Text() == "100%"; }},
        {"list typed and Enter",
         [](Ansicht& a) {
             auto* liste = a.Als<QComboBox>("CBListe");
             liste->lineEdit()->selectAll();
             QTest::keyClicks(liste->lineEdit(), QStringLiteral("15"));
             QTest::keyClick(liste->lineEdit(), Qt::Key_Return);
         },
         {"liste:1", "liste:15", "listenenter:15"},
         [](Ansicht& a) { return a.F.Liste->Text() == "15"; }},
        {"scroll bar",
         [](Ansicht& a) { a.Als<QScrollBar>("SBLeiste")->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
         {"leiste:10"},
         [](Ansicht& a) { return a.F.Leiste->Position() == 10; }},
        {"tab page",
         [](Ansicht& a) { a.Als<QTabWidget>("PCReiter")->setCurrentIndex(1); },
         {},
         [](Ansicht& a) { return a.F.Reiter->ActivePage() == a.F.Reiter->Pages()[1]; }},
    };
    for (const Bedienfall& fall : faelle) {
        Ansicht a;
        fall.Bedienen(a);
        EXPECT_EQ(a.F.Protokoll, fall.Protokoll) << fall.Was;
        EXPECT_TRUE(fall.Modell(a)) << fall.Was;
        EXPECT_TRUE(a.Meldungen.Gezeigt.empty()) << fall.Was;
    }
}

struct Modellfall {
    const char* Was;
    std::function<void(Testfenster&)> Aendern;
    std::function<bool(Ansicht&)> Widget;
};

TEST(Bindung, EveryChangeOfTheModelShowsInItsWidgetWithoutRunningAHandler)
{
    const Modellfall faelle[] = {
        {"checked", [](Testfenster& f) { f.Box->SetChecked(true); },
         [](Ansicht& a) { return a.Als<QCheckBox>("CBBox")->isChecked(); }},
        {"radio", [](Testfenster& f) { f.Radios[1]->SetChecked(true); },
         [](Ansicht& a) {
             return a.Als<QRadioButton>("RB[2]")->isChecked() && !a.Als<QRadioButton>("RB[1]")->isChecked();
         }},
        {"enabled", [](Testfenster& f) { f.Box->SetEnabled(false); },
         [](Ansicht& a) { return !a.Als<QCheckBox>("CBBox")->isEnabled(); }},
        {"group enabled", [](Testfenster& f) { f.Gruppe->SetEnabled(false); },
         [](Ansicht& a) { return !a.Als<QRadioButton>("RB[1]")->isEnabled(); }},
        {"visible", [](Testfenster& f) { f.Box->SetVisible(false); },
         [](Ansicht& a) { return a.Als<QCheckBox>("CBBox")->isHidden(); }},
        {"hint",
         [](Testfenster& f) {
             f.Box->SetHint("z.B. 23 + 3");
             f.Box->SetShowHint(true);
         },
         [](Ansicht& a) { return a.Als<QCheckBox>("CBBox")->toolTip() == QStringLiteral("z.B. 23 + 3"); }},
        {"hint not shown", [](Testfenster& f) { f.Box->SetHint("z.B. 23 + 3"); },
         [](Ansicht& a) { return a.Als<QCheckBox>("CBBox")->toolTip().isEmpty(); }},
        {"position", [](Testfenster& f) { f.Box->SetBounds(30, 40, 17, 17); },
         [](Ansicht& a) { return a.Als<QCheckBox>("CBBox")->geometry().topLeft() == QPoint(30, 40); }},
        {"caption with &", [](Testfenster& f) { f.Knopf->SetCaption("A & B"); },
         [](Ansicht& a) { return a.Als<QPushButton>("BKnopf")->text() == QStringLiteral("A && B"); }},
        {"text and read-only",
         [](Testfenster& f) {
             f.Feld->SetText("7");
             f.Feld->SetReadOnly(true);
         },
         [](Ansicht& a) {
             return a.Als<QLineEdit>("EFeld")->text() == QStringLiteral("7") && a.Als<QLineEdit>("EFeld")->isReadOnly();
         }},
        {"memo lines",
         [](Testfenster& f) {
             f.Memo->SetLines({"Fehler 1", "Fehler 2"});
         },
         [](Ansicht& a) {
             return a.Als<QPlainTextEdit>("MText")->toPlainText() == QStringLiteral("Fehler 1\nFehler 2");
         }},
        {"up-down range and position",
         [](Testfenster& f) {
             f.Pfeile->SetRange(0, 6);
             f.Pfeile->SetPosition(5);
         },
         [](Ansicht& a) {
             auto* p = a.Als<TPfeilpaar>("UDPfeile");
             return p->Minimum() == 0 && p->Maximum() == 6 && p->Position() == 5;
         }},
        {"group items and index",
         [](Testfenster& f) {
             f.Wahl->SetItems({"a", "b", "c"});
             f.Wahl->SetItemIndex(2);
         },
         [](Ansicht& a) {
             const auto knoepfe = a.Als<QGroupBox>("RGArt")->findChildren<QRadioButton*>();
             return knoepfe.size() == 3 && knoepfe[2]->text() == QStringLiteral("c") && knoepfe[2]->isChecked()
                 && !knoepfe[0]->isChecked();
         }},
        {"list items and text",
         [](Testfenster& f) {
             f.Liste->SetItems({"50%", "200%", "Ganze Seite"});
             f.Liste->SetText("150%");
         },
         [](Ansicht& a) {
             auto* l = a.Als<QComboBox>("CBListe");
             return l->count() == 3 && l->itemText(2) == QStringLiteral("Ganze Seite")
                 && l->currentText() == QStringLiteral("150%");
         }},
        {"scroll bar", [](Testfenster& f) { f.Leiste->SetPosition(300); },
         [](Ansicht& a) {
             auto* l = a.Als<QScrollBar>("SBLeiste");
             // The visible part belongs to the range in the model, not in Qt.
             return l->value() == 300 && l->maximum() == 900 && l->pageStep() == 100 && l->singleStep() == 10;
         }},
        {"active page", [](Testfenster& f) { f.Reiter->SetActivePage(f.Reiter->Pages()[1]); },
         [](Ansicht& a) { return a.Als<QTabWidget>("PCReiter")->currentIndex() == 1; }},
        {"page caption and visibility",
         [](Testfenster& f) {
             f.Reiter->Pages()[1]->SetCaption("Neu");
             f.Reiter->Pages()[1]->SetVisible(false);
         },
         [](Ansicht& a) {
             auto* r = a.Als<QTabWidget>("PCReiter");
             return r->tabText(1) == QStringLiteral("Neu") && !r->isTabVisible(1);
         }},
        {"label", [](Testfenster& f) { f.Text->SetCaption("Neu"); },
         [](Ansicht& a) { return a.Als<QLabel>("LText")->text() == QStringLiteral("Neu"); }},
        {"hand cursor", [](Testfenster& f) { f.Flaeche->SetCursor(TCursor::Hand); },
         [](Ansicht& a) { return a.B.Widget("PBFlaeche")->cursor().shape() == Qt::PointingHandCursor; }},
    };
    for (const Modellfall& fall : faelle) {
        Ansicht a;
        const std::size_t vorher = a.F.Protokoll.size();
        fall.Aendern(a.F);
        EXPECT_TRUE(fall.Widget(a)) << fall.Was;
        // The handlers ran once, for the model's change; the widget's signals did not add more.
        for (std::size_t i = vorher; i < a.F.Protokoll.size(); ++i)
            EXPECT_EQ(std::count(a.F.Protokoll.begin(), a.F.Protokoll.end(), a.F.Protokoll[i]), 1) << fall.Was;
    }
}

TEST(Bindung, APaintOfTheModelIsAPaintOfTheWidget)
{
    Ansicht a;
    QApplication::processEvents();
    const int vorher = a.F.Malvorgaenge;
    a.F.Flaeche->Repaint();
    a.B.Widget("PBFlaeche")->repaint();
    EXPECT_GT(a.F.Malvorgaenge, vorher);
}

TEST(Bindung, AnErrorOfACommandIsShownAndEndsOnlyThatCommand)
{
    Ansicht a;
    int laeufe = 0;
    a.F.Knopf->OnClick = [&](TButton&) {
        ++laeufe;
        throw EConvertError("„x“ ist keine Zahl.");
    };
    QTest::mouseClick(a.Als<QPushButton>("BKnopf"), Qt::LeftButton);
    QTest::mouseClick(a.Als<QPushButton>("BKnopf"), Qt::LeftButton);
    EXPECT_EQ(laeufe, 2);
    ASSERT_EQ(a.Meldungen.Gezeigt.size(), 2U);
    EXPECT_EQ(a.Meldungen.Gezeigt[0].Titel, "Umwandlungsfehler");
    EXPECT_EQ(a.Meldungen.Gezeigt[0].Text, "„x“ ist keine Zahl.");
    // The window goes on: another control still works.
    QTest::mouseClick(a.Als<QCheckBox>("CBBox"), Qt::LeftButton);
    EXPECT_TRUE(a.F.Box->Checked());
}

TEST(Bindung, ErrorsAreNamedByTheirKind)
{
    struct Fall {
        std::function<void()> Werfen;
        const char* Titel;
    };
    const Fall faelle[] = {
        {[] { throw EInOutError("Die Datei „a.zfb“ kann nicht gelesen werden."); }, "Ein-/Ausgabefehler"},
        {[] { throw EConvertError("kaputt"); }, "Umwandlungsfehler"},
        {[] { throw ERangeError("zu groß"); }, "Bereichsfehler"},
        {[] { throw std::overflow_error("overflow"); }, "Rechenfehler"},
        {[] { throw std::bad_alloc(); }, "Zu wenig Speicher"},
        {[] { throw 42; }, "Fehler"},
    };
    for (const Fall& fall : faelle) {
        TMeldungsrekorder meldungen;
        TFehlerbehandlung fehler(meldungen);
        EXPECT_FALSE(fehler.Ausfuehren(fall.Werfen));
        ASSERT_EQ(meldungen.Gezeigt.size(), 1U);
        EXPECT_EQ(meldungen.Gezeigt[0].Titel, fall.Titel);
    }
}

// The font dialog shows the record and gives back what was chosen on it: style bits from the
// effects, a colour only when another was chosen, the character set kept.
TEST(Schriftdialog, TheChoiceComesBackOnTheRecordThatWasShown)
{
    TSchrift vorher;
    vorher.Name = "Liberation Sans";
    vorher.Groesse = 16;
    vorher.Stil = TSchrift::Fett;
    vorher.Zeichensatz = TSchrift::ZeichensatzAnsi;
    const QFont gezeigt = TQtSchriftdialog::AlsFont(vorher);
    EXPECT_TRUE(gezeigt.bold());
    EXPECT_EQ(gezeigt.pointSize(), 16);

    struct Fall {
        const char* Was;
        std::function<void(QFont&, QColor&)> Waehlen;
        std::function<bool(const TSchrift&)> Ergebnis;
    };
    const Fall faelle[] = {
        {"unchanged", [](QFont&, QColor&) {}, [&](const TSchrift& s) { return s == vorher; }},
        {"italic, underlined, 12 points",
         [](QFont& f, QColor&) {
             f.setBold(false);
             f.setItalic(true);
             f.setUnderline(true);
             f.setPointSize(12);
         },
         [](const TSchrift& s) {
             return s.Stil == (TSchrift::Kursiv | TSchrift::Unterstrichen) && s.Groesse == 12
                 && s.Farbe == TSchrift::FarbeFenstertext;
         }},
        {"red", [](QFont&, QColor& c) { c = QColor(255, 0, 0); },
         [](const TSchrift& s) { return s.Farbe == 0x0000FF && s.Zeichensatz == TSchrift::ZeichensatzAnsi; }},
    };
    for (const Fall& fall : faelle) {
        QFont font = gezeigt;
        QColor farbe = TQtSchriftdialog::AlsFarbe(vorher);
        fall.Waehlen(font, farbe);
        EXPECT_TRUE(fall.Ergebnis(TQtSchriftdialog::AusDialog(font, farbe, vorher))) << fall.Was;
    }
}

// A list the view made not editable: the keys choose among its items, which reach the model as
// a choice does, and the model's text shows as the chosen item.
TEST(Bindung, AListThatCannotBeTypedIntoOffersItsItemsAlone)
{
    Testfenster f;
    TMeldungsrekorder meldungen;
    TFehlerbehandlung fehler(meldungen);
    TBindung b(f, fehler);
    auto* liste = new QComboBox;
    b.Binden(*f.Liste, liste);
    QWidget fenster;
    (new QVBoxLayout(&fenster))->addWidget(liste);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    ASSERT_EQ(liste->count(), 2);
    EXPECT_EQ(liste->currentIndex(), 0);

    QTest::keyClick(liste, Qt::Key_Down);
    QTest::keyClick(liste, Qt::Key_Return);
    EXPECT_EQ(f.Liste->Text(), "100%");
    EXPECT_EQ(f.Protokoll, (std::vector<std::string>{"liste:100%", "listenenter:100%"}));
    f.Liste->SetText("25%");
    EXPECT_EQ(liste->currentText(), QStringLiteral("25%"));
    EXPECT_TRUE(meldungen.Gezeigt.empty());
}

// The font dialog opens on the style of the font it shows, although Qt names styles in German
// and the font files in English; the style it shows is the one OK takes.
TEST(Schriftdialog, OpensOnTheStyleOfTheFont)
{
    struct Fall {
        int Stil;
        bool Fett, Kursiv;
    };
    for (const Fall& fall :
         {Fall{0, false, false}, Fall{TSchrift::Fett, true, false}, Fall{TSchrift::Kursiv, false, true},
          Fall{TSchrift::Fett | TSchrift::Kursiv, true, true}}) {
        TSchrift schrift;
        schrift.Name = "Arial";
        schrift.Groesse = 12;
        schrift.Stil = fall.Stil;
        QFont gezeigt;
        QTimer zeitgeber;
        zeitgeber.setSingleShot(true);
        QObject::connect(&zeitgeber, &QTimer::timeout, &zeitgeber, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            gezeigt = dialog->findChild<QFontDialog*>()->currentFont();
            // OK, so that the choice comes back.
            dialog->accept();
        });
        zeitgeber.start(0);
        TQtSchriftdialog schriftdialog;
        EXPECT_TRUE(schriftdialog.Ausfuehren(schrift));
        EXPECT_EQ(gezeigt.bold(), fall.Fett) << fall.Stil;
        EXPECT_EQ(gezeigt.italic(), fall.Kursiv) << fall.Stil;
        EXPECT_EQ(schrift.Stil, fall.Stil);
        EXPECT_EQ(schrift.Groesse, 12);
    }
}

TEST(Bindung, AViewMustShowEveryControlAndDropsItsObserversWhenItGoes)
{
    Testfenster f;
    TMeldungsrekorder meldungen;
    TFehlerbehandlung fehler(meldungen);
    {
        TBindung b(f, fehler);
        b.Widget("CBBox");
        EXPECT_EQ(b.Ungebunden().size(), f.Steuerelemente().size() - 1);
        EXPECT_THROW(b.Widget("CBGibtEsNicht"), std::invalid_argument);
        delete b.Widget("CBBox");
        EXPECT_FALSE(f.Box->Beobachter);
        b.Widget("EFeld");
        EXPECT_TRUE(f.Feld->Beobachter);
    }
    EXPECT_FALSE(f.Feld->Beobachter);
    f.Feld->SetText("geht noch");
}

} // namespace
