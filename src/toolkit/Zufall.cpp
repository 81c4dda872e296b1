// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Zufall.h"

#include <chrono>

namespace {

std::uint32_t Uhrzeitstartwert()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count()
        ^ std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

} // namespace

TMersenneZufall::TMersenneZufall() : Engine(Uhrzeitstartwert()), FesterStartwert(false)
{}

TMersenneZufall::TMersenneZufall(std::uint32_t seed) : Engine(seed), FesterStartwert(true)
{}

int TMersenneZufall::Random(int n)
{
    if (n <= 1)
        return 0;
    // Lemire's multiply-and-reject: exactly uniform, and the same numbers on every platform
    // (std::uniform_int_distribution is not specified bit for bit).
    const auto bound = static_cast<std::uint32_t>(n);
    std::uint64_t product = std::uint64_t{Engine()} * bound;
    auto low = static_cast<std::uint32_t>(product);
    if (low < bound) {
        const std::uint32_t threshold = (0u - bound) % bound;
        while (low < threshold) {
            product = std::uint64_t{Engine()} * bound;
            low = static_cast<std::uint32_t>(product);
        }
    }
    return static_cast<int>(product >> 32);
}

void TMersenneZufall::Neuseeden()
{
    if (!FesterStartwert)
        Engine.seed(Uhrzeitstartwert());
}
