#include <charconv>
#include <cstdint>
#include <cstring>

#include "convert/ascii.h"
#include "convert/convert.h"

namespace {

// Longest fixed-point text of a double before its decimals: a sign and the
// 309 integer digits of DBL_MAX; the decimal point and the decimals come on top.
constexpr size_t kMaxIntegerText = 1 + 309;

struct U128 {
    std::uint64_t hi, lo;
};

// a * b exactly, in 32-bit halves: no compiler-specific 128-bit type.
U128 Multiply(std::uint64_t a, std::uint64_t b)
{
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32, b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & 0xFFFFFFFFu)};
}

void AppendDecimal(std::string& out, std::uint64_t n, int minDigits)
{
    char digits[20];  // a 64-bit number has at most 20 decimal digits
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    out.append(static_cast<size_t>(minDigits > count ? minDigits - count : 0), '0');
    while (count > 0)
        out += digits[--count];
}

// The exact fixed-point text for the common case, where the value scaled by
// 10^precision, rounded half to even, fits 64 bits. False leaves `out` as it was.
bool AppendFixedFast(std::string& out, double value, int precision)
{
    if (precision > 19)
        return false;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0x7FF)
        return false;  // inf and nan
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= std::uint64_t{1} << 52;
    const int exponent = (biased != 0 ? biased : 1) - 1075;  // value = mantissa * 2^exponent

    std::uint64_t scale = 1;
    for (int i = 0; i < precision; ++i)
        scale *= 10;

    std::uint64_t scaled;  // round(|value| * 10^precision)
    if (mantissa == 0) {
        scaled = 0;
    } else if (exponent >= 0) {
        if (exponent > 10 || mantissa > (UINT64_MAX >> exponent) / scale)
            return false;
        scaled = (mantissa << exponent) * scale;
    } else {
        const U128 product = Multiply(mantissa, scale);
        const int shift = -exponent;
        if (shift >= 128) {
            scaled = 0;  // below a half unit of the last decimal: product < 2^119
        } else {
            // quotient and remainder of product / 2^shift
            U128 quotient, remainder;
            if (shift >= 64) {
                quotient = {0, product.hi >> (shift - 64)};
                remainder = {shift == 64 ? 0 : product.hi & ((std::uint64_t{1} << (shift - 64)) - 1), product.lo};
            } else {
                quotient = {product.hi >> shift, (product.lo >> shift) | (shift == 0 ? 0 : product.hi << (64 - shift))};
                remainder = {0, product.lo & ((std::uint64_t{1} << shift) - 1)};
            }
            if (quotient.hi != 0)
                return false;
            const U128 half =
                shift > 64 ? U128{std::uint64_t{1} << (shift - 65), 0} : U128{0, std::uint64_t{1} << (shift - 1)};
            const bool above = remainder.hi != half.hi ? remainder.hi > half.hi : remainder.lo > half.lo;
            const bool tie = remainder.hi == half.hi && remainder.lo == half.lo;
            scaled = quotient.lo;
            if (above || (tie && (scaled & 1))) {
                if (scaled == UINT64_MAX)
                    return false;
                ++scaled;
            }
        }
    }

    if (bits >> 63)
        out += '-';
    AppendDecimal(out, scaled / scale, 1);
    if (precision > 0) {
        out += '.';
        AppendDecimal(out, scaled % scale, precision);
    }
    return true;
}

}  // namespace

void AppendFixed(std::string& out, double value, int precision)
{
    if (precision < 0)
        precision = 0;
    if (AppendFixedFast(out, value, precision))
        return;
    const size_t old = out.size();
    out.resize(old + kMaxIntegerText + 1 + static_cast<size_t>(precision));
    // std::to_chars rounds the exact binary value correctly and knows no locale,
    // so every build prints the same text that glibc's printf("%.*f") prints.
    const auto done = std::to_chars(&out[old], out.data() + out.size(), value, std::chars_format::fixed, precision);
    out.resize(static_cast<size_t>(done.ptr - out.data()));
}

std::string FormatFixed(double value, int precision)
{
    std::string text;
    AppendFixed(text, value, precision);
    return text;
}

std::string MakeValueFormat(int precision)
{
    if (precision < kMinPrecision)
        precision = kMinPrecision;
    if (precision > kMaxPrecision)
        precision = kMaxPrecision;

    // The template's printf reading with one integer argument: "%%" is a
    // percent sign and "%d" the precision.
    const std::string_view pattern = VALUE_FORMAT_TEMPLATE;
    std::string format;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            if (pattern[i + 1] == '%') {
                format += '%';
                ++i;
                continue;
            }
            if (pattern[i + 1] == 'd') {
                AppendDecimal(format, static_cast<std::uint64_t>(precision), 1);
                ++i;
                continue;
            }
        }
        format += pattern[i];
    }
    return format;
}

std::string ApplyValueFormat(std::string_view format, double value, std::string_view abbreviation)
{
    std::string text;
    text.reserve(format.size() + abbreviation.size() + 24);
    bool numberDone = false, stringDone = false;
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            text += c;
            continue;
        }
        if (format[i + 1] == '%') {
            text += '%';
            ++i;
            continue;
        }
        if (format[i + 1] == 's' && !stringDone) {
            text.append(abbreviation.data(), abbreviation.size());
            stringDone = true;
            ++i;
            continue;
        }
        // "%.N" then "f" or "lf"
        size_t j = i + 1;
        if (!numberDone && j < format.size() && format[j] == '.') {
            int precision = 0;
            for (++j; j < format.size() && IsDigit(format[j]); ++j)
                if (precision < 1000)
                    precision = precision * 10 + (format[j] - '0');
            if (j < format.size() && format[j] == 'l')
                ++j;
            if (j < format.size() && format[j] == 'f') {
                AppendFixed(text, value, precision);
                numberDone = true;
                i = j;
                continue;
            }
        }
        text += c;  // anything else stands as it is
    }
    return text;
}
