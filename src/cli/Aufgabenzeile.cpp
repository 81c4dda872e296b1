// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Aufgabenzeile.h"

#include <algorithm>

std::string Aufgabenzeile(const TGSAufgabe& aufgabe)
{
    std::string zeile = std::to_string(aufgabe.Operand1) + '\t' + std::to_string(aufgabe.Rechenzeichen) + '\t'
        + std::to_string(aufgabe.Operand2) + '\t' + std::to_string(aufgabe.Ergebnis) + '\t'
        + std::to_string(aufgabe.Rest) + '\t' + std::to_string(aufgabe.Platzhalter) + '\t';
    const auto breite = static_cast<std::size_t>(std::clamp<std::int32_t>(
        Ziffernbreite(aufgabe), 0, static_cast<std::int32_t>(aufgabe.Gespenstermuster.size())));
    for (std::size_t spalte = 0; spalte < breite; ++spalte)
        zeile += static_cast<char>('0' + aufgabe.Gespenstermuster[spalte] % 10);
    zeile += '\t';
    zeile += aufgabe.Fehlermeldung;
    return zeile;
}
