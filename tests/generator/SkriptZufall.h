// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/Zufall.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <vector>

// A random source that returns a given sequence and records the n of every call, so a test
// can check the exact order of draws and steer an algorithm down one path.
class TSkriptZufall final : public TZufall {
public:
    TSkriptZufall() = default;
    explicit TSkriptZufall(std::initializer_list<int> werte) : Werte(werte) {}

    void Setzen(std::initializer_list<int> werte)
    {
        Werte = werte;
        Position = 0;
        Aufrufe.clear();
    }

    // Further calls past the script return 0 (the smallest value) when Rest0 is set, else
    // they fail the test.
    bool Rest0 = false;

    int Random(int n) override
    {
        Aufrufe.push_back(n);
        if (Position >= Werte.size()) {
            if (!Rest0)
                ADD_FAILURE() << "random script exhausted at call " << Aufrufe.size() << " (n = " << n << ")";
            return 0;
        }
        const int wert = Werte[Position++];
        if (n > 0 && (wert < 0 || wert >= n))
            ADD_FAILURE() << "scripted value " << wert << " outside 0.." << n - 1;
        return n <= 0 ? 0 : wert;
    }

    void Neuseeden() override { ++Neuseedungen; }

    std::vector<int> Werte;
    std::size_t Position = 0;
    std::vector<int> Aufrufe; // n of every call, in order
    int Neuseedungen = 0;
};
