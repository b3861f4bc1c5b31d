#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert/convert.h"
#include "convert/spoken_result.h"
#include "tests/core/exact.h"
#include "units/units.h"

namespace {

constexpr int kMetre = 0, kKilometre = 1, kCentimetre = 2, kMillimetre = 3, kGeographicalMile = 9;
constexpr int kCelsius = 83, kKelvin = 85;

struct EntryCase {
    const char* text;
    int from, to, precision;
    const char* result;
    const char* value;
};

// Both texts a page shows after converting the case's text.
template <typename Convert, typename Cases>
void ExpectTexts(Convert convert, const Cases& cases)
{
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " from " << c.from << " to " << c.to << " at " << c.precision);
        const ConversionTexts texts = convert(c.text, c.from, c.to, c.precision);
        EXPECT_EQ(texts.result, c.result);
        EXPECT_EQ(texts.value, c.value);
    }
}

TEST(ConvertEntry, GivesTheResultAndTheRewrittenValue)
{
    constexpr EntryCase kCases[] = {
        // the result from the value as typed, the value rewritten at the precision
        {"5", kMetre, kKilometre, 5, "0.00500 km", "5.00000 m"},
        {"1.5", kKilometre, kMetre, 5, "1500.00000 m", "1.50000 km"},
        {"5", kCentimetre, kKilometre, 5, "0.00005 km", "5.00000 cm"},
        {"1.234567", kMetre, kMillimetre, 5, "1234.56700 mm", "1.23457 m"},
        {"-2", kMetre, kCentimetre, 5, "-200.00000 cm", "-2.00000 m"},
        // only the number at the start of the text counts
        {"1.23457 m", kMetre, kMillimetre, 5, "1234.57000 mm", "1.23457 m"},
        {"12.00000 m", kMetre, kMetre, 5, "12.00000 m", "12.00000 m"},
        {"abc", kMetre, kKilometre, 5, "0.00000 km", "0.00000 m"},
        {"1,5", kMetre, kMetre, 5, "1.00000 m", "1.00000 m"},
        // other precisions; large results with every digit
        {"2.4", kMetre, kMetre, 0, "2 m", "2 m"},
        {"2.4", kMetre, kMetre, 10, "2.4000000000 m", "2.4000000000 m"},
        {"1", 12, 0, 0, "149597870000 m", "1 AU"},
        {"1", 13, 3, 2, "9460500000000000000.00 mm", "1.00 ly"},
        // a unit without an abbreviation keeps the blank
        {"1", kGeographicalMile, kMetre, 5, "7420.00000 m", "1.00000 "},
    };
    ExpectTexts(ConvertEntry, kCases);
}

TEST(ConvertEntry, TemperatureFollowsItsFormulas)
{
    // Positions 0 Celsius, 1 Fahrenheit, 2 Kelvin.
    constexpr EntryCase kCases[] = {
        {"100", 0, 1, 5, "212.00000 °F", "100.00000 C"}, {"-40", 0, 1, 5, "-40.00000 °F", "-40.00000 C"},
        {"0", 1, 2, 5, "255.37222 K", "0.00000 °F"},     {"20", 2, 2, 5, "20.00000 K", "20.00000 K"},
        {"0", 0, 2, 5, "273.15000 K", "0.00000 C"},      {"212", 1, 0, 5, "100.00000 C", "212.00000 °F"},
        {"0", 2, 0, 5, "-273.15000 C", "0.00000 K"},     {"0", 2, 1, 5, "-459.67000 °F", "0.00000 K"},
    };
    ExpectTexts(
        [](std::string_view text, int from, int to, int precision) {
            return ConvertTemperatureEntry(text, from, to, kCelsius + from, kCelsius + to, precision);
        },
        kCases);
}

// Inputs chosen so that every other order of the same operations ends in
// other bits; the comment says which variants each one rules out.
TEST(ConvertTemperature, KeepsTheOrderOfOperations)
{
    constexpr ExactCase kCases[] = {
        // (v * 9) / 5 + 32 and v * 1.8 + 32 both give 0x1.a2f5c28f5c28fp+7
        {98.6, 0, 1, 0x1.a2f5c28f5c29p+7},
        // (v - 273.15) * 9 / 5 + 32 and (v - 273.15) * 1.8 + 32 both give -0x1.837d70a3d70a3p+8
        {40.1, 2, 1, -0x1.837d70a3d70a4p+8},
        // (v - 32) * 5 / 9 and (v - 32) * (5.0 / 9) both give 0x1.90aaaaaaaaaabp+6
        {212.3, 1, 0, 0x1.90aaaaaaaaaaap+6},
        // the same two with + 273.15 both give 0x1.7551111111111p+8
        {212.3, 1, 2, 0x1.755111111111p+8},
    };
    ExpectExact(ConvertTemperature, kCases);
    for (int from : {-1, 0, 1, 2, 3})
        EXPECT_EQ(ConvertTemperature(12.5, from, from), 12.5);
    EXPECT_EQ(ConvertTemperature(12.5, 3, 0), 12.5);
}

// The value times the source's factor, then divided by the target's.
TEST(ConvertByFactor, MultipliesFirstThenDivides)
{
    constexpr ExactCase kCases[] = {
        // (v / 0.0254) * 0.3048 and v * (0.3048 / 0.0254) both give 0x1.a666666666668p+3
        {1.1, 5, 4, 0x1.a666666666667p+3},  // foot to inch
        // (v / 0.3048) * 1609.344 and v * (1609.344 / 0.3048) both give 0x1.cdfffffffffffp+11
        {0.7, 7, 5, 0x1.cep+11},  // mile to foot
    };
    ExpectExact(ConvertByFactor, kCases);
}

// Each row: the value and every text that must read as it, bit for bit.
TEST(ReadValue, ReadsLikeAtofWithAFixedDecimalPoint)
{
    const struct {
        double value;
        std::vector<std::string> texts;
    } cases[] = {
        {0, {" ", ".", "", "0x10", "inf", "nan", "- 1"}},  // no number
        {42, {"  42abc"}},
        {3, {"\t\n\v\f\r 3"}},
        {-2, {"-2"}},
        {7, {"+7"}},
        {0.5, {".5"}},
        {5, {"5."}},
        {-0.25, {"-.25"}},
        {12.5, {"00012.5"}},
        {1000, {"1e3", "1e0000000000000000000003"}},
        {1, {"1,5", "1e", "1e+"}},  // the number ends where it cannot go on
        {0.02, {"2E-2x"}},
        {1.2, {"1.2.3"}},
        {12, {"12.00000 m"}},
        {0.1, {"0.1", "0.1000000000000000055511151231257827021181583404541015625"}},
        {9007199254740992.0, {"9007199254740993"}},  // a tie, to even
        {0.7777777777777778, {"0." + std::string(1 << 20, '7')}},
        // beyond the double range: infinity, or a zero of the number's sign
        {HUGE_VAL, {"1e999", "1e99999999999999999999", std::string(400, '9'), std::string(1 << 20, '7')}},
        {-HUGE_VAL, {"-1e999"}},
        {0.0, {"1e-400", "0.000001e-320", "1e-99999999999999999999"}},
        {-0.0, {"-1e-999"}},
        {4.9e-324, {"4.9e-324"}},  // the least subnormal still reads
    };
    for (const auto& c : cases)
        for (const std::string& text : c.texts)
            EXPECT_SAME_DOUBLE(ReadValue(text), c.value)
                << " for \"" << text.substr(0, 60) << "\", " << text.size() << " characters";
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

// What a screen reader speaks: the number as shown, then the unit's name.
TEST(SpokenResult, NamesTheUnitInsteadOfItsAbbreviation)
{
    struct Case {
        const char *result, *abbreviation, *name, *spoken;
    };
    constexpr Case kCases[] = {
        {"0.00500 km", "km", "kilometr", "0.00500 kilometr"},
        {"7.00000 ", "", "loket", "7.00000 loket"},  // no abbreviation: the field shows the number alone
        {"1.00000 l", "l", "litr (1l = 1dm3)", "1.00000 litr"},
        {"2.5 mil", "mil", "mil (mili-palec", "2.5 mil"},  // an unclosed bracket
        {"-0.00000 C", "C", "Stupeň Celsia", "-0.00000 Stupeň Celsia"},
        {"inf m3", "m3", "krychlový metr", "inf krychlový metr"},
        {"3.00 m", "km", "kilometr", "3.00 m kilometr"},  // another unit's text: nothing cut
    };
    for (const Case& c : kCases)
        EXPECT_EQ(SpokenResult(c.result, c.abbreviation, c.name), c.spoken) << c.result;
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
