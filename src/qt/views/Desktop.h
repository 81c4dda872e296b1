// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Programm.h"
#include "app/UZeichnen.h"
#include "qt/views/Dialog.h"
#include "settings/Main.h"
#include "toolkit/Drucker.h"

#include <QApplication>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TAblage;
class TDateidialog;
class TDateitypanmeldung;
class TDruckdialog;
class TDruckerdialog;
class TEinstellungsfenster;
class TFehlerbehandlung;
class THauptfenster;
class THilfefenster;
class TMeldungen;
class TNebenfenster;
class TQtZeitgeber;
class TQtZwischenablage;
class TSchriftdialog;
class TVorschaufenster;
class TZufall;

// The application of the desktop program: Fusion style and a fixed font, so the places the
// windows give their controls fit on every desktop; Qt's own dialogs in German. An error that
// escapes an event handler still reaches the error handler.
class TAnwendung final : public QApplication {
public:
    TAnwendung(int& argc, char** argv);
    void SetzeFehlerbehandlung(TFehlerbehandlung* fehler) { Fehler = fehler; }
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

private:
    TFehlerbehandlung* Fehler = nullptr;
};

// The desktop program inside a running application: the window models on the printers (the
// page on screen is laid out exactly as it prints on the printer in use), the error handler,
// the main window, the settings window and the print dialog, the font, file and printer-setup
// dialogs, the clipboard, and the views through which the models' windows show.
class TDesktop final {
public:
    // Messages go through meldungen; startwert seeds the random source (none: the clock).
    // The splash's first tick opens the first of argumente when it names a worksheet file,
    // else standarddatei (none: nothing).
    // anmeldung (none: not at all) registers the worksheet file type for programm.
    // drucker are the printers to choose from, the first in use at the start (as
    // InstallierteDrucker gives them); none: only "PDF (A4)".
    // ablage (none: nothing is remembered) holds what the last run left: the worksheets opened
    // last, the dialogs' folders, the zoom and where the main and settings windows stood, which
    // they take at once; the desktop keeps them there again when it ends.
    explicit TDesktop(TMeldungen& meldungen, std::optional<std::uint32_t> startwert = std::nullopt,
                      std::vector<std::string> argumente = {}, std::filesystem::path standarddatei = {},
                      TDateitypanmeldung* anmeldung = nullptr, const std::filesystem::path& programm = {},
                      std::vector<std::unique_ptr<TDrucker>> drucker = {}, TAblage* ablage = nullptr);
    ~TDesktop();
    TDesktop(const TDesktop&) = delete;
    TDesktop& operator=(const TDesktop&) = delete;

    // Shows the main window, whose first layout builds the first page; the splash timer
    // then opens the first file.
    void Starten();

    TProgramm& Modelle() { return *ProgrammFeld; }
    THauptfenster& Hauptfenster() { return *HauptfensterFeld; }
    TEinstellungsfenster& Einstellungsfenster() { return *EinstellungsfensterFeld; }
    TDruckdialog& Druckdialog() { return *DruckdialogFeld; }
    TVorschaufenster& Vorschaufenster() { return *VorschaufensterFeld; }
    TNebenfenster& Nebenfenster() { return *NebenfensterFeld; }
    THilfefenster& Hilfefenster() { return *HilfefensterFeld; }
    TFehlerbehandlung& Fehler() { return *FehlerFeld; }

private:
    TMeldungen& Meldungen;
    TAblage* Ablage;
    // With an ablage the settings window has a place of its own once it has one (kept from the
    // last run, or taken when it first showed) and comes back there; until then, and always
    // without an ablage, it comes up over the main window.
    bool EinstellungsortFest = false;
    std::unique_ptr<TFehlerbehandlung> FehlerFeld;
    std::unique_ptr<TZufall> Zufall;
    std::vector<std::unique_ptr<TDrucker>> Drucker;
    std::unique_ptr<TQtZwischenablage> Zwischenablage;
    std::unique_ptr<TQtZeitgeber> SplashZeitgeber;
    TAnsichten Ansichten; // outlives the models, which hold it until the views go
    std::unique_ptr<TProgramm> ProgrammFeld;
    std::unique_ptr<THauptfenster> HauptfensterFeld;
    std::unique_ptr<TEinstellungsfenster> EinstellungsfensterFeld;
    std::unique_ptr<TDruckdialog> DruckdialogFeld;
    std::unique_ptr<TVorschaufenster> VorschaufensterFeld;
    std::unique_ptr<TSchriftdialog> Schriftdialog;
    std::unique_ptr<TDateidialog> Dateidialog;
    std::unique_ptr<TDruckerdialog> Druckerdialog;
    std::unique_ptr<TDateidialog> Pdfdialog; // where a PDF print goes
    std::unique_ptr<TNebenfenster> NebenfensterFeld;
    // The manual, beside the program (share/zifferbogen/hilfe); F1 in the main window opens
    // its start, in the settings window the part about the tab page shown.
    std::unique_ptr<THilfefenster> HilfefensterFeld;
};

// Starts the desktop program, which opens the worksheet named first in argumente (else the
// standard settings), and runs it until its main window closes; returns the exit status.
int DesktopStarten(int argc, char* argv[], const std::vector<std::string>& argumente);
