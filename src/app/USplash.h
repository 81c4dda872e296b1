// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The splash window as a model. It shows while the program comes up; its timer's first tick
// opens the worksheet named on the command line (else the standard settings) on the main
// window, which then already shows a first page, and the next tick closes it.

#include "toolkit/Formular.h"

#include <filesystem>
#include <string>
#include <vector>

class TMeldungen;
class TZeitgeber;

// What the splash needs of the main window: the first file opened on it, once it is not busy.
class TErsteDateiOeffner {
public:
    virtual ~TErsteDateiOeffner() = default;
    // True while a print run or an open lets the event loop run.
    virtual bool Beschaeftigt() const = 0;
    // Opens the first of argumente when it names a worksheet file, else standarddatei.
    virtual void OpenFirst(const std::vector<std::string>& argumente, const std::filesystem::path& standarddatei) = 0;
};

class TFSplash final : public TFormular {
public:
    static constexpr int Intervall = 1500; // ms between the ticks

    // Starts the timer at once, as the window is created; argumente are the program's
    // command-line arguments, standarddatei the standard settings file to read otherwise.
    TFSplash(TZeitgeber& zeitgeber, TMeldungen& meldungen, std::vector<std::string> argumente,
             std::filesystem::path standarddatei);
    ~TFSplash() override;

    void FormShow() { Sichtbar = true; }
    // The timer's tick: the first opens the first file, the next stops the timer and closes
    // the window. A file that cannot be opened is reported; the start-up goes on.
    void Timer1Timer();
    // Stops the timer and closes the window.
    void Schliessen();

    TErsteDateiOeffner* Hauptfenster = nullptr; // given at the main window's first showing
    bool ErsterTick = true;
    TSichtbarkeit Sichtbar;
    TLabel* LVersion = nullptr;
    TLabel* LProgramm = nullptr;
    TLabel* LHinweis = nullptr;

private:
    TZeitgeber& Zeitgeber;
    TMeldungen& Meldungen;
    std::vector<std::string> Argumente;
    std::filesystem::path Standarddatei;
};
