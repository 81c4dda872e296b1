// Pictures of the desktop program's windows for the documentation and for looking at them:
// the main window with the default page, at 200 %, and with the written layout and ghost
// tasks, and the settings window with each of its tab pages. Run it under a display (the
// script scripts/bildschirmfotos.sh starts Xvfb); the pictures go into the folder named as
// the first argument.

#include "app/UZeichnen.h"
#include "qt/Bindung.h"
#include "qt/Desktop.h"
#include "qt/Einstellungsfenster.h"
#include "qt/Hauptfenster.h"
#include "settings/Main.h"
#include "toolkit/Meldungen.h"

#include <QDir>
#include <QPixmap>
#include <QString>
#include <QThread>

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
    return 0;
}
