#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "convert/convert.h"
#include "units/units.h"

namespace {

constexpr int kMetre = 0, kKilometre = 1, kCentimetre = 2, kMillimetre = 3, kGeographicalMile = 9;
constexpr int kCelsius = 83, kFahrenheit = 84, kKelvin = 85;

struct EntryCase {
    const char* text;
    int from, to, precision;
    const char* result;
    const char* value;
};

TEST(ConvertEntry, GivesTheResultAndTheRewrittenValue)
{
    const EntryCase cases[] = {
        {"5", kMetre, kKilometre, 5, "0.00500 km", "5.00000 m"},
        {"1.5", kKilometre, kMetre, 5, "1500.00000 m", "1.50000 km"},
        {"5", kCentimetre, kKilometre, 5, "0.00005 km", "5.00000 cm"},
        {"1.234567", kMetre, kMillimetre, 5, "1234.56700 mm", "1.23457 m"},
        {"1.23457 m", kMetre, kMillimetre, 5, "1234.57000 mm", "1.23457 m"},
        {"abc", kMetre, kKilometre, 5, "0.00000 km", "0.00000 m"},
        {"2.4", kMetre, kMetre, 0, "2 m", "2 m"},
        {"2.4", kMetre, kMetre, 10, "2.4000000000 m", "2.4000000000 m"},
        {"1", kGeographicalMile, kMetre, 5, "7420.00000 m", "1.00000 "},
        {"-2", kMetre, kCentimetre, 5, "-200.00000 cm", "-2.00000 m"},
        {"12.00000 m", kMetre, kMetre, 5, "12.00000 m", "12.00000 m"},
        {"1,5", kMetre, kMetre, 5, "1.00000 m", "1.00000 m"},
        {"1", 12, 0, 0, "149597870000 m", "1 AU"},
        {"1", 13, 3, 2, "9460500000000000000.00 mm", "1.00 ly"},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.text);
        const ConversionTexts texts = ConvertEntry(c.text, c.from, c.to, c.precision);
        EXPECT_EQ(texts.result, c.result);
        EXPECT_EQ(texts.value, c.value);
    }
}

TEST(ConvertEntry, TemperatureFollowsItsFormulas)
{
    const struct {
        const char* text;
        int from, to;
        const char* result;
        const char* value;
    } cases[] = {
        {"100", 0, 1, "212.00000 °F", "100.00000 C"}, {"-40", 0, 1, "-40.00000 °F", "-40.00000 C"},
        {"0", 1, 2, "255.37222 K", "0.00000 °F"},     {"20", 2, 2, "20.00000 K", "20.00000 K"},
        {"0", 0, 2, "273.15000 K", "0.00000 C"},      {"212", 1, 0, "100.00000 C", "212.00000 °F"},
        {"0", 2, 0, "-273.15000 C", "0.00000 K"},     {"0", 2, 1, "-459.67000 °F", "0.00000 K"},
    };
    const int rows[] = {kCelsius, kFahrenheit, kKelvin};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ConversionTexts texts = ConvertTemperatureEntry(c.text, c.from, c.to, rows[c.from], rows[c.to], 5);
        EXPECT_EQ(texts.result, c.result);
        EXPECT_EQ(texts.value, c.value);
    }
}

// Inputs chosen so that every other order of the same operations ends in
// other bits; the comment says which variants each one rules out.
TEST(ConvertTemperature, KeepsTheOrderOfOperations)
{
    const struct {
        double value;
        int from, to;
        double result;
    } cases[] = {
        // (v * 9) / 5 + 32 and v * 1.8 + 32 both give 0x1.a2f5c28f5c28fp+7
        {98.6, 0, 1, 0x1.a2f5c28f5c29p+7},
        // (v - 273.15) * 9 / 5 + 32 and (v - 273.15) * 1.8 + 32 both give -0x1.837d70a3d70a3p+8
        {40.1, 2, 1, -0x1.837d70a3d70a4p+8},
        // (v - 32) * 5 / 9 and (v - 32) * (5.0 / 9) both give 0x1.90aaaaaaaaaabp+6
        {212.3, 1, 0, 0x1.90aaaaaaaaaaap+6},
        // the same two with + 273.15 both give 0x1.7551111111111p+8
        {212.3, 1, 2, 0x1.755111111111p+8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertTemperature(c.value, c.from, c.to), c.result)
            << std::hexfloat << c.value << " from " << c.from << " to " << c.to;
    for (int from : {-1, 0, 1, 2, 3})
        EXPECT_EQ(ConvertTemperature(12.5, from, from), 12.5);
    EXPECT_EQ(ConvertTemperature(12.5, 3, 0), 12.5);
}

// The value times the source's factor, then divided by the target's.
TEST(ConvertByFactor, MultipliesFirstThenDivides)
{
    const struct {
        double value;
        int from, to;
        double result;
    } cases[] = {
        // (v / 0.0254) * 0.3048 and v * (0.3048 / 0.0254) both give 0x1.a666666666668p+3
        {1.1, 5, 4, 0x1.a666666666667p+3},  // foot to inch
        // (v / 0.3048) * 1609.344 and v * (1609.344 / 0.3048) both give 0x1.cdfffffffffffp+11
        {0.7, 7, 5, 0x1.cep+11},  // mile to foot
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConvertByFactor(c.value, c.from, c.to), c.result) << std::hexfloat << c.value;
}

TEST(ReadValue, ReadsLikeAtofWithAFixedDecimalPoint)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"  42abc", 42},
        {" ", 0},
        {".", 0},
        {"", 0},
        {"1e3", 1000},
        {"-2", -2},
        {"+7", 7},
        {"\t\n\v\f\r 3", 3},
        {"1,5", 1},
        {".5", 0.5},
        {"5.", 5},
        {"1e", 1},
        {"1e+", 1},
        {"2E-2x", 0.02},
        {"-.25", -0.25},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"- 1", 0},
        {"1.2.3", 1.2},
        {"12.00000 m", 12},
        {"0.1", 0.1},
        {"1e-400", 0},
        {"00012.5", 12.5},
        {"1e0000000000000000000003", 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadValue, BeyondTheDoubleRangeGivesInfinityOrZero)
{
    EXPECT_EQ(ReadValue("1e999"), HUGE_VAL);
    EXPECT_EQ(ReadValue("-1e999"), -HUGE_VAL);
    EXPECT_EQ(ReadValue(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(ReadValue("0.000001e-320"), 0.0);
    EXPECT_EQ(ReadValue("1e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(ReadValue("1e-99999999999999999999"), 0.0);
    EXPECT_TRUE(std::signbit(ReadValue("-1e-999")));
    EXPECT_EQ(ReadValue("4.9e-324"), 4.9e-324);  // the least subnormal still reads
}

TEST(ReadValue, IsCorrectlyRoundedForLongInput)
{
    EXPECT_EQ(ReadValue("0.1000000000000000055511151231257827021181583404541015625"), 0.1);
    EXPECT_EQ(ReadValue("9007199254740993"), 9007199254740992.0);  // tie to even
    std::string megabyte(1 << 20, '7');
    EXPECT_EQ(ReadValue(megabyte), HUGE_VAL);
    EXPECT_EQ(ReadValue("0." + megabyte), 0.7777777777777778);
}

TEST(ConvertEntry, NonFiniteValuesPrintAsPrintfDoes)
{
    EXPECT_EQ(ConvertEntry("1e999", kMetre, kKilometre, 5).result, "inf km");
    EXPECT_EQ(ConvertEntry("1e999", kMetre, kKilometre, 5).value, "inf m");
    EXPECT_EQ(ConvertEntry("-1e999", kMetre, kKilometre, 5).result, "-inf km");
    EXPECT_EQ(ConvertTemperatureEntry("1e999", 2, 0, kKelvin, kCelsius, 5).result, "inf C");
    // Product overflows in double, then divides: plain double arithmetic gives inf.
    EXPECT_EQ(ConvertEntry("1e300", 14, 15, 0).result, "inf fm");
}

TEST(MakeValueFormat, BuildsThePrintfFormatClampedToTheValidRange)
{
    EXPECT_EQ(MakeValueFormat(5), "%.5lf %s");
    EXPECT_EQ(MakeValueFormat(0), "%.0lf %s");
    EXPECT_EQ(MakeValueFormat(10), "%.10lf %s");
    EXPECT_EQ(MakeValueFormat(-1), "%.0lf %s");
    EXPECT_EQ(MakeValueFormat(42), "%.10lf %s");
    EXPECT_EQ(MakeValueFormat(INT32_MIN), "%.0lf %s");
    EXPECT_EQ(MakeValueFormat(INT32_MAX), "%.10lf %s");
    EXPECT_EQ(ConvertEntry("1", kMetre, kMetre, 42).value, "1.0000000000 m");
    EXPECT_EQ(ConvertEntry("1", kMetre, kMetre, -7).value, "1 m");
}

TEST(ApplyValueFormat, InterpretsOnlyOneNumberAndOneString)
{
    EXPECT_EQ(ApplyValueFormat("%.3lf %s", 1.5, "m"), "1.500 m");
    EXPECT_EQ(ApplyValueFormat("%.3f|%s", 1.5, "m"), "1.500|m");
    EXPECT_EQ(ApplyValueFormat("%.2lf %s %s %d %n %.1lf %x%", 2, "%s"), "2.00 %s %s %d %n %.1lf %x%");
    EXPECT_EQ(ApplyValueFormat("100%% %.0lf", 7, ""), "100% 7");
    EXPECT_EQ(ApplyValueFormat("%lf %s", 7, "m"), "%lf m");
}

// Converting the rewritten value again leaves it as it is, for any value
// with at most 15 significant digits, at every precision.
TEST(ConvertEntry, RewrittenValueIsStable)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<long long> mantissa(-999999999999999LL, 999999999999999LL);
    std::uniform_int_distribution<int> exponent(-20, 8), row(0, 23), digits(1, 15);
    for (int i = 0; i < 5000; ++i) {
        long long m = mantissa(random);
        for (int d = digits(random); d < 15; ++d)
            m /= 10;  // fewer digits now and then
        const std::string text = std::to_string(m) + "e" + std::to_string(exponent(random));
        const int from = row(random), to = row(random), precision = i % 11;
        const std::string once = ConvertEntry(text, from, to, precision).value;
        ASSERT_EQ(ConvertEntry(once, from, to, precision).value, once) << text << " at " << precision;
    }
}

}  // namespace
