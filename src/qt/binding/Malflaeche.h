// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class TFehlerbehandlung;
class TPaintBox;

// The paint box on screen: a paint of the widget becomes a paint of the model's paint box on
// a canvas over the widget, so the window model draws the page with the same calls it uses
// for the printer. Mouse buttons, movement and the wheel are handed on in the widget's
// logical pixels, which are the model's screen pixels.
class TMalflaeche final : public QWidget {
public:
    TMalflaeche(TPaintBox& box, TFehlerbehandlung& fehler, QWidget* parent = nullptr);

    std::function<void(Qt::MouseButton, QPoint)> Maustaste;
    std::function<void(QPoint)> Mausbewegung;
    // The wheel's vertical turn (120 a notch).
    std::function<void(int)> Mausrad;
    // Called after each completed paint (for timing the way from a click to the page).
    std::function<void()> Gemalt;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;

private:
    TPaintBox& Box;
    TFehlerbehandlung& Fehler;
};
