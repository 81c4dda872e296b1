#pragma once

#include "toolkit/Leinwand.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>

#include <cstdint>
#include <optional>
#include <string_view>

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

    // The Qt font for a font record, and the colour for a colour value of the page.
    static QFont QtSchrift(const TSchrift& schrift);
    static QColor QtFarbe(std::int32_t farbe);

private:
    void StiftAnwenden();
    // The metrics of the current font on the device, made once per font and device: a page
    // measures hundreds of texts in a handful of fonts.
    const QFontMetricsF& Masse();

    QPaintDevice* Geraet;
    QPainter* Maler = nullptr;
    TSchrift Schrift;
    QFont Font;
    std::optional<QFontMetricsF> MasseFeld;
    bool TextstiftAktiv = false; // the painter's pen is the text colour, not the line pen
    std::int32_t StiftFarbe = FarbeSchwarz;
    int StiftBreite = 1;
    QPointF Punkt;
};
