// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Message boxes that are recorded instead of shown.

#include "toolkit/Meldungen.h"

#include <string>
#include <vector>

class TMeldungsrekorder final : public TMeldungen {
public:
    struct TMeldung {
        std::string Titel;
        std::string Text;
        TMeldungsart Art;
    };
    void Zeige(const std::string& titel, const std::string& text, TMeldungsart art) override
    {
        Gezeigt.push_back({titel, text, art});
    }
    std::vector<TMeldung> Gezeigt;
};
