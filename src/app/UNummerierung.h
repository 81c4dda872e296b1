// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbering dialog as a model: counting style and the text after the number, with a
// preview of the first three labels. It changes nothing by itself; the main window takes its
// state once it has closed.

#include "toolkit/Formular.h"

#include <string>

class TFNummerierung final : public TFormular {
public:
    TFNummerierung();

    // Shows the main window's present choice: counting with digits or letters, and the text
    // after the number.
    void Einrichten(bool mitZiffern, const std::string& zeichenNachNummer);
    // The dialog opens (modally): Sichtbar, and the preview brought up to date.
    void FormShow();
    void Schliessen() { Sichtbar = false; }
    // The labels of 1, 2 and 3 as the page would write them, each followed by three blanks.
    void Vorschau();

    bool MitZiffern() const;
    const std::string& ZeichenNachNummer() const;

    TSichtbarkeit Sichtbar;

    TRadioButton* RB123 = nullptr;
    TRadioButton* RBabc = nullptr;
    TEdit* EZeichennachderNummer = nullptr;
    TLabel* LVorschau1 = nullptr;
    TButton* BOK = nullptr;
};
