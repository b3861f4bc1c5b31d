#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "convert/convert.h"

namespace {

// glibc's printf rounds the exact binary value, so it is the reference here.
std::string Printf(double value, int precision)
{
    std::vector<char> buffer(400 + precision);
    std::snprintf(buffer.data(), buffer.size(), "%.*f", precision, value);
    return buffer.data();
}

double FromBits(std::uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

TEST(FormatFixed, KnownTexts)
{
    const struct {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {0.5, 0, "0"},
        {1.5, 0, "2"},
        {2.5, 0, "2"},
        {-0.5, 0, "-0"},
        {0.125, 2, "0.12"},
        {0.375, 2, "0.38"},
        {1.0, 5, "1.00000"},
        {-1.0, 5, "-1.00000"},
        {-0.0, 5, "-0.00000"},
        {-0.000001, 5, "-0.00000"},
        {0.000005, 5, "0.00001"},
        {2.675, 2, "2.67"},
        {1e21, 0, "1000000000000000000000"},
        {123456.789, 10, "123456.7890000000"},
        {5e-324, 10, "0.0000000000"},
        {HUGE_VAL, 5, "inf"},
        {-HUGE_VAL, 0, "-inf"},
        {std::nan(""), 5, "nan"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision), c.text) << c.value;
}

TEST(FormatFixed, PrintsEveryIntegerDigitOfTheLargestValues)
{
    const std::string max = FormatFixed(DBL_MAX, 10);
    EXPECT_EQ(max.size(), 309u + 1 + 10);
    EXPECT_EQ(max, Printf(DBL_MAX, 10));
    EXPECT_EQ(FormatFixed(-1e308, 10), Printf(-1e308, 10));
    EXPECT_EQ(ConvertEntry("1e308", 0, 0, 10).result, Printf(1e308, 10) + " m");
}

TEST(FormatFixed, MatchesGlibcOverRandomDoubles)
{
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> precision(0, 10), magnitude(-12, 22);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 200000; ++i) {
        double value;
        switch (i % 4) {
            case 0:
                value = FromBits(random());
                break;  // anything, NaN included
            case 1:
                value = unit(random) * std::pow(10.0, magnitude(random));
                break;
            case 2:
                value = std::round(unit(random) * 1e6) / 1e3 + 0.0005;
                break;  // near ties
            default:
                value = std::ldexp(std::round(unit(random) * 4096), -12 + i % 9);
                break;  // exact halves
        }
        const int p = precision(random);
        ASSERT_EQ(FormatFixed(value, p), Printf(value, p)) << std::hexfloat << value << " at " << p;
    }
}

}  // namespace
