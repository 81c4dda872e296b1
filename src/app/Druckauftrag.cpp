// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Druckauftrag.h"

#include "sheet/USeite.h"

#include <algorithm>
#include <stdexcept>

TDruckauftrag::TDruckauftrag() = default;
TDruckauftrag::~TDruckauftrag() = default;

void TDruckauftrag::Anfuegen(TStand stand, bool loesungen, int blattnummer, std::string kennzeichen)
{
    if (Staende.empty() || !(Staende.back() == stand))
        Staende.push_back(std::move(stand));
    TDruckseite seite{Staende.size() - 1, loesungen, blattnummer, std::move(kennzeichen)};
    if (!Folgen.empty() && Folgen.back().Seite == seite) {
        ++Folgen.back().Bis;
        return;
    }
    Folgen.push_back({std::move(seite), Seitenzahl() + 1});
}

const TDruckauftrag::TDruckseite& TDruckauftrag::Seite(std::int64_t k) const
{
    const auto folge = std::upper_bound(Folgen.begin(), Folgen.end(), k,
                                        [](std::int64_t seite, const TFolge& f) { return seite < f.Bis; });
    if (k < 0 || folge == Folgen.end())
        throw std::out_of_range("Der Druckauftrag hat keine Seite " + std::to_string(k + 1) + ".");
    return folge->Seite;
}
