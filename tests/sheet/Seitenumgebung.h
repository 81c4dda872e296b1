// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A page on a sheet with fixed text metrics (recording printer), a generator with a fixed
// seed and the settings window's error list.

#include "doubles/Aufzeichnungsleinwand.h"

#include "generator/UGSAufgabe.h"
#include "sheet/UBlatt.h"
#include "sheet/USeite.h"
#include "toolkit/Steuerelemente.h"
#include "toolkit/Zufall.h"

#include <memory>

// Times tables von..bis, each with the columns spalteVon..spalteBis.
inline void Einmaleins(TGSAufgabengenerator& g, int von, int bis, int spalteVon, int spalteBis)
{
    g.MalKommtVor = true;
    for (int reihe = von; reihe <= bis; ++reihe)
        for (int spalte = spalteVon; spalte <= spalteBis; ++spalte)
            g.MultTabelle[reihe][spalte] = true;
}

inline TGSAufgabe Datensatz(int op1, int zeichen, int op2, int erg, int platzhalter, int rest = 0)
{
    TGSAufgabe t;
    t.Operand1 = op1;
    t.Rechenzeichen = static_cast<std::uint8_t>(zeichen);
    t.Operand2 = op2;
    t.Ergebnis = erg;
    t.Rest = rest;
    t.Platzhalter = platzhalter;
    return t;
}

struct TSeitenumgebung {
    // 600 dpi A4 by default. At 254 dpi a pixel is exactly 0.01 cm: 2000 × 1200 pixels are
    // 20 × 12 cm without rounding.
    explicit TSeitenumgebung(int dpi = 600, int breitePx = 4722, int hoehePx = 6780, unsigned startwert = 4711)
        : Drucker(dpi, breitePx, hoehePx), Zufall(startwert)
    {
        Blatt.SetzeDrucker(&Drucker);
        Blatt.Metrik(800, 600);
    }

    // A new page builds a fresh pool, as "Neue Aufgaben" does.
    std::unique_ptr<TSeite> NeueSeite()
    {
        auto seite = std::make_unique<TSeite>(Generator, Blatt, Zufall);
        seite->Fehlerliste = &Fehlerliste;
        return seite;
    }

    TPaintBox Box{"PaintBox", nullptr};
    TPageControl Reiter{"PCEigenschaften", nullptr};
    TComboBox ZoomBox{"ZoomBox", nullptr};
    TScrollBar Senkrecht{"ScrollBarVert", nullptr};
    TScrollBar Waagrecht{"ScrollBarHor", nullptr};
    TAufzeichnungsdrucker Drucker;
    TBlatt Blatt{Box, Reiter, ZoomBox, Senkrecht, Waagrecht};
    TMersenneZufall Zufall;
    TGSAufgabengenerator Generator{Zufall};
    TMemo Fehlerliste{"MFehler", nullptr};
};
