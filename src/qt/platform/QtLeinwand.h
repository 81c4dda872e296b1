// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Leinwand.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QList>
#include <QPointF>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QColor;
class QPaintDevice;
class QPainter;

// The canvas on a Qt paint device: a widget, a PDF page or an SVG picture. It measures text
// on the device at any time and draws only while a painter is attached, because a printer's
// device has a resolution before its job starts but can be painted on only during the job.
// Neither the device nor the painter belongs to the canvas.
class TQtLeinwand final : public TLeinwand {
public:
    explicit TQtLeinwand(QPaintDevice& geraet);
    ~TQtLeinwand() override;
    TQtLeinwand(const TQtLeinwand&) = delete;
    TQtLeinwand& operator=(const TQtLeinwand&) = delete;

    // Measures on another device from now on (a printer that starts a new document on a fresh
    // device); the font and pen stay as they are.
    void GeraetSetzen(QPaintDevice& geraet);
    // Draws through the painter, which is active on this canvas's device, until Abhaengen.
    // The painter takes the canvas's font, colours and pen; an earlier clip is not carried
    // over, since clipping belongs to one drawing session.
    void MalerAnhaengen(QPainter& maler);
    // Stops drawing; afterwards the canvas measures only, and drawing calls are dropped, as a
    // printer that is not printing puts nothing on paper.
    void Abhaengen();
    bool Malt() const { return Maler != nullptr; }

    // Multiplies every font's point size from now on (1: as the record says). A screen whose
    // logical resolution is not the 96 dpi the sheet sets its screen fonts for needs it.
    void SetzePunktmassstab(double faktor);

    void SetzeSchrift(const TSchrift& schrift) override;
    void SetzeSchriftfarbe(std::int32_t farbe) override;
    std::int32_t Schriftfarbe() const override { return Schrift.Farbe; }

    void TextAus(int x, int y, std::string_view text) override;
    double Textbreite(std::string_view text) override;
    double Texthoehe(std::string_view text) override;

    void SetzeStift(std::int32_t farbe, int breite) override;
    void BewegeZu(int x, int y) override;
    void LinieZu(int x, int y) override;

    void Fuellen(int links, int oben, int rechts, int unten, std::int32_t farbe) override;
    void Beschneiden(int links, int oben, int rechts, int unten) override;
    void BeschneidenAufheben() override;

    // The text Qt draws and measures for a text of the page (UTF-8), the same on every device:
    // bytes that are not UTF-8, control characters other than the tab, and noncharacters
    // become U+FFFD, so that no output drops or hides a character another shows, and an SVG
    // picture stays well-formed XML.
    static QString QtText(std::string_view text);
    // The Qt font for a font record (its name as QtText gives it), and the colour for a colour
    // value of the page.
    static QFont QtSchrift(const TSchrift& schrift);
    static QColor QtFarbe(std::int32_t farbe);

private:
    struct TTextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    template <typename T>
    using TTextTabelle = std::unordered_map<std::string, T, TTextHash, std::equal_to<>>;

    // One font of the canvas on its device, with the widths and shaped glyphs of the texts
    // it has met. A page switches between a handful of fonts for every task and writes the
    // same short texts (digits, signs, "=") over and over; Qt would look the font up and
    // shape each text anew every time.
    struct TSchriftstand {
        TSchrift Schrift; // the record without its colour, which does not change the shapes
        QFont Font;
        QFontMetricsF Masse;
        TTextTabelle<double> Breiten;
        TTextTabelle<QList<QGlyphRun>> Laeufe;
    };

    void StiftAnwenden();
    // The canvas's font as the painter takes it.
    QFont MalerSchrift() const;
    TSchriftstand& Stand();
    // The glyphs of the text in the current font, placed from the upper left corner.
    const QList<QGlyphRun>& Glyphen(std::string_view text);

    QPaintDevice* Geraet;
    QPainter* Maler = nullptr;
    TSchrift Schrift;
    double Punktmassstab = 1.0;
    QFont Font;
    std::vector<std::unique_ptr<TSchriftstand>> Staende;
    TSchriftstand* AktuellerStand = nullptr; // none: not looked up since the last change
    // Whether the painter's engine writes text as glyphs and positions alone, so that glyphs
    // shaped once can stand for the text. An SVG picture keeps the characters instead.
    bool GlyphenMalen = false;
    // Whether the painter writes an SVG picture, whose writer puts the font's family name into
    // its attributes as it stands.
    bool SvgMalen = false;
    bool MalerSchriftVeraltet = false; // the painter's font is not yet the canvas's font
    bool TextstiftAktiv = false;       // the painter's pen is the text colour, not the line pen
    std::int32_t StiftFarbe = FarbeSchwarz;
    int StiftBreite = 1;
    QPointF Punkt;
};
