// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Zufall.h"

#include <gtest/gtest.h>

#include <array>

TEST(Zufall, RandomOfZeroOrLessIsZero)
{
    TMersenneZufall zufall(1);
    EXPECT_EQ(zufall.Random(0), 0);
    EXPECT_EQ(zufall.Random(-5), 0);
    EXPECT_EQ(zufall.Random(1), 0);
}

TEST(Zufall, RandomStaysInRangeAndHitsEveryValueEvenly)
{
    TMersenneZufall zufall(42);
    std::array<int, 7> haeufigkeit{};
    constexpr int Ziehungen = 70000;
    for (int i = 0; i < Ziehungen; ++i) {
        const int r = zufall.Random(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        ++haeufigkeit[static_cast<std::size_t>(r)];
    }
    for (const int h : haeufigkeit) {
        EXPECT_GT(h, 9400); // expected 10000; the standard deviation is about 93
        EXPECT_LT(h, 10600);
    }
}

TEST(Zufall, LargeRangesAreNotBiasedTowardsSmallValues)
{
    // With a plain modulo, 0..(2^32 mod n) would come up noticeably more often for this n.
    TMersenneZufall zufall(7);
    constexpr int n = 1'500'000'000;
    int untere = 0;
    constexpr int Ziehungen = 200000;
    for (int i = 0; i < Ziehungen; ++i) {
        if (zufall.Random(n) < n / 2)
            ++untere;
    }
    EXPECT_NEAR(untere, Ziehungen / 2, 1500);
}

TEST(Zufall, AFixedSeedRepeatsItsSequenceAndReseedingKeepsItGoing)
{
    TMersenneZufall a(5);
    TMersenneZufall b(5);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(a.Random(1000), b.Random(1000));
    const int vorher = a.Random(1'000'000);
    b.Neuseeden();
    EXPECT_EQ(b.Random(1'000'000), vorher);
}
