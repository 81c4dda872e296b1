// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// The one source of random numbers of the program: the task generator draws from it, and
// so does the page when it shuffles its solutions. It is injected wherever it is needed, so
// a test or the command line's --seed can make every draw repeatable.
class TZufall {
public:
    virtual ~TZufall() = default;

    // Returns an integer uniformly distributed on 0..n-1; 0 when n <= 0.
    virtual int Random(int n) = 0;

    // Called where the program would take a fresh seed from the clock (creating the
    // generator, building a pool). A source with a fixed seed keeps its sequence going,
    // so that a repeated build still gives other tasks but the same run gives the same.
    virtual void Neuseeden() = 0;
};

// Mersenne twister, seeded from the clock or from a fixed seed.
class TMersenneZufall final : public TZufall {
public:
    // Seeds from the clock; Neuseeden() takes a new clock seed every time.
    TMersenneZufall();
    // Fixed seed; Neuseeden() continues the sequence.
    explicit TMersenneZufall(std::uint32_t seed);

    int Random(int n) override;
    void Neuseeden() override;

private:
    std::mt19937 Engine;
    bool FesterStartwert;
};
