// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The place-value shapes of addition and subtraction operands, 0-based as the generator
// uses them (the settings grid numbers the same shapes 1..7).
enum Typcode : std::uint8_t {
    TypE = 0,   // one digit, 0..9
    TypZ = 1,   // whole tens 10..90
    TypZE = 2,  // two digits, units not 0
    TypH = 3,   // whole hundreds 100..900
    TypHE = 4,  // three digits, tens 0, units not 0
    TypHZ = 5,  // three digits, tens not 0, units 0
    TypHZE = 6, // three digits, tens and units not 0
};

inline constexpr int AnzahlTypen = 7;

// A pair of operand types: first operand, second operand.
struct TTypPaar {
    std::uint8_t Erster = TypE;
    std::uint8_t Zweiter = TypE;

    friend bool operator==(const TTypPaar&, const TTypPaar&) = default;
};

// Type of a number 0..1000 (1000 counts as whole hundreds).
constexpr std::uint8_t TypVonZahl(int n)
{
    if (n < 10)
        return TypE;
    if (n < 100)
        return n % 10 == 0 ? TypZ : TypZE;
    if (n % 100 == 0)
        return TypH;
    if (n % 10 == 0)
        return TypHZ;
    return (n / 10) % 10 == 0 ? TypHE : TypHZE;
}

// Number of digits of a type: E 1, Z and ZE 2, the H types 3.
constexpr int StellenVonTyp(int typ)
{
    return typ == TypE ? 1 : (typ <= TypZE ? 2 : 3);
}

// Largest value of a type: E 9, Z 90, ZE 99, H 900, HE 909, HZ 990, HZE 999.
constexpr int MaxVonTyp(int typ)
{
    constexpr int groesste[AnzahlTypen] = {9, 90, 99, 900, 909, 990, 999};
    return typ >= 0 && typ < AnzahlTypen ? groesste[typ] : 0;
}
