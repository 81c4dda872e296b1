// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the desktop program's windows for the documentation and for looking at them:
// the splash window, the main window with the default page, at 200 %, and with the written
// layout and ghost tasks, the settings window with each of its tab pages, the small dialogs
// and the about window, and the print dialog with its printer-setup dialog and the progress
// window of a long run. Run it under a display (the script scripts/bildschirmfotos.sh starts
// Xvfb); the pictures go into the folder named as the first argument.

#include "app/UAufgbearbeiten.h"
#include "app/UDrucken.h"
#include "app/UNummerierung.h"
#include "app/UUeberschrift.h"
#include "app/UVorschau.h"
#include "app/UZeichnen.h"
#include "qt/views/Aufgabendialog.h"
#include "qt/binding/Bindung.h"
#include "qt/views/Desktop.h"
#include "qt/views/Druckdialog.h"
#include "qt/views/Einstellungsfenster.h"
#include "qt/views/Hauptfenster.h"
#include "qt/views/Hilfefenster.h"
#include "qt/views/Infofenster.h"
#include "qt/views/Nebenfenster.h"
#include "qt/views/Nummerierungsdialog.h"
#include "qt/views/Splashfenster.h"
#include "qt/views/Ueberschriftsdialog.h"
#include "qt/views/Vorschaufenster.h"
#include "settings/Main.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Druckfortschritt.h"
#include "toolkit/Meldungen.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QDir>
#include <QPixmap>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

// Messages go to the error output: a box would wait for a click nobody gives.
class TAusgabemeldungen final : public TMeldungen {
public:
    void Zeige(const std::string& titel, const std::string& text, TMeldungsart) override
    {
        std::fprintf(stderr, "%s %s\n", titel.c_str(), text.c_str());
    }
};

void Warten()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

void Foto(QWidget& fenster, const QDir& ordner, const char* name)
{
    Warten();
    const QString pfad = ordner.filePath(QString::fromUtf8(name));
    if (!fenster.grab().save(pfad))
        std::fprintf(stderr, "%s konnte nicht gespeichert werden.\n", qPrintable(pfad));
}

// A modal dialog: oeffnen opens it the way the program does; once it runs, bedienen fills it,
// and it is photographed and closed.
void FotoModal(QDialog& dialog, const QDir& ordner, const char* name, const std::function<void()>& bedienen,
               const std::function<void()>& oeffnen)
{
    QTimer zeitgeber;
    zeitgeber.setSingleShot(true);
    QObject::connect(&zeitgeber, &QTimer::timeout, &dialog, [&] {
        bedienen();
        Foto(dialog, ordner, name);
        dialog.reject();
    });
    zeitgeber.start(0);
    oeffnen();
}

} // namespace

int main(int argc, char* argv[])
{
    TAnwendung anwendung(argc, argv);
    const QDir ordner(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    TAusgabemeldungen meldungen;
    // The program's own path finds the ready-made worksheets of the build tree.
    TDesktop desktop(meldungen, 20061216, {}, {}, nullptr, QApplication::applicationFilePath().toStdString());
    desktop.Starten();
    TZeichnen& zeichnen = desktop.Modelle().Zeichnen();
    TMainForm& einstellungen = desktop.Modelle().Einstellungen();
    THauptfenster& haupt = desktop.Hauptfenster();
    TNebenfenster& neben = desktop.Nebenfenster();

    Foto(neben.Splash(), ordner, "splash.png");
    Foto(haupt, ordner, "hauptfenster.png");
    zeichnen.ZoomBox->SetText("200%");
    Foto(haupt, ordner, "hauptfenster-200.png");
    zeichnen.ZoomBox->SetText("100%");

    // Written addition and subtraction with ghost tasks.
    einstellungen.CBPluskv->SetChecked(true);
    einstellungen.CBMinuskv->SetChecked(true);
    einstellungen.CBMalkv->SetChecked(false);
    zeichnen.PCEigenschaften->SetActivePage(zeichnen.PCEigenschaften->Pages()[1]);
    zeichnen.CBSchriftlichFeld->SetChecked(true);
    zeichnen.CBGespensterAufgaben->SetChecked(true);
    Foto(haupt, ordner, "hauptfenster-schriftlich.png");

    zeichnen.BHauptformular->Click();
    const char* const seiten[] = {"einstellungen-plus-minus.png", "einstellungen-mal-geteilt.png",
                                  "einstellungen-platzhalter.png", "einstellungen-triviale.png"};
    for (std::size_t i = 0; i < 4; ++i) {
        einstellungen.PageControl1->SetActivePage(einstellungen.PageControl1->Pages()[i]);
        Foto(desktop.Einstellungsfenster(), ordner, seiten[i]);
    }
    desktop.Einstellungsfenster().hide();

    // The print dialog as a teacher fills it in; shown without waiting for it to close.
    TFDrucken& drucken = desktop.Modelle().Drucken();
    TDruckdialog& druckdialog = desktop.Druckdialog();
    drucken.Zeigen();
    drucken.EVerschBlaetter->Eingeben("3");
    drucken.EExemplare->Eingeben("2");
    drucken.CBLoesungsblaetter->SetChecked(true);
    druckdialog.show();
    druckdialog.move(haupt.geometry().center() - druckdialog.rect().center());
    Foto(druckdialog, ordner, "druckdialog.png");

    // The printer-setup dialog waits for its user: the picture is taken meanwhile.
    QTimer::singleShot(300, &druckdialog, [&] {
        if (QWidget* einrichtung = QApplication::activeModalWidget()) {
            Foto(*einrichtung, ordner, "druckereinrichtung.png");
            einrichtung->close();
        }
    });
    drucken.BDruckereinstellungen->Click();

    TDruckfortschritt& fortschritt = druckdialog.Fortschritt();
    fortschritt.Anfang(600);
    fortschritt.Weiter(0);
    QThread::msleep(600);
    fortschritt.Weiter(47);
    if (QProgressDialog* fenster = druckdialog.Fortschrittsfenster())
        Foto(*fenster, ordner, "druckfortschritt.png");
    fortschritt.Ende();

    // The preview of that run at its solution sheet, the second page.
    FotoModal(
        desktop.Vorschaufenster(), ordner, "vorschau.png", [&] { desktop.Modelle().Vorschau().BWeiter->Click(); },
        [&] { drucken.BVorschau->Click(); });
    druckdialog.hide();

    // The manual at the part F1 opens on the settings window's first page.
    desktop.Hilfefenster().Zeigen("plus-minus");
    Foto(desktop.Hilfefenster(), ordner, "hilfe.png");
    desktop.Hilfefenster().hide();

    // The small windows, opened as the user opens them.
    TFEditAufgabe& edit = desktop.Modelle().EditAufgabe();
    const TRahmen& rahmen = zeichnen.Seite()->Aufgabe(0, 0).Rahmen;
    FotoModal(
        neben.Aufgabe(), ordner, "aufgabe-bearbeiten.png",
        [&] {
            edit.EOp1->Eingeben("17");
            edit.ComboBox1->SetText("/");
            edit.EOp2->Eingeben("5");
            edit.RBPlatzhalterOp1->Click();
        },
        [&] {
            zeichnen.PaintBoxMouseDown(TMaustaste::Rechts,
                                       zeichnen.Blatt().XGeraet((rahmen.Links + rahmen.Rechts) / 2, true),
                                       zeichnen.Blatt().YGeraet((rahmen.Oben + rahmen.Unten) / 2, true));
        });
    TFNummerierung& nummerierung = desktop.Modelle().Nummerierung();
    FotoModal(
        neben.Nummerierung(), ordner, "nummerierung.png",
        [&] {
            nummerierung.RBabc->Click();
            nummerierung.EZeichennachderNummer->SetText(")");
        },
        [&] { zeichnen.BNummerierungsartClick(); });
    TFUeberschrift& ueberschrift = desktop.Modelle().Ueberschrift();
    ueberschrift.UeberschriftZeileAnfuegen("Arbeitsblatt für die Klasse 3b");
    ueberschrift.AnweisungZeileAnfuegen("Rechne schriftlich!");
    ueberschrift.CBNamenszeile->SetChecked(true);
    zeichnen.BUeberschriftBearbeitenClick();
    Foto(neben.Ueberschrift(), ordner, "ueberschrift.png");
    ueberschrift.BOK->Click();
    FotoModal(
        neben.Info(), ordner, "info.png", [] {}, [&] { haupt.Befehl(QStringLiteral("Über das Programm"))->trigger(); });

    // The menu of ready-made worksheets, open at grade 2.
    if (QMenu* vorlagen = haupt.menuBar()->actions().at(1)->menu()) {
        haupt.activateWindow();
        vorlagen->popup(haupt.mapToGlobal(haupt.menuBar()->actionGeometry(haupt.menuBar()->actions().at(1)).bottomLeft()));
        Warten();
        if (QMenu* klasse2 = vorlagen->actions().at(1)->menu()) {
            vorlagen->setActiveAction(vorlagen->actions().at(1));
            klasse2->popup(vorlagen->mapToGlobal(vorlagen->actionGeometry(vorlagen->actions().at(1)).topRight()));
            Warten();
            const QRect bereich = haupt.frameGeometry().united(klasse2->geometry()).united(vorlagen->geometry());
            if (QScreen* schirm = haupt.screen()) {
                const QString pfad = ordner.filePath(QStringLiteral("menue-vorlagen.png"));
                schirm->grabWindow(0, bereich.x(), bereich.y(), bereich.width(), std::min(bereich.height(), 360))
                    .save(pfad);
            }
            klasse2->close();
        }
        vorlagen->close();
    }

    // A chosen layout larger than the paper: the note in the status bar.
    zeichnen.PCEigenschaften->SetActivePage(zeichnen.PCEigenschaften->Pages()[5]);
    dynamic_cast<TRadioButton&>(*zeichnen.Finde("RBGenauFestlegen")).Click();
    zeichnen.EZeilen->Eingeben("30");
    char enter = 13;
    zeichnen.EZeilen->KeyPress(enter);
    Foto(haupt, ordner, "hauptfenster-passt-nicht.png");
    dynamic_cast<TRadioButton&>(*zeichnen.Finde("RBSeiteFuellen")).Click();

    // With a second folder: every tab page of the main window at its smallest size, to see
    // that no caption is cut off or covered.
    if (argc > 2) {
        const QDir pruefung(QString::fromLocal8Bit(argv[2]));
        haupt.resize(haupt.minimumSize());
        const auto& reiter = zeichnen.PCEigenschaften->Pages();
        for (std::size_t i = 0; i < reiter.size(); ++i) {
            zeichnen.PCEigenschaften->SetActivePage(reiter[i]);
            Foto(haupt, pruefung, ("hauptfenster-klein-" + std::to_string(i) + ".png").c_str());
        }
        desktop.Einstellungsfenster().show();
        desktop.Einstellungsfenster().resize(desktop.Einstellungsfenster().minimumSize());
        Foto(desktop.Einstellungsfenster(), pruefung, "einstellungen-klein.png");
    }
    return 0;
}
