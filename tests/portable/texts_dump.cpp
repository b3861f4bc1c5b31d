// Prints the texts of every conversion pair at three precisions and the
// formatting of many awkward doubles. Built natively and for Windows; the
// test command runs both and compares: the texts must be identical.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "convert/convert.h"
#include "units/units.h"

int main()
{
    const char* values[] = {"1", "-2.5", "1.234567", "1e-7", "98765.4321", "1e300", "0.125"};
    std::string out;
    const int count = CountUnitRows(g_units, kTableRows);
    for (int category = 0; category < kCategoryCount; ++category) {
        ForEachUnitOfCategory(category, count, [&](int from) {
            ForEachUnitOfCategory(category, count, [&](int to) {
                for (const char* v : values) {
                    for (int precision : {0, 5, 10}) {
                        const ConversionTexts t =
                            category == kTemperature
                                ? ConvertTemperatureEntry(v, from - 83, to - 83, from, to, precision)
                                : ConvertEntry(v, from, to, precision);
                        out += t.result + '|' + t.value + '\n';
                    }
                }
            });
        });
    }
    // A fixed pseudo-random walk over bit patterns, the same on every platform.
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (int i = 0; i < 100000; ++i) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        double d;
        std::uint64_t bits = (i % 2) ? state : (state >> 12) | (static_cast<std::uint64_t>(0x3F0 + i % 0x90) << 52);
        std::memcpy(&d, &bits, sizeof d);
        out += FormatFixed(d, i % 11) + '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}
