// The unit catalogue: one table of every unit the converter knows.
// Plain C++, no platform headers: the core builds and is tested natively.
#pragma once

#include <cstdint>
#include <string_view>

struct UnitRecord {
    std::int32_t category;     // 0..13; kEndCategory on the end row
    std::int32_t isBase;       // 1 on a category's base unit (temperature has none)
    const char* czechName;     // UTF-8, never null
    const char* englishName;   // UTF-8, never null
    const char* abbreviation;  // UTF-8, "" where a unit has none, never null
    double factor;             // one unit in the category's base unit; 0 for temperature
};

// Category codes. A page's category code equals its tab position.
enum UnitCategory : std::int32_t {
    kLength,
    kVolume,
    kMass,
    kTemperature,
    kArea,
    kDensity,
    kForce,
    kPressure,
    kEnergy,
    kPower,
    kAngle,
    kTime,
    kSpeed,
    kFlow,
    kCategoryCount,
    kEndCategory = 99,
};

constexpr int kTableRows = 198;  // 197 units and the end row

extern const double g_pi;                     // 3.1415926535, the table's own pi
extern const UnitRecord g_units[kTableRows];  // rows of one category are contiguous
extern int g_unitCount;                       // 0 until the sheet counts the table

// The index of the end row: 0 if row 0 is the end row, otherwise the first row
// after row 0 whose category is the end category. `rows` bounds the walk.
int CountUnitRows(const UnitRecord* table, int rows);

// The row of a unit list entry; an index outside the table gives the end row,
// so a bad index converts as nothing rather than reading past the table.
const UnitRecord& UnitAt(int row);

// The language code (string 137) selects Czech names only when it is exactly "CZ".
bool IsCzechLanguageCode(std::string_view code);
const char* UnitName(const UnitRecord& unit, bool czech);

// Calls f(row) for every row below `count` whose category is `category`, in
// table order: the order in which a page's lists show the units.
template <typename F>
void ForEachUnitOfCategory(int category, int count, F f)
{
    for (int row = 0; row < count && row < kTableRows; ++row)
        if (g_units[row].category == category)
            f(row);
}
