#pragma once

#include "app/UAufgbearbeiten.h"
#include "app/UDrucken.h"
#include "app/UNummerierung.h"
#include "app/UUeberschrift.h"
#include "app/UZeichnen.h"
#include "settings/Main.h"

#include <QApplication>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TDrucker;
class TEinstellungsfenster;
class TFehlerbehandlung;
class THauptfenster;
class TMeldungen;
class TSchriftdialog;
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

// The window models of the program, made in the order the program makes them and connected
// as the command line connects them; the sheet measures on drucker.
struct TFenstermodelle {
    TFenstermodelle(TZufall& zufall, TMeldungen& meldungen, TDrucker& drucker);

    TZeichnen Zeichnen;
    TMainForm Einstellungen;
    TFDrucken Drucken;
    TFUeberschrift Ueberschrift;
    TFNummerierung Nummerierung;
    TFEditAufgabe EditAufgabe;
};

// Opens the worksheet named on the command line, else the standard settings (a missing
// standard file is no error). What cannot be opened is said in a message box.
void ErsteDateiOeffnen(TZeichnen& zeichnen, const std::string& datei, TFehlerbehandlung& fehler, TMeldungen& meldungen);

// The desktop program inside a running application: the window models on the PDF printer
// (A4, the page on screen is laid out exactly as it prints), the error handler, the main
// window and the settings window, the font dialog, and the hooks that show the windows.
class TDesktop final {
public:
    // Messages go through meldungen; startwert seeds the random source (none: the clock).
    explicit TDesktop(TMeldungen& meldungen, std::optional<std::uint32_t> startwert = std::nullopt);
    ~TDesktop();
    TDesktop(const TDesktop&) = delete;
    TDesktop& operator=(const TDesktop&) = delete;

    // Shows the main window, whose first layout builds the first page, then opens datei or
    // the standard settings.
    void Starten(const std::string& datei);

    TFenstermodelle& Modelle() { return *ModelleFeld; }
    THauptfenster& Hauptfenster() { return *HauptfensterFeld; }
    TEinstellungsfenster& Einstellungsfenster() { return *EinstellungsfensterFeld; }
    TFehlerbehandlung& Fehler() { return *FehlerFeld; }

private:
    TMeldungen& Meldungen;
    std::unique_ptr<TFehlerbehandlung> FehlerFeld;
    std::unique_ptr<TZufall> Zufall;
    std::unique_ptr<TDrucker> Drucker;
    std::unique_ptr<TFenstermodelle> ModelleFeld;
    std::unique_ptr<THauptfenster> HauptfensterFeld;
    std::unique_ptr<TEinstellungsfenster> EinstellungsfensterFeld;
    std::unique_ptr<TSchriftdialog> Schriftdialog;
};

// Starts the desktop program with the worksheet datei (none: the standard settings) and runs
// it until its main window closes; returns the exit status.
int DesktopStarten(int argc, char* argv[], const std::string& datei);
