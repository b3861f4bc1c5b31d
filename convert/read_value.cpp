#include <charconv>
#include <limits>

#include "convert/ascii.h"
#include "convert/convert.h"

namespace {

// The decimal exponent of the first significant digit of a mantissa such as
// "00123.45" or ".00067"; only its sign is used, to tell overflow from underflow.
long long LeadingDecimalExponent(std::string_view mantissa, long long exponent)
{
    const size_t point = mantissa.find('.');
    const std::string_view integer = mantissa.substr(0, point);
    const size_t firstSignificant = integer.find_first_not_of('0');
    if (firstSignificant != std::string_view::npos)
        return exponent + static_cast<long long>(integer.size() - firstSignificant) - 1;
    if (point == std::string_view::npos)
        return exponent;
    const std::string_view fraction = mantissa.substr(point + 1);
    const size_t firstNonZero = fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(firstNonZero == std::string_view::npos ? 0 : firstNonZero) - 1;
}

}  // namespace

double ReadValue(std::string_view text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsSpace(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    const size_t start = i;
    size_t digits = 0;
    while (i < n && IsDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    const size_t mantissaEnd = i;

    // An exponent counts only when at least one digit follows its letter.
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            expNegative = text[j++] == '-';
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j])) {
                if (exponent < 100000000)
                    exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative)
                exponent = -exponent;
            i = j;
        }
    }

    double value = 0.0;
    const char* first = text.data() + start;
    const auto parsed = std::from_chars(first, text.data() + i, value, std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range) {
        const long long lead = LeadingDecimalExponent(text.substr(start, mantissaEnd - start), exponent);
        value = lead > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}
