// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtLeinwand.h"

#include <QChar>
#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QTextLine>

#include <algorithm>
#include <utility>

namespace {

// Sizes outside this range come only from damaged files; Qt refuses sizes below one point,
// and a page of A4 is 842 points high, so nothing larger can be shown whole anyway.
constexpr int KleinstePunktgroesse = 1;
constexpr int GroesstePunktgroesse = 1000;

// Bounds of what the canvas keeps: far above what a page uses (five fonts, a few hundred
// different texts), so that only a session that sees very many zooms or texts starts over.
constexpr std::size_t GroessteStandzahl = 32;
constexpr std::size_t GroessteTextzahl = 2048;

// Characters of a page's text that no output shows as the others do: C0 and C1 controls
// (XML 1.0 cannot carry most C0 controls at all; Qt's drawing skips them or draws a gap that
// a PDF reader takes for a blank, while an SVG reader reads them as they stand) and
// noncharacters (U+FFFE and U+FFFF are no XML characters either). The tab stays: every output
// draws it as the space up to the next tab stop.
bool Undarstellbar(char32_t zeichen)
{
    return (zeichen != U'\t' && QChar::category(zeichen) == QChar::Other_Control) || QChar::isNonCharacter(zeichen);
}

// A family name as the SVG writer puts it into an attribute between double quotes: Qt (6.4)
// writes the name unescaped there, so the picture escapes it, and an SVG reader gets back the
// name the other outputs use. A tab would otherwise be read as a blank.
QString AlsSvgAttribut(QString name)
{
    return name.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'"', QStringLiteral("&quot;"))
        .replace(u'\t', QStringLiteral("&#9;"));
}

QRectF Rechteck(int links, int oben, int rechts, int unten)
{
    // An inverted rectangle is empty, as on every surface of the page.
    return QRectF(links, oben, std::max(0, rechts - links), std::max(0, unten - oben));
}

} // namespace

QString TQtLeinwand::QtText(std::string_view text)
{
    // Qt already turns bytes that are not UTF-8, encoded surrogates among them, into U+FFFD.
    QString darstellbar = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    for (qsizetype i = 0; i < darstellbar.size(); ++i) {
        const QChar einheit = darstellbar.at(i);
        if (einheit.isHighSurrogate() && i + 1 < darstellbar.size() && darstellbar.at(i + 1).isLowSurrogate()) {
            if (Undarstellbar(QChar::surrogateToUcs4(einheit, darstellbar.at(i + 1))))
                darstellbar.replace(i, 2, QChar(QChar::ReplacementCharacter));
            else
                ++i;
        } else if (einheit.isSurrogate() || Undarstellbar(einheit.unicode())) {
            darstellbar[i] = QChar(QChar::ReplacementCharacter);
        }
    }
    return darstellbar;
}

TQtLeinwand::TQtLeinwand(QPaintDevice& geraet) : Geraet(&geraet), Font(QtSchrift(Schrift))
{}

TQtLeinwand::~TQtLeinwand() = default;

void TQtLeinwand::GeraetSetzen(QPaintDevice& geraet)
{
    Geraet = &geraet;
    AktuellerStand = nullptr;
    Staende.clear();
}

TQtLeinwand::TSchriftstand& TQtLeinwand::Stand()
{
    if (AktuellerStand != nullptr)
        return *AktuellerStand;
    TSchrift ohneFarbe = Schrift;
    ohneFarbe.Farbe = 0;
    for (const auto& stand : Staende) {
        if (stand->Schrift == ohneFarbe) {
            AktuellerStand = stand.get();
            return *AktuellerStand;
        }
    }
    if (Staende.size() >= GroessteStandzahl)
        Staende.clear();
    QFont font = QtSchrift(ohneFarbe);
    if (Punktmassstab != 1.0)
        font.setPointSizeF(font.pointSizeF() * Punktmassstab);
    Staende.push_back(
        std::make_unique<TSchriftstand>(TSchriftstand{ohneFarbe, font, QFontMetricsF(font, Geraet), {}, {}}));
    AktuellerStand = Staende.back().get();
    return *AktuellerStand;
}

void TQtLeinwand::MalerAnhaengen(QPainter& maler)
{
    Maler = &maler;
    Maler->setBackgroundMode(Qt::TransparentMode);
    const QPaintEngine* maschine = Maler->paintEngine();
    GlyphenMalen = maschine != nullptr && maschine->type() == QPaintEngine::Pdf;
    SvgMalen = maschine != nullptr && maschine->type() == QPaintEngine::SVG;
    Maler->setFont(MalerSchrift());
    MalerSchriftVeraltet = false;
    Maler->setClipping(false);
    StiftAnwenden();
}

void TQtLeinwand::Abhaengen()
{
    Maler = nullptr;
}

QFont TQtLeinwand::MalerSchrift() const
{
    if (!SvgMalen)
        return Font;
    // The painter looks the escaped name up as well; that differs only for a family whose name
    // holds one of the escaped characters, and the canvas still measures with the font itself
    // and places every text where it says.
    QStringList familien = Font.families();
    bool maskiert = false;
    for (QString& familie : familien) {
        QString attribut = AlsSvgAttribut(familie);
        maskiert = maskiert || attribut != familie;
        familie = std::move(attribut);
    }
    if (!maskiert)
        return Font;
    QFont font = Font;
    font.setFamilies(familien);
    return font;
}

QFont TQtLeinwand::QtSchrift(const TSchrift& schrift)
{
    QFont font(QtText(schrift.Name));
    // Points of the device: Qt scales them by the device's logical resolution, so the same
    // record gives 12-point text on a 1200-dpi page and on a 96-dpi screen.
    font.setPointSizeF(std::clamp<int>(schrift.Groesse, KleinstePunktgroesse, GroesstePunktgroesse));
    font.setBold((schrift.Stil & TSchrift::Fett) != 0);
    font.setItalic((schrift.Stil & TSchrift::Kursiv) != 0);
    font.setUnderline((schrift.Stil & TSchrift::Unterstrichen) != 0);
    font.setStrikeOut((schrift.Stil & TSchrift::Durchgestrichen) != 0);
    // The character set is kept only for the files: Qt draws every text from Unicode.
    return font;
}

QColor TQtLeinwand::QtFarbe(std::int32_t farbe)
{
    if (farbe < 0)
        return QColor(Qt::black);
    const auto wert = static_cast<std::uint32_t>(farbe);
    return QColor(static_cast<int>(wert & 0xFFu), static_cast<int>((wert >> 8) & 0xFFu),
                  static_cast<int>((wert >> 16) & 0xFFu));
}

void TQtLeinwand::SetzeSchrift(const TSchrift& schrift)
{
    // The page applies its fonts for every task; only a real change costs a font lookup.
    TSchrift ohneFarbe = schrift;
    ohneFarbe.Farbe = Schrift.Farbe;
    const bool gleich = ohneFarbe == Schrift;
    Schrift = schrift;
    if (gleich)
        return;
    AktuellerStand = nullptr;
    Font = Stand().Font;
    // Only Qt's text drawing reads the painter's font; glyphs carry their own.
    MalerSchriftVeraltet = true;
}

void TQtLeinwand::SetzePunktmassstab(double faktor)
{
    if (!(faktor > 0) || faktor == Punktmassstab)
        return;
    Punktmassstab = faktor;
    // The fonts kept so far were made for the old scale.
    Staende.clear();
    AktuellerStand = nullptr;
    Font = Stand().Font;
    MalerSchriftVeraltet = true;
}

void TQtLeinwand::SetzeSchriftfarbe(std::int32_t farbe)
{
    Schrift.Farbe = farbe;
}

void TQtLeinwand::TextAus(int x, int y, std::string_view text)
{
    if (Maler == nullptr)
        return;
    // Qt places text by its baseline; the page places it by its upper left corner. The pen
    // stays in the text colour until the next line needs the line pen again.
    Maler->setPen(QtFarbe(Schrift.Farbe));
    TextstiftAktiv = true;
    const QPointF grundlinie(x, y + Stand().Masse.ascent());
    // Underline and strike-out are drawn by Qt's text drawing, which knows their metrics.
    if (GlyphenMalen && !Font.underline() && !Font.strikeOut() && !Font.overline()) {
        for (const QGlyphRun& lauf : Glyphen(text))
            Maler->drawGlyphRun(grundlinie, lauf);
        return;
    }
    if (MalerSchriftVeraltet) {
        Maler->setFont(MalerSchrift());
        MalerSchriftVeraltet = false;
    }
    Maler->drawText(grundlinie, QtText(text));
}

const QList<QGlyphRun>& TQtLeinwand::Glyphen(std::string_view text)
{
    TSchriftstand& stand = Stand();
    if (const auto gefunden = stand.Laeufe.find(text); gefunden != stand.Laeufe.end())
        return gefunden->second;
    if (stand.Laeufe.size() >= GroessteTextzahl)
        stand.Laeufe.clear();

    // One line without a width limit, shaped as the painter would shape the text on this
    // device; the glyphs are placed relative to the baseline, as the painter places them.
    QTextLayout satz(QtText(text), stand.Font, Geraet);
    satz.beginLayout();
    const QTextLine zeile = satz.createLine();
    satz.endLayout();
    QList<QGlyphRun> laeufe;
    if (zeile.isValid()) {
        laeufe = zeile.glyphRuns();
        const QPointF hoch(0, zeile.ascent());
        for (QGlyphRun& lauf : laeufe) {
            QList<QPointF> orte = lauf.positions();
            for (QPointF& ort : orte)
                ort -= hoch;
            lauf.setPositions(orte);
        }
    }
    return stand.Laeufe.emplace(std::string(text), std::move(laeufe)).first->second;
}

double TQtLeinwand::Textbreite(std::string_view text)
{
    TSchriftstand& stand = Stand();
    if (const auto gefunden = stand.Breiten.find(text); gefunden != stand.Breiten.end())
        return gefunden->second;
    if (stand.Breiten.size() >= GroessteTextzahl)
        stand.Breiten.clear();
    const double breite = stand.Masse.horizontalAdvance(QtText(text));
    stand.Breiten.emplace(std::string(text), breite);
    return breite;
}

double TQtLeinwand::Texthoehe(std::string_view)
{
    return Stand().Masse.height();
}

void TQtLeinwand::SetzeStift(std::int32_t farbe, int breite)
{
    StiftFarbe = farbe;
    StiftBreite = std::max(1, breite);
    if (Maler != nullptr)
        StiftAnwenden();
}

void TQtLeinwand::StiftAnwenden()
{
    // Widths count device pixels, so a width-1 line stays one pixel of the device instead of
    // a cosmetic hairline; flat caps end a line exactly at its end point.
    QPen stift(QtFarbe(StiftFarbe), StiftBreite, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    stift.setCosmetic(false);
    Maler->setPen(stift);
    TextstiftAktiv = false;
}

void TQtLeinwand::BewegeZu(int x, int y)
{
    Punkt = QPointF(x, y);
}

void TQtLeinwand::LinieZu(int x, int y)
{
    QPointF von = Punkt;
    QPointF bis(x, y);
    Punkt = bis;
    if (Maler == nullptr)
        return;
    if (TextstiftAktiv)
        StiftAnwenden();
    // A pen of odd width centred on a pixel boundary would cover half pixels on both sides and
    // show as a grey smear on a raster surface; moved by half a pixel across the line it covers
    // whole pixels, those below and right of the coordinates as on a pixel screen.
    if (StiftBreite % 2 == 1) {
        if (von.y() == bis.y()) {
            von.ry() += 0.5;
            bis.ry() += 0.5;
        } else if (von.x() == bis.x()) {
            von.rx() += 0.5;
            bis.rx() += 0.5;
        }
    }
    Maler->drawLine(von, bis);
}

void TQtLeinwand::Fuellen(int links, int oben, int rechts, int unten, std::int32_t farbe)
{
    if (Maler == nullptr || rechts <= links || unten <= oben)
        return;
    Maler->fillRect(Rechteck(links, oben, rechts, unten), QtFarbe(farbe));
}

void TQtLeinwand::Beschneiden(int links, int oben, int rechts, int unten)
{
    if (Maler == nullptr)
        return;
    Maler->setClipRect(Rechteck(links, oben, rechts, unten), Qt::ReplaceClip);
}

void TQtLeinwand::BeschneidenAufheben()
{
    if (Maler == nullptr)
        return;
    Maler->setClipping(false);
}
