#pragma once

#include "settings/Hauptfenster.h"

#include <functional>
#include <string>
#include <vector>

// Stand-in for the main window until its model exists: holds the values the settings
// window writes and records every call in order, so the command line and the tests can
// drive the settings window without a page.
class TZeichnenPlatzhalter final : public TZeichnenSchnittstelle {
public:
    bool Sichtbar() const override { return SichtbarFeld; }
    // Makes it visible and records "Zeigen".
    void Zeigen() override;
    bool CBSchriftlich() const override { return Schriftlich; }
    // Stores the flag and records "PositiveKlammern".
    void SetzePositiveKlammern(bool klammern) override;
    int Platzhalterart() const override { return PlatzhalterartFeld; }
    // Stores the kind and records "Platzhalterart".
    void SetzePlatzhalterart(int art) override;
    // Stores the generator and records "Generator".
    void SetzeGenerator(TGSAufgabengenerator* generator) override;
    // Records "BNeueAufgabeClick" and runs NeueAufgabenAktion when one is set.
    void BNeueAufgabeClick() override;
    // Record their names.
    void ParameterUebergeben() override;
    void Seitenmetrik() override;
    void BSeitenmetrik() override;

    // Number of recorded calls of that name.
    int Anzahl(const std::string& aufruf) const;

    bool SichtbarFeld = false;
    bool Schriftlich = false;
    bool PositiveKlammern = false;
    int PlatzhalterartFeld = 0;
    TGSAufgabengenerator* Generator = nullptr;
    std::vector<std::string> Aufrufe;
    // What the new-tasks command does besides recording (the command line builds a pool).
    std::function<void(TGSAufgabengenerator*)> NeueAufgabenAktion;
};
