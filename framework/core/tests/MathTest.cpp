#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "Math.h"
#include "SysUtils.h"

TEST(Math, RoundTakesHalvesToEven)
{
    const std::pair<double, Int64> cases[] = {
        {0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},    {-0.5, 0},         {-1.5, -2},
        {-2.5, -2}, {-3.5, -4}, {2.4999999, 2}, {2.5000001, 3}, {-2.6, -3}, {0.49999999999999994, 0},
        {1e15 + 0.5, 1000000000000000}, {4503599627370497.0, 4503599627370497},
        {-9223372036854775808.0, std::numeric_limits<Int64>::min()},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(Round(value), rounded) << value;
    for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 9223372036854775808.0, -1e19})
        EXPECT_THROW(Round(bad), EInvalidOp) << bad;
}

TEST(Math, TruncCeilFloorAndFrac)
{
    EXPECT_EQ(Trunc(-1.7), -1);
    EXPECT_EQ(Trunc(1.7), 1);
    EXPECT_EQ(Ceil(-1.5), -1);
    EXPECT_EQ(Floor(-1.5), -2);
    EXPECT_EQ(Ceil(2.0), 2);
    EXPECT_DOUBLE_EQ(Frac(-1.25), -0.25);
    EXPECT_THROW(Ceil(3e9), EInvalidOp);
    EXPECT_THROW(Trunc(std::nan("")), EInvalidOp);
}

TEST(Math, MulDivRoundsHalvesAwayFromZeroAndAnswersMinusOne)
{
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {10, 3, 4, 8},    {-10, 3, 4, -8},  {10, -3, 4, -8},   {10, 3, -4, -8},
        {-10, -3, -4, -8}, {5, 1, 3, 2},    {7, 1, 2, 4},      {-7, 1, 2, -4},
        {96, 144, 96, 144}, {0, 5, 3, 0},   {1, 1, 0, -1},     {INT_MAX, 2, 1, -1},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
#ifndef _WIN32
        // The portable version keeps results within +-INT_MAX; Windows answers these its own way.
        {INT_MIN, 1, 1, -1}, {INT_MIN, INT_MIN, INT_MIN, -1},
#endif
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Math, RangesAndComparisons)
{
    EXPECT_EQ(EnsureRange(15, 0, 10), 10);
    EXPECT_EQ(EnsureRange(-1, 0, 10), 0);
    EXPECT_TRUE(InRange(10, 0, 10));
    EXPECT_FALSE(InRange(11, 0, 10));
    EXPECT_EQ(Min(2.5, -1.0), -1.0);
    EXPECT_EQ(Max<Int64>(2, 7), 7);
    EXPECT_TRUE(SameValue(0.1 + 0.2, 0.3));
    EXPECT_FALSE(SameValue(1.0, 1.001));
    EXPECT_TRUE(SameValue(1.0, 1.001, 0.01));
    EXPECT_TRUE(SameValue(1e20, 1e20 + 1e7));
    EXPECT_TRUE(IsZero(1e-13));
    EXPECT_FALSE(IsZero(1e-11));
    EXPECT_TRUE(IsZero(0.05, 0.1));
}
