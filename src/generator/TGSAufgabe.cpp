// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TGSAufgabe.h"

#include <algorithm>

std::int32_t Dezimalstellen(std::int64_t n)
{
    std::int32_t stellen = n < 0 ? 2 : 1;
    // Work on the negative side so that the smallest 64-bit value needs no special case.
    std::int64_t rest = n < 0 ? n : -n;
    while (rest <= -10) {
        rest /= 10;
        ++stellen;
    }
    return stellen;
}

std::int32_t Ziffernbreite(const TGSAufgabe& aufgabe)
{
    return std::max(
        {Dezimalstellen(aufgabe.Operand1), Dezimalstellen(aufgabe.Operand2), Dezimalstellen(aufgabe.Ergebnis)});
}
