// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Hauptfenster.h"

#include "app/UZeichnen.h"
#include "qt/views/Ansicht.h"
#include "qt/binding/Bindung.h"
#include "qt/binding/Fehlerbehandlung.h"
#include "qt/binding/Malflaeche.h"
#include "sheet/UBlatt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QPointer>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>

// The client area: it places the tab control, the button row and (through the model) the
// sheet, and draws the etched frame between them.
class THauptfenster::TFlaeche final : public QWidget {
public:
    explicit TFlaeche(THauptfenster& fenster) : Fenster(fenster) {}

protected:
    void resizeEvent(QResizeEvent*) override { Fenster.Anordnen(); }

    void paintEvent(QPaintEvent*) override
    {
        QPainter maler(this);
        const QColor schatten = palette().color(QPalette::Dark);
        const QColor licht = palette().color(QPalette::Light);
        const int rechts = width();
        const int unten = height();
        const int reiter = Fenster.Reiter->geometry().bottom() + 1;
        const int knoepfe = Fenster.Knopfzeile->geometry().bottom() + 1;
        maler.setPen(schatten);
        maler.drawLine(0, reiter + 1, rechts, reiter + 1);
        maler.drawLine(0, reiter + 1, 0, unten);
        maler.drawLine(2, knoepfe + 3, rechts, knoepfe + 3);
        maler.drawLine(2, knoepfe + 5, rechts, knoepfe + 5);
        maler.setPen(licht);
        maler.drawLine(1, reiter + 2, rechts, reiter + 2);
        maler.drawLine(1, reiter + 2, 1, unten);
        maler.drawLine(1, knoepfe + 4, rechts, knoepfe + 4);
    }

private:
    THauptfenster& Fenster;
};

namespace {

constexpr int Feldbreite = 64;

} // namespace

THauptfenster::THauptfenster(TZeichnen& zeichnen, TFehlerbehandlung& fehler)
    : Zeichnen(zeichnen), Fehler(fehler),
      BindungFeld(std::make_unique<TBindung>(zeichnen, fehler))
{
    TBindung& b = *BindungFeld;
    TitelFolgen(*this, zeichnen);
    setWindowModified(zeichnen.Veraendert);
    zeichnen.Veraendert.Geaendert = [ziel = QPointer<QWidget>(this)](bool veraendert) {
        if (ziel != nullptr)
            ziel->setWindowModified(veraendert);
    };
    Flaeche = new TFlaeche(*this);
    setCentralWidget(Flaeche);

    Reiter = b.Als<QTabWidget>("PCEigenschaften");
    Reiter->setParent(Flaeche);
    SeitenAufbauen();

    b.Widget("ZoomBox")->setFixedWidth(100);
    auto* oeffnen = b.Als<QPushButton>("BOeffnen");
    oeffnen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    auto* speichern = b.Als<QPushButton>("BSpeichern");
    speichern->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    Knopfzeile = new QWidget(Flaeche);
    auto* zeile = Zeile(b,
                        {"LZoom", "ZoomBox", TAbstand{8}, "BHauptformular", "BNeueAufgabe", "BKopieren", "BDrucken",
                         TAbstand{8}, "BOeffnen", "BSpeichern", TDehnung{}});
    zeile->setSpacing(4);
    Knopfzeile->setLayout(zeile);

    // The note that the chosen rows and columns do not fit the paper stands in the status
    // bar, which the window shows only while there is such a note.
    Platzhinweis = b.Als<QLabel>("LPasstNicht");
    Platzhinweis->setWordWrap(true);
    Platzhinweis->setStyleSheet(QStringLiteral("QLabel { color: #a00000; font-weight: bold; }"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(Platzhinweis, 1);
    statusBar()->setVisible(!Platzhinweis->isHidden());

    // The sheet: paint box and scroll bars stand where the model's sheet puts them.
    MalflaecheFeld = static_cast<TMalflaeche*>(b.Widget("PaintBox"));
    MalflaecheFeld->setParent(Flaeche);
    b.Widget("ScrollBarHor")->setParent(Flaeche);
    b.Widget("ScrollBarVert")->setParent(Flaeche);
    MalflaecheFeld->Maustaste = [this](Qt::MouseButton taste, QPoint punkt) {
        if (taste == Qt::LeftButton)
            Zeichnen.PaintBoxMouseDown(TMaustaste::Links, punkt.x(), punkt.y());
        else if (taste == Qt::RightButton)
            Zeichnen.PaintBoxMouseDown(TMaustaste::Rechts, punkt.x(), punkt.y());
    };
    MalflaecheFeld->Mausbewegung = [this](QPoint punkt) { Zeichnen.PaintBoxMouseMove(punkt.x(), punkt.y()); };
    MalflaecheFeld->Mausrad = [this](int distanz) { Zeichnen.FormMouseWheel(distanz); };
    Zeichnen.Blatt().SetzeSchirmDpi(MalflaecheFeld->logicalDpiX());

    MenueAufbauen();
    qApp->installEventFilter(this);

    // No caption is cut or covered at any size the window allows: it is at least as wide as
    // its button row and its widest tab page want.
    int breite = Knopfzeile->minimumSizeHint().width() + 6;
    for (int i = 0; i < Reiter->count(); ++i)
        breite = std::max(breite, Reiter->widget(i)->minimumSizeHint().width() + 8);
    const int menue = menuBar()->sizeHint().height();
    setMinimumSize(breite, 200 + menue);
    resize(ImSchirm(*this, QSize(std::max(762, breite), 504 + menue)));
    if (const QScreen* schirm = screen())
        move(schirm->availableGeometry().center() - rect().center());
}

THauptfenster::~THauptfenster()
{
    qApp->removeEventFilter(this);
    Zeichnen.Veraendert.Geaendert = nullptr;
    Zeichnen.KannRueckgaengig.Geaendert = nullptr;
    Zeichnen.KannWiederherstellen.Geaendert = nullptr;
}

void THauptfenster::closeEvent(QCloseEvent* ereignis)
{
    bool weiter = false;
    Fehler.Ausfuehren([&] { weiter = Zeichnen.AenderungenSichern(); });
    if (!weiter) {
        ereignis->ignore();
        return;
    }
    ereignis->accept();
    // The main window is the program: its other windows go with it, and with the last one
    // the program ends.
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
        if (fenster != this && fenster->isVisible())
            fenster->close();
    }
}

void THauptfenster::SeitenAufbauen()
{
    TBindung& b = *BindungFeld;
    Gruppe(b, "GBAusrichtung", Zeile(b, {"RBZentriert", "RBRechtsbuendig"}));
    Gruppe(b, "TSLayout1",
           Zeile(b,
                 {"CBTrennlinien", TAbstand{12}, "CBNurRechnung", TAbstand{24}, "LESpaltenabstand",
                  FeldMitPfeilen(b, "ESpaltenabstand", "UDSpaltenabstand", Feldbreite), TAbstand{24}, "LEZeilenabstand",
                  FeldMitPfeilen(b, "EZeilenabstand", "UDZeilenabstand", Feldbreite), TDehnung{}}));
    Gruppe(b, "TSLayout2",
           Zeile(b,
                 {"CBSchriftlich", TAbstand{8}, "CBRechenkaestchen", TAbstand{12}, "GBAusrichtung", TAbstand{12},
                  "CBGespensterAufgaben", TAbstand{8}, "CBX", TAbstand{8}, "CBFragezeichen", TDehnung{}}));
    Gruppe(b, "TSNummerierung",
           Zeile(b,
                 {"CBNummerierung", TAbstand{8}, "CBVertikalNummerieren", TAbstand{24}, "LEAbstNummerAufgabe",
                  FeldMitPfeilen(b, "EAbstNummerAufgabe", "UDAbstNummerierungAufgabe", Feldbreite), TAbstand{24},
                  "BNumSchrift", "BNummerierungsart", TDehnung{}}));

    // The margin fields stand where the model made them.
    QWidget* raender = b.Widget("TSSeitenraender");
    const QPoint ecke = b.Platzieren(*static_cast<TContainer*>(b.Control(raender)), *raender);
    raender->setMinimumSize(ecke.x() + 8, ecke.y() + 4);

    auto* schriften = new QGridLayout;
    const char* const paare[][2] = {{"LAufgabenschrift", "BAufgabenschrift"},
                                    {"LLoesungsschrift", "BLoesungsschrift"},
                                    {"LUeberschriftschrift", "BUeberschrift"},
                                    {"LNummerierungsschrift", "Button1"},
                                    {"LArbeitsanweisungschrift", "BArbeitsanweisungschrift"}};
    for (int i = 0; i < 5; ++i) {
        schriften->addWidget(b.Widget(paare[i][0]), i / 3, 2 * (i % 3), Qt::AlignRight | Qt::AlignVCenter);
        schriften->addWidget(b.Widget(paare[i][1]), i / 3, 2 * (i % 3) + 1);
    }
    schriften->setColumnStretch(6, 1);
    schriften->setHorizontalSpacing(8);
    schriften->setVerticalSpacing(2);
    Gruppe(b, "TSSchriftarten", schriften);

    Gruppe(b, "TSAufgabenzahl",
           Zeile(b,
                 {"RBSeiteFuellen", TAbstand{16}, "RBGenauFestlegen", FeldMitPfeilen(b, "EZeilen", "UDZeilen", 40),
                  "LEZeilen", FeldMitPfeilen(b, "ESpalten", "UDSpalten", 40), "LESpalten", TDehnung{}}));
    Gruppe(
        b, "TSPlatzhaltergroesse",
        Zeile(b,
              {"LPlatzhaltergroesse", TAbstand{12}, "LESBreite", FeldMitPfeilen(b, "ESBreite", "UDSBreite", Feldbreite),
               TAbstand{12}, "LESHoehe", FeldMitPfeilen(b, "ESHoehe", "UDShoehe", Feldbreite), TDehnung{}}));
    Gruppe(b, "TSUeberschrift", Zeile(b, {"BUeberschriftBearbeiten", TDehnung{}}));
    auto* loesungen = new QGridLayout;
    loesungen->addWidget(b.Widget("CBLoesungaufPlatzhalter"), 0, 0);
    loesungen->addWidget(b.Widget("CBQuersumme"), 1, 0);
    loesungen->addWidget(b.Widget("CBLoesungen"), 0, 1);
    loesungen->addWidget(b.Widget("CBLoesungenDurcheinander"), 1, 1);
    loesungen->setColumnStretch(2, 1);
    loesungen->setHorizontalSpacing(24);
    loesungen->setVerticalSpacing(2);
    Gruppe(b, "TSLoesungen", loesungen);
    b.Als<QLabel>("LEinzeln")->setWordWrap(true);
    Gruppe(b, "TSEinzeln", Zeile(b, {"LEinzeln"}));
    // The pages are as high as the highest; the window may be narrower than the longest.
    Reiter->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QAction* THauptfenster::Menuepunkt(QMenu& menue, const QString& text, const QString& taste,
                                   const std::function<void()>& befehl)
{
    QAction* punkt = menue.addAction(taste.isEmpty() ? text : text + QLatin1Char('\t') + taste);
    connect(punkt, &QAction::triggered, this, [this, befehl] { Fehler.Ausfuehren(befehl); });
    return punkt;
}

void THauptfenster::MenueAufbauen()
{
    TBindung& b = *BindungFeld;
    // A command of a button is offered exactly when its button is.
    const auto knopf = [this, &b](QMenu& menue, const QString& text, const QString& taste, TButton* modell,
                                  int tastencode) {
        QAction* punkt = Menuepunkt(menue, text, taste, [modell] { modell->Click(); });
        QWidget* widget = b.Widget(*modell);
        punkt->setEnabled(widget->isEnabled());
        widget->installEventFilter(this);
        widget->setProperty("zbBefehl", QVariant::fromValue(static_cast<QObject*>(punkt)));
        if (tastencode != 0)
            Tasten.push_back({tastencode, std::nullopt, punkt});
        return punkt;
    };
    // A command of the model whose state it can be in observes.
    const auto befehl = [this](QMenu& menue, const QString& text, const QString& taste, const QString& symbol,
                               const std::function<void()>& ausfuehren, TBeobachtet<bool>* moeglich) {
        QAction* punkt = Menuepunkt(menue, text, taste, ausfuehren);
        if (!symbol.isEmpty())
            punkt->setIcon(QIcon::fromTheme(symbol));
        if (moeglich != nullptr) {
            punkt->setEnabled(*moeglich);
            moeglich->Geaendert = [ziel = QPointer<QAction>(punkt)](bool an) {
                if (ziel != nullptr)
                    ziel->setEnabled(an);
            };
        }
        return punkt;
    };

    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    befehl(*datei, QStringLiteral("Neu"), {}, QStringLiteral("document-new"), [this] { Zeichnen.Neu1Click(); },
           nullptr);
    knopf(*datei, QStringLiteral("Öffnen ..."), QStringLiteral("Strg+O"), Zeichnen.BOeffnen, Qt::Key_O);
    // Made anew whenever "Datei" opens, so that it shows the list as it stands.
    QMenu* zuletzt = datei->addMenu(QStringLiteral("Zuletzt geöffnet"));
    zuletzt->setToolTipsVisible(true);
    ZuletztAufbauen(*zuletzt);
    connect(datei, &QMenu::aboutToShow, this, [this, zuletzt] { ZuletztAufbauen(*zuletzt); });
    knopf(*datei, QStringLiteral("Speichern ..."), QStringLiteral("Strg+S"), Zeichnen.BSpeichern, Qt::Key_S);
    knopf(*datei, QStringLiteral("Drucken ..."), QStringLiteral("Strg+P"), Zeichnen.BDrucken, Qt::Key_P);
    datei->addSeparator();
    Menuepunkt(*datei, QStringLiteral("Standardeinstellungen Speichern"), {},
               [this] { Zeichnen.Standardeinstellungen1Click(); });
    datei->addSeparator();
    QAction* beenden = befehl(*datei, QStringLiteral("Beenden"), QStringLiteral("Strg+Q"),
                              QStringLiteral("application-exit"), [this] { close(); }, nullptr);
    Tasten.push_back({Qt::Key_Q, std::nullopt, beenden});

    // The ready-made worksheets by grade; each opens like a file, with new tasks.
    QMenu* vorlagen = menuBar()->addMenu(QStringLiteral("&Vorlagen"));
    for (int klasse = 1; klasse <= 4; ++klasse) {
        QMenu* stufe = vorlagen->addMenu(QStringLiteral("Klasse %1").arg(klasse));
        for (const TVorlage& vorlage : Zeichnen.Vorlagen) {
            if (vorlage.Klasse == klasse)
                Menuepunkt(*stufe, QString::fromStdString(vorlage.Titel), {},
                           [this, vorlage] { Zeichnen.VorlageOeffnen(vorlage); });
        }
        stufe->setEnabled(!stufe->isEmpty());
    }

    QMenu* bearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    QAction* zurueck = befehl(*bearbeiten, QStringLiteral("Rückgängig"), QStringLiteral("Strg+Z"),
                              QStringLiteral("edit-undo"), [this] { Zeichnen.Rueckgaengig(); },
                              &Zeichnen.KannRueckgaengig);
    QAction* vor = befehl(*bearbeiten, QStringLiteral("Wiederherstellen"), QStringLiteral("Strg+Y"),
                          QStringLiteral("edit-redo"), [this] { Zeichnen.Wiederherstellen(); },
                          &Zeichnen.KannWiederherstellen);
    Tasten.push_back({Qt::Key_Z, false, zurueck});
    Tasten.push_back({Qt::Key_Z, true, vor});
    Tasten.push_back({Qt::Key_Y, std::nullopt, vor});
    bearbeiten->addSeparator();
    knopf(*bearbeiten, QStringLiteral("Kopieren"), QStringLiteral("Strg+C"), Zeichnen.BKopieren, Qt::Key_C);

    QMenu* aufgabe = menuBar()->addMenu(QStringLiteral("&Aufgabe"));
    knopf(*aufgabe, QStringLiteral("Aufgabenart wählen ..."), {}, Zeichnen.BHauptformular, 0);
    knopf(*aufgabe, QStringLiteral("Aufgaben neu suchen"), QStringLiteral("Strg+N"), Zeichnen.BNeueAufgabe, Qt::Key_N);

    QMenu* info = menuBar()->addMenu(QStringLiteral("&Info"));
    Menuepunkt(*info, QStringLiteral("Hilfe"), QStringLiteral("F1"), [this] {
        if (HilfeZeigen)
            HilfeZeigen();
    });
    Menuepunkt(*info, QStringLiteral("Über das Programm"), {}, [this] { Zeichnen.UeberdasProgramm1Click(); });
}

void THauptfenster::ZuletztAufbauen(QMenu& menue)
{
    menue.clear();
    const std::vector<std::string>& dateien = Zeichnen.Orte.Zuletzt();
    for (std::size_t i = 0; i < dateien.size(); ++i) {
        const std::string pfad = dateien[i];
        const QFileInfo datei(QString::fromStdString(pfad));
        // "&1 name.zfb" ... "1&0 name.zfb": a digit to choose it by key; an ampersand in the
        // name is shown, not taken for one.
        const QString nummer = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QString name = datei.fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* punkt = Menuepunkt(menue, nummer + QLatin1Char(' ') + name, {},
                                    [this, pfad] { Zeichnen.ZuletztOeffnen(pfad); });
        punkt->setToolTip(QDir::toNativeSeparators(datei.absolutePath()));
    }
    menue.setEnabled(!dateien.empty());
}

QAction* THauptfenster::Befehl(const QString& text) const
{
    for (QAction* menue : menuBar()->actions()) {
        if (menue->menu() == nullptr)
            continue;
        for (QAction* punkt : menue->menu()->actions()) {
            if (punkt->text().section(QLatin1Char('\t'), 0, 0) == text)
                return punkt;
        }
    }
    return nullptr;
}

void THauptfenster::Anordnen()
{
    const int breite = Flaeche->width();
    const int hoehe = Flaeche->height();
    const int reiterHoehe = Reiter->sizeHint().height();
    Reiter->setGeometry(0, 0, breite, reiterHoehe);
    Knopfzeile->setGeometry(3, reiterHoehe + 6, std::max(0, breite - 6), Knopfzeile->sizeHint().height());
    Knopfzeile->layout()->activate();
    // The model measures the sheet's area from the lower edge of "Neue Aufgaben".
    const QWidget* neu = BindungFeld->Widget("BNeueAufgabe");
    const QPoint oben = neu->mapTo(Flaeche, QPoint(0, 0));
    Fehler.Ausfuehren([&] {
        Zeichnen.BNeueAufgabe->SetTop(oben.y());
        Zeichnen.BNeueAufgabe->SetHeight(neu->height());
        Zeichnen.FormResize(breite, hoehe);
    });
    Flaeche->update();
}

bool THauptfenster::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == Platzhinweis
        && (ereignis->type() == QEvent::ShowToParent || ereignis->type() == QEvent::HideToParent)) {
        statusBar()->setVisible(!Platzhinweis->isHidden());
        return false;
    }
    if (ereignis->type() == QEvent::EnabledChange && objekt->isWidgetType()) {
        if (auto* punkt = qobject_cast<QAction*>(objekt->property("zbBefehl").value<QObject*>()))
            punkt->setEnabled(static_cast<QWidget*>(objekt)->isEnabled());
        return false;
    }
    if (ereignis->type() != QEvent::KeyPress || !objekt->isWidgetType()
        || static_cast<QWidget*>(objekt)->window() != this)
        return false;
    // The window sees the keys before its controls: Ctrl with a command's letter runs the
    // command, whatever other modifier is held; Ctrl alone, or the letter alone, does nothing.
    const auto& taste = static_cast<const QKeyEvent&>(*ereignis);
    if (!taste.modifiers().testFlag(Qt::ControlModifier))
        return false;
    const bool umschalt = taste.modifiers().testFlag(Qt::ShiftModifier);
    for (const TTaste& t : Tasten) {
        if (t.Code == taste.key() && (!t.Umschalt || *t.Umschalt == umschalt) && t.Befehl->isEnabled()) {
            t.Befehl->trigger();
            return true;
        }
    }
    return false;
}
