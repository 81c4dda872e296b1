// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

// A repeating timer on the user-interface thread: after Starten it calls tick every
// millisekunden until Anhalten. The desktop program runs a real timer; the command line and
// the tests tick it by hand.
class TZeitgeber {
public:
    virtual ~TZeitgeber() = default;
    virtual void Starten(int millisekunden, std::function<void()> tick) = 0;
    virtual void Anhalten() = 0;
};

// A timer that ticks only when told to: the command line, which has no message loop, and
// the tests drive the start-up with it.
class THandzeitgeber final : public TZeitgeber {
public:
    void Starten(int millisekunden, std::function<void()> tick) override
    {
        Intervall = millisekunden;
        Tick = std::move(tick);
    }
    void Anhalten() override { Tick = nullptr; }
    bool Laeuft() const { return static_cast<bool>(Tick); }
    // One tick of a running timer; nothing when it is stopped. The tick may stop the timer.
    void Ticken()
    {
        if (Tick) {
            const auto tick = Tick; // stopping the timer inside the tick clears Tick
            tick();
        }
    }

    int Intervall = 0;

private:
    std::function<void()> Tick;
};
