#include "convert/convert.h"

#include "units/units.h"

double ConvertByFactor(double value, int fromRow, int toRow)
{
    // The order of the two steps decides the last bits of the result.
    const double inBase = value * UnitAt(fromRow).factor;
    return inBase / UnitAt(toRow).factor;
}

double ConvertTemperature(double value, int fromPosition, int toPosition)
{
    // Exactly these operations in exactly this order, each rounded to double:
    // times 9 then times 0.2 (not 1.8), times 5 then times the stored ninth.
    constexpr double kFifth = 0.2, kNinth = 0.1111111111111111, kZeroCelsius = 273.15;
    if (fromPosition == 0 && toPosition == 1)
        return ((value * 9) * kFifth) + 32;
    if (fromPosition == 0 && toPosition == 2)
        return value + kZeroCelsius;
    if (fromPosition == 1 && toPosition == 0)
        return ((value - 32) * 5) * kNinth;
    if (fromPosition == 1 && toPosition == 2)
        return (((value - 32) * 5) * kNinth) + kZeroCelsius;
    if (fromPosition == 2 && toPosition == 1)
        return (((value - kZeroCelsius) * 9) * kFifth) + 32;
    if (fromPosition == 2 && toPosition == 0)
        return value - kZeroCelsius;
    return value;
}

namespace {

ConversionTexts MakeTexts(const std::string& format, double value, double result, int fromRow, int toRow)
{
    return {ApplyValueFormat(format, result, UnitAt(toRow).abbreviation),
            ApplyValueFormat(format, value, UnitAt(fromRow).abbreviation)};
}

}  // namespace

ConversionTexts ConvertEntry(std::string_view valueText, int fromRow, int toRow, int precision)
{
    const std::string format = MakeValueFormat(precision);
    const double value = ReadValue(valueText);
    return MakeTexts(format, value, ConvertByFactor(value, fromRow, toRow), fromRow, toRow);
}

ConversionTexts ConvertTemperatureEntry(std::string_view valueText, int fromPosition, int toPosition, int fromRow,
                                        int toRow, int precision)
{
    const std::string format = MakeValueFormat(precision);
    const double value = ReadValue(valueText);
    return MakeTexts(format, value, ConvertTemperature(value, fromPosition, toPosition), fromRow, toRow);
}
