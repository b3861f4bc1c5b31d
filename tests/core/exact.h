// Doubles compared bit for bit: a wrong factor or another order of the same
// operations often moves only the last bit, which a tolerance would hide.
#pragma once

#include <cstdint>
#include <cstring>
#include <ios>

#include <gtest/gtest.h>

inline std::uint64_t Bits(double d)
{
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

#define EXPECT_SAME_DOUBLE(actual, expected) \
    EXPECT_EQ(Bits(actual), Bits(expected)) << std::hexfloat << (actual) << " vs " << (expected)

// `value` converted from `from` to `to` (rows, or temperature positions).
struct ExactCase {
    double value;
    int from, to;
    double result;
};

template <typename Convert, typename Cases>
void ExpectExact(Convert convert, const Cases& cases)
{
    for (const ExactCase& c : cases)
        EXPECT_SAME_DOUBLE(convert(c.value, c.from, c.to), c.result)
            << " for " << c.value << " from " << c.from << " to " << c.to;
}
