// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/AgeMatrix.h"

#include "platform/GridModel.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace dravik {
namespace {

std::string ages(const GridModel& g)
{
    std::string out;
    for (int r = 1; r < g.rows(); ++r)
        out += g.cell(r, 0) + g.cell(r, 1) + " ";
    return out;
}

// Each default row marks the first two event groups only.
TEST(BeginSkoon, DefaultRowsForEachAgeRange)
{
    GridModel matrix;
    showDefaultAgeRows(matrix, agerange::Juniors);
    EXPECT_EQ(ages(matrix), "S6 S7 S8 S9 S10 S11 S12 S13 D6 D7 D8 D9 D10 D11 D12 D13 ");
    showDefaultAgeRows(matrix, agerange::Seniors);
    EXPECT_EQ(ages(matrix), "S14 S15 S16 S17 S19 D14 D15 D16 D17 D19 ");
    EXPECT_EQ(matrix.rowText(10), "D\t19\tx\tx" + std::string(14, '\t'));
    EXPECT_THROW(showDefaultAgeRows(matrix, 4), std::invalid_argument);
    EXPECT_EQ(matrix.rows(), 11);
}

} // namespace
} // namespace dravik
