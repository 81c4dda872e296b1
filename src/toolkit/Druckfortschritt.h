// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// How a print run shows that it is going on. Anfang comes before the first page with the
// number of pages the run prints, Weiter before every page with the pages printed so far
// (false: the user stopped the run there), Ende once the run has ended, however it ended.
class TDruckfortschritt {
public:
    virtual ~TDruckfortschritt() = default;
    virtual void Anfang(std::int64_t seiten) = 0;
    virtual bool Weiter(std::int64_t gedruckt) = 0;
    virtual void Ende() noexcept = 0;
};
