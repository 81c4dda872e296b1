// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

enum class TMeldungsart { Information, Warnung, Fehler };

// The answers to the question whether changes are kept before they would be lost.
enum class TAntwort { Speichern, Verwerfen, Abbrechen };

// Modal message boxes with an OK button. The desktop program shows a real box; the
// command line writes the text to its error output; tests record the calls.
class TMeldungen {
public:
    virtual ~TMeldungen() = default;
    virtual void Zeige(const std::string& titel, const std::string& text, TMeldungsart art) = 0;
    // Asks, in a box with the buttons "Speichern", "Verwerfen" and "Abbrechen", whether
    // changes are kept. Where nobody can answer (the command line), nothing is thrown away:
    // the answer is Abbrechen.
    virtual TAntwort Frage(const std::string& /*titel*/, const std::string& /*text*/) { return TAntwort::Abbrechen; }
};
