// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

enum class TMeldungsart { Information, Warnung, Fehler };

// Modal message boxes with an OK button. The desktop program shows a real box; the
// command line writes the text to its error output; tests record the calls.
class TMeldungen {
public:
    virtual ~TMeldungen() = default;
    virtual void Zeige(const std::string& titel, const std::string& text, TMeldungsart art) = 0;
};
