#include "color/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(Rounding, EvenNearestTiesGoToTheEvenNeighbour)
{
    struct Row {
        double in;
        int evenNearest;
        int floor;
    };
    const Row rows[] = {
        {137.5, 138, 137},
        {136.5, 136, 136},
        {0.5, 0, 0},
        {1.5, 2, 1},
        {-0.5, 0, -1},
        {-1.5, -2, -2},
        {-2.5, -2, -3},
        {127.49999, 127, 127},
        {-0.1, 0, -1},
        {2.0, 2, 2},
        {1e300, kIntMax, kIntMax},
        {-1e300, kIntMin, kIntMin},
        {kInf, kIntMax, kIntMax},
        {-kInf, kIntMin, kIntMin},
        {std::nan(""), 0, 0},
        {2147483647.5, kIntMax, kIntMax},
        {-2147483648.5, kIntMin, kIntMin},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EvenNearest(row.in), row.evenNearest) << "EvenNearest(" << row.in << ")";
        EXPECT_EQ(FloorToInt(row.in), row.floor) << "FloorToInt(" << row.in << ")";
    }
}

TEST(Rounding, EvenNearest16Saturates)
{
    EXPECT_EQ(EvenNearest16(32766.5), 32766);
    EXPECT_EQ(EvenNearest16(32767.5), 32767);
    EXPECT_EQ(EvenNearest16(1e9), 32767);
    EXPECT_EQ(EvenNearest16(-32768.5), -32768);
    EXPECT_EQ(EvenNearest16(-kInf), -32768);
    EXPECT_EQ(EvenNearest16(std::nan("")), 0);
    EXPECT_EQ(EvenNearest16(-12.5), -12);
}

} // namespace
} // namespace pelmora
