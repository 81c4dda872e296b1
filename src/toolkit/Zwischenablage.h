// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

class TLeinwand;

// A vector picture being drawn: it has a canvas of its own and is complete after
// Abschliessen.
class TBild {
public:
    virtual ~TBild() = default;
    virtual TLeinwand& Leinwand() = 0;
    // Completes the picture; its canvas must not be used afterwards.
    virtual void Abschliessen() = 0;
    // The completed picture as an SVG document (what --svg writes).
    virtual const std::string& Svg() const = 0;
};

// The clipboard, which takes the page as a vector picture.
class TZwischenablage {
public:
    virtual ~TZwischenablage() = default;
    // A new empty picture of the given size in pixels; pxProCm is its scale, which the
    // picture records so that other programs show it at its size.
    virtual std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) = 0;
    // Puts a completed picture on the clipboard.
    virtual void BildAblegen(std::unique_ptr<TBild> bild) = 0;
};
