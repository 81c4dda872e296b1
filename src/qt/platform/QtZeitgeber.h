// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Zeitgeber.h"

#include <QTimer>

// A repeating timer on Qt's event loop.
class TQtZeitgeber final : public TZeitgeber {
public:
    TQtZeitgeber();
    void Starten(int millisekunden, std::function<void()> tick) override;
    void Anhalten() override;

private:
    QTimer Timer;
    std::function<void()> Tick;
};
