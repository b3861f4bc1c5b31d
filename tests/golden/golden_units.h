// The unit table as it must be, read from tests/golden/units.tsv (built in),
// for the tests that hold the program's table against it.
#pragma once

#include <string>
#include <vector>

struct GoldenUnit {
    int row, category, isBase;
    std::string czechName, englishName, abbreviation;  // UTF-8
    double factor;
    int angleNumerator, angleDenominator;  // 0 except on the eight computed angle rows
};

// Every row, in file order. A line that does not parse throws std::runtime_error,
// so a damaged file fails the test instead of checking fewer rows.
const std::vector<GoldenUnit>& GoldenUnits();
