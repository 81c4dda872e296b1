// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The about window as a model: program name, version text, a word to the user and "OK".
// The menu item "Über das Programm" and now and then the copy command show it modally.

#include "toolkit/Formular.h"

class TFInfo final : public TFormular {
public:
    TFInfo();

    void FormShow() { Sichtbar = true; }
    void BOKClick() { Sichtbar = false; }

    TLabel* LProgramm = nullptr;
    TLabel* LVersion = nullptr; // filled at the first showing of the main window
    TMemo* MText = nullptr;     // read-only
    TButton* BOK = nullptr;
    TSichtbarkeit Sichtbar;
};
