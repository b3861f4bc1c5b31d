// The program's unit table against the table as it must be (tests/golden/units.tsv):
// every row, texts byte for byte, factors bit for bit.
#include <string>

#include <gtest/gtest.h>

#include "tests/core/exact.h"
#include "tests/golden/golden_units.h"
#include "units/units.h"

namespace {

TEST(GoldenTable, EveryRowIsTheGoldenRow)
{
    const std::vector<GoldenUnit>& golden = GoldenUnits();
    ASSERT_EQ(golden.size(), static_cast<size_t>(kTableRows));
    int angleRows = 0;
    for (int i = 0; i < kTableRows; ++i) {
        const GoldenUnit& g = golden[static_cast<size_t>(i)];
        const UnitRecord& unit = g_units[i];
        SCOPED_TRACE("row " + std::to_string(i) + " " + g.czechName);
        ASSERT_EQ(g.row, i);
        EXPECT_EQ(unit.category, g.category);
        if (unit.category != kEndCategory) {
            EXPECT_EQ(unit.isBase, g.isBase);  // of no consequence on the end row
        }
        EXPECT_EQ(std::string(unit.czechName), g.czechName);
        EXPECT_EQ(std::string(unit.englishName), g.englishName);
        EXPECT_EQ(std::string(unit.abbreviation), g.abbreviation);
        EXPECT_SAME_DOUBLE(unit.factor, g.factor);
        if (g.angleDenominator != 0) {
            // The table's pi times the double nearest the fraction: one rounding.
            const double nearest = static_cast<double>(g.angleNumerator) / g.angleDenominator;
            EXPECT_SAME_DOUBLE(unit.factor, g_pi * nearest);
            ++angleRows;
        }
    }
    EXPECT_EQ(angleRows, 8);
}

}  // namespace
