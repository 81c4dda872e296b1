// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generator/Typcode.h"

#include <array>
#include <cstdint>

// The complete parameter set of the task generator. The settings window copies its
// controls into it; the generator only reads it (but for DivTabelle, see there).
// A fresh record is all zeros, like the generator's fields before the first hand-over.
// Arrays are indexed as the user counts (1-based); index 0 is unused where noted.
struct TGeneratorParameter {
    bool NullKommtVor = false;  // 0 may occur as operand or result of + and -
    bool PlatzhalterPM = false; // + and - take their placeholder from the allowed positions
    bool PlusKommtVor = false;
    bool MinusKommtVor = false;
    std::int32_t Zahlenraum = 0;   // bounds the sum, the minuend (digit places: the difference)
    std::uint8_t HUModus = 0;      // crossing the hundred: 0 never, 1 free, 2 always
    std::uint8_t ZUModus = 0;      // crossing the ten: 0 never, 1 free, 2 always
    bool NurKombinationen = false; // + and - only of the checked operand-type combinations
    // [i][j], 1 <= j <= i <= 7: first operand of type i-1 with second of type j-1 allowed
    std::array<std::array<bool, 8>, 8> Kombination{};
    bool MalKommtVor = false;
    bool GeteiltKommtVor = false;
    std::uint8_t MultArt = 0; // 0 times tables, 1 written, 2 factor intervals, 3 special products
    std::uint8_t DivArt = 0;  // 0 times tables, 1 written
    // [row][column], 0..20: the product column · row may occur (row = the times table)
    std::array<std::array<bool, 21>, 21> MultTabelle{};
    // [row][column]: the division (column · row) : row may occur. The division generator
    // clears row 0 and the columns below MinErgebnisDiv in place.
    std::array<std::array<bool, 21>, 21> DivTabelle{};
    bool SchwereMultHaeufiger = false;
    bool SchwereDivHaeufiger = false;
    std::array<TTypPaar, 9> BesondereProdukte{}; // [1..8]
    std::int32_t BesondereAnzahl = 0;            // 0, 2 or 4
    std::int32_t Faktor1Von = 0;
    std::int32_t Faktor1Bis = 0;
    std::int32_t Faktor2Von = 0;
    std::int32_t Faktor2Bis = 0;
    bool NullKommtVorMultDiv = false;
    bool PlatzhalterMultDiv = false;
    std::uint8_t Restmodus = 0; // 0 never, 1 half of the tasks, 2 always
    // [1..16]: four groups (first factor, second factor, dividend, divisor) of
    // digits from, digits to, zeros from, zeros to
    std::array<std::int32_t, 17> StellenGrenzen{};
    std::int32_t MinErgebnisDiv = 0;
    std::uint8_t NegativPM = 0;      // 0 no, 1 yes, 2 always
    std::uint8_t NegativMultDiv = 0; // the same for · and :
    bool PlatzhalterOp1 = false;
    bool PlatzhalterOp2 = false;
    bool PlatzhalterErg = false;
    std::uint8_t Operandenfolge = 0; // 0 larger type first, 1 smaller type first, 2 both
    bool NurStellen = false;         // + and - operands are built digit by digit from Stellenmaske
    // [operand 1..2][row 1 "Kann vorkommen", 2 "Muss vorkommen"][place 1..7, 1 = units]
    std::array<std::array<std::array<bool, 8>, 3>, 3> Stellenmaske{};
    bool Quadrataufgaben = false;
    std::int32_t QuadratBis = 0;
    bool MinimalwertAktiv = false;
    std::int32_t Minimalwert = 0;
    bool Keine10HochN = false;
    bool ErgZehner = false;    // completing to the next ten counts as crossing it
    bool ErgHunderter = false; // the same for the hundred
};
