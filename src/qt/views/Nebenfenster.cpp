// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/views/Nebenfenster.h"

#include "app/Programm.h"
#include "qt/views/Aufgabendialog.h"
#include "qt/views/Dialog.h"
#include "qt/views/Infofenster.h"
#include "qt/views/Nummerierungsdialog.h"
#include "qt/views/Splashfenster.h"
#include "qt/views/Ueberschriftsdialog.h"

TNebenfenster::TNebenfenster(TProgramm& programm, QWidget& hauptfenster, TFehlerbehandlung& fehler,
                             TAnsichten& ansichten)
    : AufgabeFeld(std::make_unique<TAufgabendialog>(programm.EditAufgabe(), fehler, &hauptfenster)),
      NummerierungFeld(std::make_unique<TNummerierungsdialog>(programm.Nummerierung(), fehler, &hauptfenster)),
      UeberschriftFeld(std::make_unique<TUeberschriftsdialog>(programm.Ueberschrift(), fehler, &hauptfenster)),
      InfoFeld(std::make_unique<TInfofenster>(programm.Info(), fehler, &hauptfenster)),
      SplashFeld(std::make_unique<TSplashfenster>(programm.Splash(), fehler))
{
    for (TDialog* dialog : std::initializer_list<TDialog*>{AufgabeFeld.get(), NummerierungFeld.get(),
                                                           UeberschriftFeld.get(), InfoFeld.get()})
        ansichten.Eintragen(*dialog);
}

TNebenfenster::~TNebenfenster() = default;
