// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The screen, recorded: which windows the models put on it, and in which order. While a
// window shows, Bei may act in it as a user would (a modal dialog closes before Zeigen
// returns on the desktop too).

#include "toolkit/Oberflaeche.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <vector>

class TAnzeigerekorder final : public TFensteranzeige {
public:
    void Zeigen(TFormular& fenster) override
    {
        Gezeigt.push_back(&fenster);
        if (Bei)
            Bei(fenster);
    }
    // How often fenster was shown.
    std::ptrdiff_t Anzahl(const TFormular& fenster) const
    {
        return std::count(Gezeigt.begin(), Gezeigt.end(), &fenster);
    }

    std::vector<const TFormular*> Gezeigt;
    std::function<void(TFormular&)> Bei;
};
