// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class QWidget;
class TAnsichten;
class TAufgabendialog;
class TFehlerbehandlung;
class TInfofenster;
class TNummerierungsdialog;
class TProgramm;
class TSplashfenster;
class TUeberschriftsdialog;

// The small windows of the desktop program on their models: the task edit, numbering and
// heading dialogs and the about window over the main window, and the splash window. Each
// dialog is entered in ansichten, through which it shows when its model opens it.
class TNebenfenster final {
public:
    // hauptfenster is the window the dialogs stand over; it must outlive them.
    TNebenfenster(TProgramm& programm, QWidget& hauptfenster, TFehlerbehandlung& fehler, TAnsichten& ansichten);
    ~TNebenfenster();
    TNebenfenster(const TNebenfenster&) = delete;
    TNebenfenster& operator=(const TNebenfenster&) = delete;

    TAufgabendialog& Aufgabe() const { return *AufgabeFeld; }
    TNummerierungsdialog& Nummerierung() const { return *NummerierungFeld; }
    TUeberschriftsdialog& Ueberschrift() const { return *UeberschriftFeld; }
    TInfofenster& Info() const { return *InfoFeld; }
    TSplashfenster& Splash() const { return *SplashFeld; }

private:
    std::unique_ptr<TAufgabendialog> AufgabeFeld;
    std::unique_ptr<TNummerierungsdialog> NummerierungFeld;
    std::unique_ptr<TUeberschriftsdialog> UeberschriftFeld;
    std::unique_ptr<TInfofenster> InfoFeld;
    std::unique_ptr<TSplashfenster> SplashFeld;
};
