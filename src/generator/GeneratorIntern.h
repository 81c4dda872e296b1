// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Messages and small number helpers shared by the generator's source files; not part of the
// generator's interface.

#include <cstdint>
#include <limits>

namespace generator_intern {

// Messages of impossible settings, byte for byte as the settings window shows them.
inline constexpr const char* MeldungKeineStellen =
    "Bei +/- (ganz unten) wurden bei mind. einem Operanden keine Ziffern ausgewählt, die "
    "vorkommen dürfen.";
inline constexpr const char* MeldungKeinPlusTyp = "Es wurde kein spezieller Aufgabentyp für + ausgewählt";
inline constexpr const char* MeldungKeinMinusTyp = " Es wurde kein spezieller Aufgabentyp für - ausgewählt";
inline constexpr const char* MeldungKeineAufgabenart = "Keine Aufgabenart angewählt.";

inline constexpr const char* MeldungPlusZahlenraum =
    "Konnte keine gewünschte Plusaufgabe im vorgegebenen Zahlenraum finden!";
inline constexpr const char* MeldungPlusErsterSummand =
    "Konnte für die Plusaufgabe keinen geeigneten ersten Summanden finden.";
inline constexpr const char* MeldungPlusMinuend = "Konnte für die Plusaufgabe keinen geeigneten Minuenden finden.";
inline constexpr const char* MeldungKonnteZu = "Konnte zu ";
inline constexpr const char* MeldungKeinPassenderOperand = " + ... keinen passenden 2. Operanden finden.";
inline constexpr const char* MeldungKeinOperand = " keinen 2. Operanden finden";
inline constexpr const char* MeldungMinusStellen = "Konnte keine Minusaufgabe ohne negative Zahlen / Null finden.";
inline constexpr const char* MeldungMinusMinuend = "Konnte für die Minusaufgabe keinen geeigneten Minuenden finden.";
inline constexpr const char* MeldungZahlenraumZuGross =
    "Die Zahlen werden bei diesem Zahlenraum zu groß. Bitte einen kleineren Zahlenraum wählen.";

inline constexpr const char* MeldungKeinEinmaleins = "Keine Einmaleinsaufgabe ausgewählt";
inline constexpr const char* MeldungKeinBesonderesProdukt = "Keine besondere Multiplikationsaufgabe gewählt";
inline constexpr const char* MeldungKeinDivEinmaleins = "Keine Einmaleinsaufgabe (bei Division) ausgewählt";
inline constexpr const char* MeldungOhneRestVorne = "Konnte keine Geteiltaufgabe ohne Rest finden, deren Ergebnis >= ";
inline constexpr const char* MeldungOhneRestHinten = " ist.";
inline constexpr const char* MeldungProduktStellen =
    "Das Produkt wird bei diesen Stellenzahlen zu groß. Bitte weniger Stellen wählen.";
inline constexpr const char* MeldungProduktFaktoren =
    "Das Produkt wird bei diesen Faktoren zu groß. Bitte kleinere Faktoren wählen.";

// 10^n for n = 0..18.
constexpr std::int64_t Zehnerpotenz(int n)
{
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Smallest number with n digits (0 for one digit) and the largest.
constexpr std::int64_t MinStellen(int n)
{
    return n <= 1 ? 0 : Zehnerpotenz(n - 1);
}
constexpr std::int64_t MaxStellen(int n)
{
    return Zehnerpotenz(n) - 1;
}

// Whether three numbers fit a task record: 32-bit values, and texts of at most 10 characters
// (the ghost pattern has 10 columns).
bool PasstInAufgabe(std::int64_t operand1, std::int64_t operand2, std::int64_t ergebnis);

// Clamps a 64-bit value into the 32-bit range; used where only its sign matters.
constexpr std::int32_t Begrenzt(std::int64_t n)
{
    constexpr std::int64_t kleinste = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t groesste = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(n < kleinste ? kleinste : (n > groesste ? groesste : n));
}

} // namespace generator_intern
