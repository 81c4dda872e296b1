// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/ZeichnenSchnittstelle.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

// Stand-in for the main window: holds the values the settings window writes and records
// every call in order, so tests, benchmarks and fuzz targets can drive the settings window
// without a page.
class TZeichnenPlatzhalter final : public TZeichnenSchnittstelle {
public:
    bool Sichtbar() const override { return SichtbarFeld; }
    // Makes it visible and records "Zeigen".
    void Zeigen() override
    {
        SichtbarFeld = true;
        Aufrufe.emplace_back("Zeigen");
    }
    bool CBSchriftlich() const override { return Schriftlich; }
    // Stores the flag and records "PositiveKlammern".
    void SetzePositiveKlammern(bool klammern) override
    {
        PositiveKlammern = klammern;
        Aufrufe.emplace_back("PositiveKlammern");
    }
    int Platzhalterart() const override { return PlatzhalterartFeld; }
    // Stores the kind and records "Platzhalterart".
    void SetzePlatzhalterart(int art) override
    {
        PlatzhalterartFeld = art;
        Aufrufe.emplace_back("Platzhalterart");
    }
    // Stores the generator and records "Generator".
    void SetzeGenerator(TGSAufgabengenerator* generator) override
    {
        Generator = generator;
        Aufrufe.emplace_back("Generator");
    }
    // Records "BNeueAufgabeClick" and runs NeueAufgabenAktion when one is set.
    void BNeueAufgabeClick() override
    {
        Aufrufe.emplace_back("BNeueAufgabeClick");
        if (NeueAufgabenAktion)
            NeueAufgabenAktion(Generator);
    }
    // Record their names.
    void ParameterUebergeben() override { Aufrufe.emplace_back("ParameterUebergeben"); }
    void Seitenmetrik() override { Aufrufe.emplace_back("Seitenmetrik"); }
    void BSeitenmetrik() override { Aufrufe.emplace_back("BSeitenmetrik"); }

    // Number of recorded calls of that name.
    int Anzahl(const std::string& aufruf) const
    {
        return static_cast<int>(std::count(Aufrufe.begin(), Aufrufe.end(), aufruf));
    }

    bool SichtbarFeld = false;
    bool Schriftlich = false;
    bool PositiveKlammern = false;
    int PlatzhalterartFeld = 0;
    TGSAufgabengenerator* Generator = nullptr;
    std::vector<std::string> Aufrufe;
    // What the new-tasks command does besides recording (the command line builds a pool).
    std::function<void(TGSAufgabengenerator*)> NeueAufgabenAktion;
};
