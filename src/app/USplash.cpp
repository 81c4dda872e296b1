// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/USplash.h"

#include "toolkit/Fehler.h"
#include "toolkit/Meldungen.h"
#include "toolkit/Zeitgeber.h"

#include <utility>

TFSplash::TFSplash(TZeitgeber& zeitgeber, TMeldungen& meldungen, std::vector<std::string> argumente,
                   std::filesystem::path standarddatei)
    : TFormular("Zifferbogen"), Zeitgeber(zeitgeber), Meldungen(meldungen), Argumente(std::move(argumente)),
      Standarddatei(std::move(standarddatei))
{
    LProgramm = &Erzeuge<TLabel>("LProgramm");
    LProgramm->SetCaption("Zifferbogen");
    LHinweis = &Erzeuge<TLabel>("LHinweis");
    LHinweis->SetCaption("Rechenarbeitsblätter für Grund- und Hauptschule");
    LVersion = &Erzeuge<TLabel>("LVersion");
    Zeitgeber.Starten(Intervall, [this] { Timer1Timer(); });
}

TFSplash::~TFSplash()
{
    Zeitgeber.Anhalten();
}

void TFSplash::Timer1Timer()
{
    if (!ErsterTick) {
        Schliessen();
        return;
    }
    if (Hauptfenster == nullptr) {
        ErsterTick = false;
        return;
    }
    // A print run or an open under way lets the event loop run (its progress window, a
    // message box); the first file waits for the next tick rather than replace the page
    // in the middle of it.
    if (Hauptfenster->Beschaeftigt())
        return;
    ErsterTick = false;
    try {
        Hauptfenster->OpenFirst(Argumente, Standarddatei);
    } catch (const EZifferbogenFehler& fehler) {
        Meldungen.Zeige("Fehler", fehler.what(), TMeldungsart::Fehler);
    }
}

void TFSplash::Schliessen()
{
    Zeitgeber.Anhalten();
    ErsterTick = false;
    Sichtbar = false;
}
