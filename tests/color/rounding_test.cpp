#include "color/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pelmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(Rounding, TiesGoToTheEvenNeighbourOrUp)
{
    struct Row {
        double in;
        int evenNearest;
        int floor;
        int halfUp;
    };
    const Row rows[] = {
        {137.5, 138, 137, 138},
        {136.5, 136, 136, 137},
        {0.5, 0, 0, 1},
        {1.5, 2, 1, 2},
        {-0.5, 0, -1, 0},
        {-1.5, -2, -2, -1},
        {-2.5, -2, -3, -2},
        {127.49999, 127, 127, 127},
        {-0.1, 0, -1, 0},
        {0.49999999999999994, 0, 0, 0},
        {76.5, 76, 76, 77},
        {2.0, 2, 2, 2},
        {1e300, kIntMax, kIntMax, kIntMax},
        {-1e300, kIntMin, kIntMin, kIntMin},
        {kInf, kIntMax, kIntMax, kIntMax},
        {-kInf, kIntMin, kIntMin, kIntMin},
        {std::nan(""), 0, 0, 0},
        {2147483647.5, kIntMax, kIntMax, kIntMax},
        {-2147483648.5, kIntMin, kIntMin, kIntMin},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EvenNearest(row.in), row.evenNearest) << "EvenNearest(" << row.in << ")";
        EXPECT_EQ(FloorToInt(row.in), row.floor) << "FloorToInt(" << row.in << ")";
        EXPECT_EQ(HalfUpNearest(row.in), row.halfUp) << "HalfUpNearest(" << row.in << ")";
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
