// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Meldungen.h"

// Message boxes of the desktop program: a modal QMessageBox over the active window, with an
// icon for the kind of message and a German OK button.
class TQtMeldungen final : public TMeldungen {
public:
    void Zeige(const std::string& titel, const std::string& text, TMeldungsart art) override;
    // A question box with "Speichern" (the default), "Verwerfen" and "Abbrechen" (Escape).
    TAntwort Frage(const std::string& titel, const std::string& text) override;
};
