// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing surface of the page: the screen, a printer page or a vector picture. All
// coordinates are device pixels of that surface; the sheet converts from centimetres.

#include "toolkit/Schrift.h"

#include <cstdint>
#include <string_view>

// Colours are 0x00BBGGRR values as fonts keep them; a negative value is a system colour, and
// every system colour draws as black (the page uses only "window text").
inline constexpr std::int32_t FarbeSchwarz = 0x000000;
inline constexpr std::int32_t FarbeWeiss = 0xFFFFFF;
inline constexpr std::int32_t FarbeGrau = 0x808080;   // red, green and blue 128
inline constexpr std::int32_t FarbeSilber = 0xC0C0C0; // red, green and blue 192

class TLeinwand {
public:
    virtual ~TLeinwand() = default;

    // The font for the following text output and measuring. Its size is taken from
    // schrift.Groesse in points of this surface; its colour is the text colour.
    virtual void SetzeSchrift(const TSchrift& schrift) = 0;
    // Changes only the text colour of the current font.
    virtual void SetzeSchriftfarbe(std::int32_t farbe) = 0;
    virtual std::int32_t Schriftfarbe() const = 0;

    // Draws text (UTF-8) with its upper left corner at (x, y), with a transparent background.
    virtual void TextAus(int x, int y, std::string_view text) = 0;
    // Extent of a text in the current font, in pixels of this surface.
    virtual double Textbreite(std::string_view text) = 0;
    virtual double Texthoehe(std::string_view text) = 0;

    // Pen for lines: colour and width in pixels.
    virtual void SetzeStift(std::int32_t farbe, int breite) = 0;
    virtual void BewegeZu(int x, int y) = 0;
    // A line from the current point to (x, y), which becomes the current point.
    virtual void LinieZu(int x, int y) = 0;

    // Fills the rectangle (right and bottom exclusive) with the colour.
    virtual void Fuellen(int links, int oben, int rechts, int unten, std::int32_t farbe) = 0;
    // Limits all further drawing to the rectangle, until BeschneidenAufheben.
    virtual void Beschneiden(int links, int oben, int rechts, int unten) = 0;
    virtual void BeschneidenAufheben() = 0;
};

// A surface that draws nothing and measures every text as empty: the screen of a run
// without a window, where only positions matter.
class TLeereLeinwand final : public TLeinwand {
public:
    void SetzeSchrift(const TSchrift& schrift) override { Farbe = schrift.Farbe; }
    void SetzeSchriftfarbe(std::int32_t farbe) override { Farbe = farbe; }
    std::int32_t Schriftfarbe() const override { return Farbe; }
    void TextAus(int, int, std::string_view) override {}
    double Textbreite(std::string_view) override { return 0; }
    double Texthoehe(std::string_view) override { return 0; }
    void SetzeStift(std::int32_t, int) override {}
    void BewegeZu(int, int) override {}
    void LinieZu(int, int) override {}
    void Fuellen(int, int, int, int, std::int32_t) override {}
    void Beschneiden(int, int, int, int) override {}
    void BeschneidenAufheben() override {}

private:
    std::int32_t Farbe = TSchrift::FarbeFenstertext;
};
