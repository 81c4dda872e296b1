// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Ziffernfilter.h"

#include <limits>

std::int32_t Ziffernfilter(std::string_view text, std::int32_t fallback)
{
    constexpr std::int64_t Groesste = std::numeric_limits<std::int32_t>::max();
    std::int64_t wert = 0;
    bool ziffernGefunden = false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            continue;
        ziffernGefunden = true;
        wert = wert * 10 + (c - '0');
        if (wert > Groesste)
            return fallback;
    }
    return ziffernGefunden ? static_cast<std::int32_t>(wert) : fallback;
}
