// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/SvgBild.h"

#include "toolkit/Fehler.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

int DpiAusPxProCm(double pxProCm)
{
    // QSvgGenerator takes whole dots per inch; a scale that is not positive or not a number
    // would give a picture without a size, so it falls back to the screen's 96.
    const double dpi = pxProCm * 2.54;
    if (!(dpi >= 1.0) || dpi > 100000.0)
        return 96;
    return static_cast<int>(std::lround(dpi));
}

std::string AlsString(const QByteArray& daten)
{
    return std::string(daten.constData(), static_cast<std::size_t>(daten.size()));
}

QByteArray AlsBytes(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The picture's pixels, on white as on the printed page.
QImage AlsPng(QSvgRenderer& zeichner, QSize groesse)
{
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    zeichner.render(&maler, QRectF(QPointF(0, 0), QSizeF(groesse)));
    return bild;
}

// A one-page PDF exactly the picture's size, with the picture's resolution, so the page's
// pixels are the picture's pixels.
QByteArray AlsPdf(QSvgRenderer& zeichner, QSize groesse, int dpi)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly))
        throw EZifferbogenFehler("Das Bild kann nicht als PDF in die Zwischenablage gelegt werden.");
    {
        QPdfWriter schreiber(&puffer);
        schreiber.setTitle(QStringLiteral("Zifferbogen"));
        schreiber.setCreator(QStringLiteral("Zifferbogen"));
        schreiber.setResolution(dpi);
        const QSizeF mm(groesse.width() * 25.4 / dpi, groesse.height() * 25.4 / dpi);
        schreiber.setPageLayout(
            QPageLayout(QPageSize(mm, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter maler;
        if (!maler.begin(&schreiber))
            throw EZifferbogenFehler("Das Bild kann nicht als PDF in die Zwischenablage gelegt werden.");
        zeichner.render(&maler, QRectF(0, 0, schreiber.width(), schreiber.height()));
        maler.end();
    }
    return daten;
}

} // namespace

TSvgBild::TSvgBild(int breite, int hoehe, double pxProCm)
    : BreitePx(std::max(1, breite)), HoehePx(std::max(1, hoehe)), Flaeche(Generator)
{
    Generator.setOutputDevice(&Puffer);
    Generator.setSize(QSize(BreitePx, HoehePx));
    Generator.setViewBox(QRect(0, 0, BreitePx, HoehePx));
    Generator.setResolution(DpiAusPxProCm(pxProCm));
    Generator.setTitle(QStringLiteral("Zifferbogen"));
    // The picture is open for drawing from its creation to Abschliessen.
    if (!Maler.begin(&Generator))
        throw EZifferbogenFehler("Das Bild für die Zwischenablage kann nicht angelegt werden.");
    Flaeche.MalerAnhaengen(Maler);
}

TSvgBild::~TSvgBild()
{
    Flaeche.Abhaengen();
    if (Maler.isActive())
        Maler.end();
}

void TSvgBild::Abschliessen()
{
    if (!Maler.isActive())
        return;
    Flaeche.Abhaengen();
    Maler.end();
    SvgBytes = AlsString(Puffer.data());
}

std::unique_ptr<TBild> TQtZwischenablage::NeuesBild(int breite, int hoehe, double pxProCm)
{
    return std::make_unique<TSvgBild>(breite, hoehe, pxProCm);
}

void TQtZwischenablage::BildAblegen(std::unique_ptr<TBild> bild)
{
    if (bild == nullptr)
        return;
    auto* eigenes = dynamic_cast<TSvgBild*>(bild.get());
    if (eigenes != nullptr)
        eigenes->Abschliessen();
    const QByteArray svg = AlsBytes(bild->Svg());
    QSvgRenderer zeichner(svg);
    if (!zeichner.isValid())
        throw EZifferbogenFehler("Das Bild für die Zwischenablage ist kein gültiges SVG.");
    // A picture of this clipboard knows its pixels and resolution; any other is taken at the
    // size its SVG states.
    QSize groesse = zeichner.defaultSize();
    int dpi = 96;
    if (eigenes != nullptr) {
        groesse = QSize(eigenes->Breite(), eigenes->Hoehe());
        dpi = eigenes->Dpi();
    }
    groesse = groesse.expandedTo(QSize(1, 1));

    auto daten = std::make_unique<QMimeData>();
    daten->setData(QStringLiteral("image/svg+xml"), svg);
    daten->setImageData(AlsPng(zeichner, groesse));
    daten->setData(QStringLiteral("application/pdf"), AlsPdf(zeichner, groesse, dpi));
    // The clipboard takes ownership of the data.
    QGuiApplication::clipboard()->setMimeData(daten.release());
}

std::unique_ptr<TBild> TSvgDateiablage::NeuesBild(int breite, int hoehe, double pxProCm)
{
    return std::make_unique<TSvgBild>(breite, hoehe, pxProCm);
}

void TSvgDateiablage::BildAblegen(std::unique_ptr<TBild> bild)
{
    if (bild == nullptr)
        return;
    if (auto* eigenes = dynamic_cast<TSvgBild*>(bild.get()))
        eigenes->Abschliessen();
    Bild = std::move(bild);
}

const std::string& TSvgDateiablage::Svg() const
{
    static const std::string leer;
    return Bild != nullptr ? Bild->Svg() : leer;
}
