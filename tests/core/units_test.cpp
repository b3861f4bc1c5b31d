#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert/convert.h"
#include "tests/core/exact.h"
#include "units/units.h"

namespace {

std::vector<int> RowsOf(int category, int count = kTableRows - 1)
{
    std::vector<int> rows;
    ForEachUnitOfCategory(category, count, [&](int row) { rows.push_back(row); });
    return rows;
}

struct CategoryCase {
    int category, firstRow, count;
    const char* firstName;
    const char* lastName;
};

constexpr CategoryCase kCategories[] = {
    {kLength, 0, 24, "metr", "loket"},
    {kVolume, 24, 35, "krychlový metr", "cord"},
    {kMass, 59, 24, "kilogram", "drachm"},
    {kTemperature, 83, 3, "Stupeň Celsia", "Kelvin"},
    {kArea, 86, 13, "čtverečný metr", "čtverečný inch"},
    {kDensity, 99, 9, "gram na metr krychlový", "slug na krychlovou stopu"},
    {kForce, 108, 13, "newton", "sten"},
    {kPressure, 121, 13, "pascal", "konvenční inch vodního sl."},
    {kEnergy, 134, 10, "joule", "rydberg"},
    {kPower, 144, 11, "watt", "pound-force za sekundu"},
    {kAngle, 155, 10, "radián", "pravý úhel"},
    {kTime, 165, 16, "sekunda", "milénium"},
    {kSpeed, 181, 11, "metry za sekundu", "rychlost světla"},
    {kFlow, 192, 5, "metr krychlový za sekundu", "litr za sekundu"},
};

TEST(UnitTable, EveryCategoryHasItsContiguousRowsBaseFirst)
{
    int pairs = 0;
    for (const CategoryCase& c : kCategories) {
        SCOPED_TRACE(c.category);
        std::vector<int> expected;
        for (int i = 0; i < c.count; ++i)
            expected.push_back(c.firstRow + i);
        EXPECT_EQ(RowsOf(c.category), expected);
        EXPECT_STREQ(g_units[c.firstRow].czechName, c.firstName);
        EXPECT_STREQ(g_units[c.firstRow + c.count - 1].czechName, c.lastName);
        const bool hasBase = c.category != kTemperature;
        EXPECT_EQ(g_units[c.firstRow].isBase, hasBase ? 1 : 0);
        if (hasBase) {
            EXPECT_EQ(g_units[c.firstRow].factor, 1.0);
        }
        for (int row = c.firstRow + 1; row < c.firstRow + c.count; ++row)
            EXPECT_EQ(g_units[row].isBase, 0);
        pairs += c.count * (c.count - 1);
    }
    EXPECT_EQ(pairs, 3500);
}

TEST(UnitTable, EndRowClosesTheTableAndIsCounted)
{
    EXPECT_EQ(CountUnitRows(g_units, kTableRows), 197);
    const UnitRecord& end = g_units[197];
    EXPECT_EQ(end.category, kEndCategory);
    EXPECT_STREQ(end.czechName, "");
    EXPECT_STREQ(end.englishName, "");
    EXPECT_STREQ(end.abbreviation, "");
    EXPECT_EQ(end.factor, 0.0);
    for (int row = 0; row < 197; ++row) {
        EXPECT_NE(g_units[row].category, kEndCategory) << row;
        ASSERT_NE(g_units[row].czechName, nullptr);
        ASSERT_NE(g_units[row].englishName, nullptr);
        ASSERT_NE(g_units[row].abbreviation, nullptr) << row;
    }
    EXPECT_STREQ(g_units[9].abbreviation, "");
}

TEST(UnitTable, CountWalksFromRowOneToTheFirstEndRow)
{
    const UnitRecord unit{kLength, 1, "a", "a", "", 1.0};
    const UnitRecord end{kEndCategory, 0, "", "", "", 0.0};
    const UnitRecord endFirst[] = {end, unit, end};
    const UnitRecord endThird[] = {unit, unit, end, unit, end};
    const UnitRecord noEnd[] = {unit, unit};
    EXPECT_EQ(CountUnitRows(endFirst, 3), 0);
    EXPECT_EQ(CountUnitRows(endThird, 5), 2);
    EXPECT_EQ(CountUnitRows(noEnd, 2), 2);
}

TEST(UnitTable, ListingNeedsTheCountAndAKnownCategory)
{
    EXPECT_TRUE(RowsOf(kLength, 0).empty());
    for (int category : {14, -1, 99})
        EXPECT_TRUE(RowsOf(category).empty()) << category;
    EXPECT_EQ(RowsOf(kTemperature), (std::vector<int>{83, 84, 85}));
    EXPECT_EQ(RowsOf(kLength, 3), (std::vector<int>{0, 1, 2}));
}

TEST(UnitTable, LanguageCodeSelectsCzechOnlyWhenExactlyCZ)
{
    EXPECT_TRUE(IsCzechLanguageCode("CZ"));
    for (const char* other : {"cz", "", "CZ ", "C", "EN"})
        EXPECT_FALSE(IsCzechLanguageCode(other)) << other;
    const char* english[] = {"cubic meter per second", "cubic meter per minute", "cubic meter per hour",
                             "cubic meter per day", "liter per second"};
    std::vector<std::string> names;
    for (int row : RowsOf(kFlow))
        names.push_back(UnitName(g_units[row], false));
    EXPECT_EQ(names, std::vector<std::string>(std::begin(english), std::end(english)));
    EXPECT_STREQ(UnitName(g_units[192], true), "metr krychlový za sekundu");
}

TEST(UnitTable, TextsThatAreEasyToGetWrong)
{
    EXPECT_STREQ(g_units[16].czechName, "angstöm");
    EXPECT_STREQ(g_units[16].englishName, "angstöm");
    EXPECT_STREQ(g_units[84].abbreviation, "°F");
    EXPECT_STREQ(g_units[83].abbreviation, "C");
    EXPECT_STREQ(g_units[86].abbreviation, "m4");
    EXPECT_STREQ(g_units[92].abbreviation, "mile4");
    EXPECT_STREQ(g_units[158].abbreviation, "\"");
    EXPECT_STREQ(g_units[160].abbreviation, "`");
    EXPECT_STREQ(g_units[157].czechName, g_units[166].czechName);
    EXPECT_STREQ(g_units[37].abbreviation, "liq·pt");
    EXPECT_STREQ(g_units[43].abbreviation, "bu.");
    EXPECT_STREQ(g_units[48].abbreviation, "bu.");
    EXPECT_STREQ(g_units[45].abbreviation, "dry qt");  // not the bushel's
    EXPECT_STREQ(g_units[70].abbreviation, g_units[72].abbreviation);
    EXPECT_STREQ(g_units[190].czechName, "mach (úroveň moře, při 0°C)");
}

TEST(UnitTable, AngleFactorsAreTheTablePiTimesTheNearestFraction)
{
    EXPECT_SAME_DOUBLE(g_pi, 3.1415926535);
    const struct {
        int row;
        double factor;
    } angles[] = {
        {156, 0.017453292519444445}, {157, 0.0002908882086574074}, {158, 4.84813681095679e-06}, {159, 0.0157079632675},
        {160, 0.000157079632675},    {161, 0.0010471975511666667}, {162, 0.00098174770421875},  {164, 1.57079632675},
    };
    for (const auto& a : angles)
        EXPECT_SAME_DOUBLE(g_units[a.row].factor, a.factor) << " on row " << a.row;
    EXPECT_NE(Bits(g_units[157].factor), Bits(g_pi / 10800));  // a product, not a quotient
    EXPECT_SAME_DOUBLE(g_units[155].factor, 1.0);
    EXPECT_SAME_DOUBLE(g_units[163].factor, 0.001);
    EXPECT_SAME_DOUBLE(g_units[193].factor, 0.016666666666666666);
    EXPECT_SAME_DOUBLE(g_units[194].factor, 0.0002777777777777778);
    EXPECT_SAME_DOUBLE(g_units[195].factor, 1.1574074074074073e-05);
}

TEST(UnitTable, ConversionsByFactorAreBitExact)
{
    constexpr ExactCase kCases[] = {
        {1, 7, 0, 1609.344},              // mile to metre
        {1, 5, 4, 12.000000000000002},    // foot to inch
        {1, 50, 25, 4.5460899999999995},  // UK gallon to litre
        {1, 65, 59, 0.45359237},          // pound to kilogram
        {1, 59, 65, 2.2046226218487757},  // kilogram to pound
        {180, 156, 155, 3.1415926535},    // degrees to radians
        {90, 156, 164, 1.0},              // degrees to right angles
        {3600, 158, 156, 1.0},            // seconds of arc to degrees
        {60, 157, 156, 0.9999999999999998},
        {1, 193, 192, 0.016666666666666666},
        {1, 196, 194, 3.6},
        {1, 192, 195, 86400.0},
        {1, 150, 144, 1e-07},
    };
    ExpectExact(ConvertByFactor, kCases);
    EXPECT_EQ(g_units[148].factor, g_units[136].factor);
    EXPECT_EQ(g_units[146].factor, g_units[135].factor);
}

// Rows whose printed factor contradicted the unit's own definition: they are
// checked against that definition in terms of the table's other rows.
TEST(UnitTable, MendedFactorsAgreeWithTheirDefinitions)
{
    EXPECT_DOUBLE_EQ(ConvertByFactor(1, 45, 46), 2.0);    // dry quart = 2 dry pints
    EXPECT_DOUBLE_EQ(ConvertByFactor(32, 45, 43), 1.0);   // 32 dry quarts = 1 bushel
    EXPECT_DOUBLE_EQ(ConvertByFactor(1, 47, 50), 52.5);   // hogshead = 52.5 UK gallons
    EXPECT_DOUBLE_EQ(ConvertByFactor(1, 58, 27), 128.0);  // cord = 128 cubic feet
    EXPECT_DOUBLE_EQ(g_units[81].factor, g_units[65].factor * 9.80665 / g_units[5].factor);  // slug
    EXPECT_DOUBLE_EQ(g_units[17].factor, 1.002e-13);                                         // X unit
    EXPECT_DOUBLE_EQ(g_units[90].factor, 1e-28);                                             // barn
    const double gramsPerKilogram = 1000;
    EXPECT_DOUBLE_EQ(g_units[104].factor, g_units[66].factor * gramsPerKilogram / g_units[35].factor);
    EXPECT_DOUBLE_EQ(g_units[106].factor, g_units[65].factor * gramsPerKilogram / g_units[28].factor);
    EXPECT_DOUBLE_EQ(g_units[107].factor, g_units[81].factor * gramsPerKilogram / g_units[27].factor);
    EXPECT_NEAR(g_units[105].factor, g_units[65].factor * gramsPerKilogram / g_units[27].factor, 1e-9);  // kept
    EXPECT_DOUBLE_EQ(ConvertByFactor(1, 139, 138), 100000.0);                     // therm = 100 000 Btu
    EXPECT_NEAR(ConvertByFactor(1, 149, 144) * 3600, g_units[138].factor, 1e-3);  // Btu per hour
    EXPECT_NEAR(ConvertByFactor(1, 143, 142), 13.6054, 1e-9);                     // rydberg in electronvolts
}

TEST(UnitTable, BadRowIndexesReadTheEndRow)
{
    for (int row : {-1, 198, 1 << 30}) {
        EXPECT_EQ(UnitAt(row).category, kEndCategory);
        EXPECT_STREQ(UnitAt(row).abbreviation, "");
    }
    EXPECT_EQ(&UnitAt(196), &g_units[196]);
}

}  // namespace
