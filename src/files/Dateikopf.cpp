// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Dateikopf.h"

#include <array>

int DateiversionAusKopf(std::string_view kopf)
{
    // Index = version number.
    static constexpr std::array<std::string_view, 11> AlteKoepfe = {
        "Zifferbogen 2.0", "Zifferbogen 2.1", "Zifferbogen 2.2", "Zifferbogen 2.3",
        "Zifferbogen 2.4", "Zifferbogen 2.5", "Zifferbogen 2.6", "Zifferbogen 2.7",
        "Zifferbogen 2.8", "Zifferbogen 2.9", "Zifferbogen 3.0",
    };
    static_assert(AlteKoepfe.size() == AktuelleDateiversion);
    for (std::size_t i = 0; i < AlteKoepfe.size(); ++i) {
        if (kopf == AlteKoepfe[i]) {
            return static_cast<int>(i);
        }
    }
    return AktuelleDateiversion;
}
