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
    // Questions are recorded like messages and answered with Antworten, in turn; when they
    // run out, with Abbrechen.
    TAntwort Frage(const std::string& titel, const std::string& text) override
    {
        Gefragt.push_back({titel, text, TMeldungsart::Information});
        if (Antworten.empty())
            return TAntwort::Abbrechen;
        const TAntwort antwort = Antworten.front();
        Antworten.erase(Antworten.begin());
        return antwort;
    }
    std::vector<TMeldung> Gezeigt;
    std::vector<TMeldung> Gefragt;
    std::vector<TAntwort> Antworten;
};
