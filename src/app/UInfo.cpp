// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UInfo.h"

TFInfo::TFInfo() : TFormular("Über das Programm")
{
    LProgramm = &Erzeuge<TLabel>("LProgramm");
    LProgramm->SetCaption("Zifferbogen");
    LVersion = &Erzeuge<TLabel>("LVersion");
    MText = &Erzeuge<TMemo>("MText");
    MText->SetLines({
        "Zifferbogen erstellt Rechenarbeitsblätter für die Grund- und Hauptschule.",
        "",
        "Wählen Sie unter „Aufgabenart wählen ...“, welche Aufgaben vorkommen dürfen, und "
        "gestalten Sie das Blatt auf den Registerkarten des Hauptfensters. Ein Klick auf eine "
        "Aufgabe ersetzt sie, ein Rechtsklick lässt sie von Hand eintragen.",
        "",
        "Das Programm ist freie Software. Rückmeldungen und Verbesserungsvorschläge aus dem "
        "Unterricht sind willkommen.",
    });
    BOK = &Erzeuge<TButton>("BOK");
    BOK->SetCaption("OK");
    BOK->OnClick = [this](TButton&) { BOKClick(); };
}
