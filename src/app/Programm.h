// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's windows as they come up: all created at start, in a fixed order, each once,
// living until the program ends. The desktop program shows them; the command line runs the
// same start-up without showing anything.

#include "toolkit/Oberflaeche.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TDateitypanmeldung;
class TFDrucken;
class TFEditAufgabe;
class TFInfo;
class TFNummerierung;
class TFSplash;
class TFUeberschrift;
class TFVorschau;
class TMainForm;
class TMeldungen;
class TZeichnen;
class TZeitgeber;
class TZufall;

class TProgramm final {
public:
    static constexpr int Breite = 762; // the main window's designed client area
    static constexpr int Hoehe = 504;

    // Creates the windows in this order: main window, settings window, print dialog, about
    // window, splash window (which starts the splash timer), heading, numbering and task
    // edit dialogs, print preview, and hands them and Oberflaeche to the main window (the
    // preview to the print dialog, which opens it through Oberflaeche). The main window
    // registers the worksheet file type with anmeldung (none: not at all) for programm.
    // argumente are the command-line arguments the splash's first tick looks at;
    // standarddatei is the standard settings file it opens otherwise.
    TProgramm(TZufall& zufall, TMeldungen& meldungen, TZeitgeber& splashZeitgeber, std::vector<std::string> argumente,
              std::filesystem::path standarddatei, TDateitypanmeldung* anmeldung = nullptr,
              const std::filesystem::path& programm = {});
    ~TProgramm();
    TProgramm(const TProgramm&) = delete;
    TProgramm& operator=(const TProgramm&) = delete;

    // The main window's first showing at the given client size: the first-resize steps run
    // (version text, caption, splash shown, rules, first page).
    void HauptfensterZeigen(int breite = Breite, int hoehe = Hoehe);

    TZeichnen& Zeichnen() { return *ZeichnenFeld; }
    TMainForm& Einstellungen() { return *EinstellungenFeld; }
    TFDrucken& Drucken() { return *DruckenFeld; }
    TFInfo& Info() { return *InfoFeld; }
    TFSplash& Splash() { return *SplashFeld; }
    TFUeberschrift& Ueberschrift() { return *UeberschriftFeld; }
    TFNummerierung& Nummerierung() { return *NummerierungFeld; }
    TFEditAufgabe& EditAufgabe() { return *EditAufgabeFeld; }
    TFVorschau& Vorschau() { return *VorschauFeld; }
    // How the windows come on screen and the system dialogs: empty until the desktop fills it,
    // and the main window uses what it holds at the time.
    TOberflaeche& Oberflaeche() { return OberflaecheFeld; }

private:
    TOberflaeche OberflaecheFeld; // outlives the windows that use it
    // Destroyed in the reverse order: the dialogs first, the main window last.
    std::unique_ptr<TZeichnen> ZeichnenFeld;
    std::unique_ptr<TMainForm> EinstellungenFeld;
    std::unique_ptr<TFDrucken> DruckenFeld;
    std::unique_ptr<TFInfo> InfoFeld;
    std::unique_ptr<TFSplash> SplashFeld;
    std::unique_ptr<TFUeberschrift> UeberschriftFeld;
    std::unique_ptr<TFNummerierung> NummerierungFeld;
    std::unique_ptr<TFEditAufgabe> EditAufgabeFeld;
    std::unique_ptr<TFVorschau> VorschauFeld;
};
