// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/binding/Malflaeche.h"

#include "qt/binding/Fehlerbehandlung.h"
#include "qt/platform/QtLeinwand.h"
#include "toolkit/Steuerelemente.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

TMalflaeche::TMalflaeche(TPaintBox& box, TFehlerbehandlung& fehler, QWidget* parent)
    : QWidget(parent), Box(box), Fehler(fehler)
{
    // The page covers every pixel it is given; nothing of the window shines through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void TMalflaeche::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    // Logical pixels are the model's screen pixels; on a screen with more device pixels per
    // logical one the painter draws text and lines at the finer resolution.
    TQtLeinwand leinwand(*this);
    // The sheet sets screen fonts in points of a 96-dpi screen, as the page's own zoom
    // already holds the screen's resolution; a screen of another logical resolution would
    // otherwise scale the text a second time.
    leinwand.SetzePunktmassstab(96.0 / logicalDpiY());
    leinwand.MalerAnhaengen(maler);
    Fehler.Ausfuehren([&] { Box.Paint(leinwand); });
    leinwand.Abhaengen();
    maler.end();
    if (Gemalt)
        Gemalt();
}

namespace {

QPoint Pixel(const QPointF& punkt)
{
    return {static_cast<int>(std::floor(punkt.x())), static_cast<int>(std::floor(punkt.y()))};
}

} // namespace

void TMalflaeche::mousePressEvent(QMouseEvent* ereignis)
{
    if (Maustaste)
        Fehler.Ausfuehren([&] { Maustaste(ereignis->button(), Pixel(ereignis->position())); });
}

void TMalflaeche::mouseMoveEvent(QMouseEvent* ereignis)
{
    if (Mausbewegung)
        Fehler.Ausfuehren([&] { Mausbewegung(Pixel(ereignis->position())); });
}

void TMalflaeche::wheelEvent(QWheelEvent* ereignis)
{
    const int distanz = ereignis->angleDelta().y();
    if (Mausrad && distanz != 0)
        Fehler.Ausfuehren([&] { Mausrad(distanz); });
    ereignis->accept();
}
