// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/platform/QtZeitgeber.h"

TQtZeitgeber::TQtZeitgeber()
{
    QObject::connect(&Timer, &QTimer::timeout, &Timer, [this] {
        if (Tick) {
            const auto tick = Tick; // the tick may stop the timer, which clears Tick
            tick();
        }
    });
}

void TQtZeitgeber::Starten(int millisekunden, std::function<void()> tick)
{
    Tick = std::move(tick);
    Timer.start(millisekunden);
}

void TQtZeitgeber::Anhalten()
{
    Timer.stop();
    Tick = nullptr;
}
