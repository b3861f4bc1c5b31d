// libFuzzer target: arbitrary text, precision and unit choices through the
// value reading and both entry conversions. Besides the sanitizers' findings
// it checks the shape of every text that the conversion produces.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "convert/convert.h"
#include "units/units.h"

namespace {

template <typename T>
T Take(const std::uint8_t*& data, size_t& size)
{
    T value{};
    const size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// "<number> <abbreviation>" with exactly the clamped precision's decimals.
void CheckText(const std::string& text, int precision, int row)
{
    const std::string_view abbreviation = UnitAt(row).abbreviation;
    Check(text.size() > abbreviation.size());
    Check(text.compare(text.size() - abbreviation.size(), abbreviation.size(), abbreviation) == 0);
    std::string_view number(text.data(), text.size() - abbreviation.size() - 1);
    Check(text[number.size()] == ' ');
    if (!number.empty() && number[0] == '-')
        number.remove_prefix(1);
    if (number == "inf" || number == "nan")
        return;
    const int decimals = precision < kMinPrecision   ? kMinPrecision
                         : precision > kMaxPrecision ? kMaxPrecision
                                                     : precision;
    const size_t point = number.find('.');
    Check(decimals == 0 ? point == std::string_view::npos : number.size() - point - 1 == static_cast<size_t>(decimals));
    for (size_t i = 0; i < number.size(); ++i)
        Check(i == point || (number[i] >= '0' && number[i] <= '9'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const int precision = Take<std::int32_t>(data, size) % 16 - 3;
    const int fromRow = Take<std::int16_t>(data, size) % 220;
    const int toRow = Take<std::int16_t>(data, size) % 220;
    const int fromPosition = Take<std::int8_t>(data, size) % 4;
    const int toPosition = Take<std::int8_t>(data, size) % 4;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ConversionTexts byFactor = ConvertEntry(text, fromRow, toRow, precision);
    CheckText(byFactor.result, precision, toRow);
    CheckText(byFactor.value, precision, fromRow);

    const ConversionTexts byFormula =
        ConvertTemperatureEntry(text, fromPosition, toPosition, fromRow, toRow, precision);
    CheckText(byFormula.result, precision, toRow);
    Check(byFormula.value == byFactor.value);  // the value is read and written the same way

    // The formatter against glibc's printf, which rounds the exact binary value
    // (std::to_chars would be the formatter's own slow path checked against itself).
    const double value = ReadValue(text);
    for (int p : {0, 5, 10, 17}) {
        char expected[400];  // a sign, 309 integer digits, the point and 17 decimals
        std::snprintf(expected, sizeof expected, "%.*f", p, value);
        Check(FormatFixed(value, p) == expected);
    }
    return 0;
}
