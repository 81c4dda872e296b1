// Pictures of the desktop program's windows for the documentation and for looking at them:
// the main window with the default page, at 200 %, and with the written layout and ghost
// tasks, the settings window with each of its tab pages, and the print dialog with its
// printer-setup dialog and the progress window of a long run. Run it under a display (the
// script scripts/bildschirmfotos.sh starts Xvfb); the pictures go into the folder named as
// the first argument.

#include "app/UDrucken.h"
#include "app/UZeichnen.h"
#include "qt/Bindung.h"
#include "qt/Desktop.h"
#include "qt/Druckdialog.h"
#include "qt/Einstellungsfenster.h"
#include "qt/Hauptfenster.h"
#include "settings/Main.h"
#include "toolkit/Meldungen.h"

#include <QDir>
#include <QPixmap>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>

#include <cstdio>

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

} // namespace

int main(int argc, char* argv[])
{
    TAnwendung anwendung(argc, argv);
    const QDir ordner(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    TAusgabemeldungen meldungen;
    TDesktop desktop(meldungen, 20061216);
    desktop.Starten();
    TZeichnen& zeichnen = desktop.Modelle().Zeichnen();
    TMainForm& einstellungen = desktop.Modelle().Einstellungen();
    THauptfenster& haupt = desktop.Hauptfenster();

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
    druckdialog.hide();
    return 0;
}
