// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/platform/QtLeinwand.h"
#include "toolkit/Zwischenablage.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <memory>
#include <string>

// The page as a vector picture: an SVG document drawn in memory. Its resolution is the
// picture's scale (pxProCm × 2.54 dots per inch), so the SVG states its size in millimetres
// and other programs show it at its real size.
class TSvgBild final : public TBild {
public:
    TSvgBild(int breite, int hoehe, double pxProCm);
    ~TSvgBild() override;
    TSvgBild(const TSvgBild&) = delete;
    TSvgBild& operator=(const TSvgBild&) = delete;

    TLeinwand& Leinwand() override { return Flaeche; }
    // Completes the document; a second call changes nothing.
    void Abschliessen() override;
    const std::string& Svg() const override { return SvgBytes; }

    bool Abgeschlossen() const { return !Maler.isActive(); }
    int Breite() const { return BreitePx; }
    int Hoehe() const { return HoehePx; }
    // Dots per inch of the picture.
    int Dpi() const { return Generator.resolution(); }

private:
    int BreitePx;
    int HoehePx;
    QBuffer Puffer;
    QSvgGenerator Generator;
    TQtLeinwand Flaeche;
    QPainter Maler;
    std::string SvgBytes;
};

// The desktop clipboard. A picture goes on it as SVG, as PNG and as a one-page PDF at the
// picture's size, so word processors and image programs each find a format they take.
class TQtZwischenablage final : public TZwischenablage {
public:
    std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) override;
    // Completes a picture of its own if that has not happened yet.
    void BildAblegen(std::unique_ptr<TBild> bild) override;
};

// The clipboard of the headless run (--svg FILE): it keeps the last picture put on it, whose
// SVG the command line writes to the file.
class TSvgDateiablage final : public TZwischenablage {
public:
    std::unique_ptr<TBild> NeuesBild(int breite, int hoehe, double pxProCm) override;
    void BildAblegen(std::unique_ptr<TBild> bild) override;

    bool HatBild() const { return Bild != nullptr; }
    // The SVG of the last picture; empty while there is none.
    const std::string& Svg() const;

private:
    std::unique_ptr<TBild> Bild;
};
