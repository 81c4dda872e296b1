// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones stand for themselves.
constexpr std::array<char32_t, 32> Zeichen80bis9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Codepunkt(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) {
        return Zeichen80bis9F[b - 0x80];
    }
    return b; // ASCII and 0xA0..0xFF equal Latin-1
}

void Utf8Anhaengen(std::string& ziel, char32_t c)
{
    if (c < 0x80) {
        ziel += static_cast<char>(c);
    } else if (c < 0x800) {
        ziel += static_cast<char>(0xC0 | (c >> 6));
        ziel += static_cast<char>(0x80 | (c & 0x3F));
    } else { // Windows-1252 reaches no further than the Basic Multilingual Plane
        ziel += static_cast<char>(0xE0 | (c >> 12));
        ziel += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Returns the Windows-1252 byte for a code point, or '?' when there is none.
char Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < Zeichen80bis9F.size(); ++i) {
        if (Zeichen80bis9F[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool IstFolgebyte(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Decodes one well-formed UTF-8 sequence at text[i]; returns its length, or 0 when the bytes
// there are not well-formed (overlong forms, surrogates and code points above U+10FFFF
// included).
std::size_t Dekodieren(std::string_view text, std::size_t i, char32_t& c)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    std::size_t laenge = 0;
    char32_t minimum = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        laenge = 2;
        c = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        laenge = 3;
        c = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        laenge = 4;
        c = b0 & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < laenge) {
        return 0;
    }
    for (std::size_t k = 1; k < laenge; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if (!IstFolgebyte(b)) {
            return 0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return 0;
    }
    return laenge;
}

// Walks a UTF-8 text character by character: each well-formed sequence with its code point,
// each byte that is not part of one alone and without a code point.
template <class TSchritt>
void Durchlaufen(std::string_view text, TSchritt schritt)
{
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t c = 0;
        const std::size_t laenge = Dekodieren(text, i, c);
        if (laenge == 0) {
            schritt(text.substr(i, 1), std::nullopt);
            ++i;
        } else {
            schritt(text.substr(i, laenge), std::optional<char32_t>(c));
            i += laenge;
        }
    }
}

} // namespace

std::string Windows1252NachUtf8(std::string_view bytes)
{
    std::string ergebnis;
    ergebnis.reserve(bytes.size());
    for (const char b : bytes) {
        Utf8Anhaengen(ergebnis, Codepunkt(static_cast<unsigned char>(b)));
    }
    return ergebnis;
}

std::string Utf8NachWindows1252(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size());
    Durchlaufen(text, [&](std::string_view, std::optional<char32_t> c) { ergebnis += c ? Byte(*c) : '?'; });
    return ergebnis;
}

std::vector<std::string> NichtInWindows1252(std::string_view text)
{
    std::vector<std::string> zeichenliste;
    Durchlaufen(text, [&](std::string_view zeichen, std::optional<char32_t> c) {
        // A "?" written as itself is no loss.
        if (c && (*c == U'?' || Byte(*c) != '?'))
            return;
        if (std::find(zeichenliste.begin(), zeichenliste.end(), zeichen) == zeichenliste.end())
            zeichenliste.emplace_back(zeichen);
    });
    return zeichenliste;
}

std::string Utf8Maskiert(std::string_view text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string ergebnis;
    ergebnis.reserve(text.size());
    Durchlaufen(text, [&](std::string_view zeichen, std::optional<char32_t> c) {
        if (c && *c >= 0x20 && !(*c >= 0x7F && *c < 0xA0)) {
            ergebnis.append(zeichen);
            return;
        }
        const auto b = static_cast<unsigned char>(zeichen.front());
        ergebnis += "\\x";
        ergebnis += Hex[b >> 4];
        ergebnis += Hex[b & 0xF];
    });
    return ergebnis;
}
