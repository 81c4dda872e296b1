// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The operator of a task, as TGSAufgabe::Rechenzeichen, the worksheet files and the task
// lines of the command line carry it.
enum Rechenzeichencode : std::uint8_t {
    ZeichenPlus = 0,
    ZeichenMinus = 1,
    ZeichenMal = 2,
    ZeichenGeteilt = 3,
};

// The number the pupil fills in, as TGSAufgabe::Platzhalter, the files and the task lines
// carry it; 0 for a task without a blank.
enum Platzhaltercode : std::int32_t {
    OhnePlatzhalter = 0,
    PlatzhalterOperand1 = 1,
    PlatzhalterOperand2 = 2,
    PlatzhalterErgebnis = 3,
};

// One arithmetic task as the generator makes it and the page, the files and the command
// line hand it on: a plain value, copied whole.
struct TGSAufgabe {
    std::int32_t Operand1 = 0;                  // first summand, minuend, first factor or dividend
    std::int32_t Operand2 = 0;                  // second summand, subtrahend, second factor or divisor
    std::int32_t Ergebnis = 0;                  // sum, difference, product, or quotient truncated toward 0
    std::int32_t Rest = 0;                      // remainder of a division, with the sign of the dividend
    std::uint8_t Rechenzeichen = ZeichenPlus;   // a Rechenzeichencode: "+", "-", "·", ":"
    std::int32_t Platzhalter = OhnePlatzhalter; // a Platzhaltercode
    std::int32_t Quersumme = 0;                 // digit sum of the solution; set by the page, not the generator
    std::string Fehlermeldung;                  // empty for a valid task, else why no fitting task was found
    // For ghost tasks: per digit column, units first, which number hides its digit there
    // (0 Operand1, 1 Operand2, 2 Ergebnis). Only the first Ziffernbreite entries are set.
    std::array<std::uint8_t, 10> Gespenstermuster{};

    friend bool operator==(const TGSAufgabe&, const TGSAufgabe&) = default;
};

// The operator symbols in the order of the codes of Rechenzeichen.
inline constexpr std::array<const char*, 4> Rechenzeichensymbole{"+", "-", "·", ":"};
static_assert(Rechenzeichensymbole.size() == ZeichenGeteilt + 1);

// Number of characters of the longest decimal text among Operand1, Operand2 and Ergebnis,
// a minus sign counting as a character.
std::int32_t Ziffernbreite(const TGSAufgabe& aufgabe);

// Number of characters of the decimal text of n, a minus sign counting as one.
std::int32_t Dezimalstellen(std::int64_t n);
