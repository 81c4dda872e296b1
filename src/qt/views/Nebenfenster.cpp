#include "qt/views/Nebenfenster.h"

#include "app/Programm.h"
#include "app/UInfo.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "qt/views/Aufgabendialog.h"
#include "qt/views/Infofenster.h"
#include "qt/views/Nummerierungsdialog.h"
#include "qt/views/Splashfenster.h"
#include "qt/views/Ueberschriftsdialog.h"

TNebenfenster::TNebenfenster(TProgramm& programm, QWidget& hauptfenster, TFehlerbehandlung& fehler)
    : Programm(programm), AufgabeFeld(std::make_unique<TAufgabendialog>(programm.EditAufgabe(), fehler, &hauptfenster)),
      NummerierungFeld(std::make_unique<TNummerierungsdialog>(programm.Nummerierung(), fehler, &hauptfenster)),
      UeberschriftFeld(std::make_unique<TUeberschriftsdialog>(programm.Ueberschrift(), fehler, &hauptfenster)),
      InfoFeld(std::make_unique<TInfofenster>(programm.Info(), fehler, &hauptfenster)),
      SplashFeld(std::make_unique<TSplashfenster>(programm.Splash(), fehler))
{
    // The main window model opens the edit and numbering dialogs itself and expects them
    // closed when its hook returns.
    TZeichnen& zeichnen = programm.Zeichnen();
    zeichnen.AufgabeBearbeiten = [this](TFEditAufgabe&) { AufgabeFeld->Zeigen(); };
    zeichnen.NummerierungWaehlen = [this](TFNummerierung&) { NummerierungFeld->Zeigen(); };
    zeichnen.UeberschriftZeigen = [this] {
        Programm.Ueberschrift().FormShow();
        UeberschriftFeld->Zeigen();
    };
    zeichnen.InfoZeigen = [this] { InfoZeigen(); };
}

TNebenfenster::~TNebenfenster()
{
    TZeichnen& zeichnen = Programm.Zeichnen();
    zeichnen.AufgabeBearbeiten = nullptr;
    zeichnen.NummerierungWaehlen = nullptr;
    zeichnen.UeberschriftZeigen = nullptr;
    zeichnen.InfoZeigen = nullptr;
}

void TNebenfenster::InfoZeigen()
{
    Programm.Info().FormShow();
    InfoFeld->Zeigen();
}
