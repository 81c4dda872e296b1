// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A font as the page draws it and as worksheet files keep it. Every field is stored as it
// stands, so a font round-trips through a file unchanged, system colours included.
struct TSchrift final {
    // Style bits.
    static constexpr int Fett = 1;
    static constexpr int Kursiv = 2;
    static constexpr int Unterstrichen = 4;
    static constexpr int Durchgestrichen = 8;
    static constexpr int AlleStile = Fett | Kursiv | Unterstrichen | Durchgestrichen;

    // The system colour "window text" (system colour 8 with the high bit set); it draws black.
    static constexpr std::int32_t FarbeFenstertext = -2147483640;
    // Character sets: ANSI, and the system's default.
    static constexpr int ZeichensatzAnsi = 0;
    static constexpr int ZeichensatzStandard = 1;
    // No real typeface has a longer name; a file with a longer one is damaged, and the name
    // would be repeated in every text of a picture.
    static constexpr std::size_t GroessteNamenslaenge = 255; // characters

    std::string Name = "Arial";            // typeface, UTF-8
    std::int32_t Groesse = 10;             // points
    int Stil = 0;                          // style bits 0..15
    std::int32_t Farbe = FarbeFenstertext; // 0x00BBGGRR, or negative for a system colour
    int Zeichensatz = ZeichensatzStandard; // character-set number 0..255

    friend bool operator==(const TSchrift&, const TSchrift&) = default;
};
