// Conversion of one entry and the two texts a page shows afterwards.
// Pure: reads the unit table, touches no window, no setting, no locale.
#pragma once

#include <string>
#include <string_view>

#include "convert/value_format.h"

constexpr int kMinPrecision = 0;
constexpr int kMaxPrecision = 10;

// "%.5lf %s" for 5. A precision outside 0..10 (only a hand-edited registry
// can hold one) is clamped to the nearest bound.
std::string MakeValueFormat(int precision);

// atof's reading, but always with "." as the decimal point: white space,
// optional sign, digits, optional fraction, optional exponent; stops at the
// first other character; no number reads as 0; beyond the double range +-inf.
double ReadValue(std::string_view text);

// printf("%.*f") to the letter: fixed point, exactly `precision` decimals,
// correctly rounded (ties to even on the exact binary value), every integer
// digit; "inf", "-inf", "nan", "-nan" for non-finite values.
std::string FormatFixed(double value, int precision);
void AppendFixed(std::string& out, double value, int precision);

// Applies a value format: the first "%.Nf"/"%.Nlf" takes the number, the first
// "%s" the abbreviation, "%%" is a percent sign; nothing else is interpreted.
std::string ApplyValueFormat(std::string_view format, double value, std::string_view abbreviation);

double ConvertByFactor(double value, int fromRow, int toRow);
// Positions 0 Celsius, 1 Fahrenheit, 2 Kelvin.
double ConvertTemperature(double value, int fromPosition, int toPosition);

struct ConversionTexts {
    std::string result;  // for the read-only result field
    std::string value;   // the value as read, rewritten with the from unit
};

ConversionTexts ConvertEntry(std::string_view valueText, int fromRow, int toRow, int precision);
ConversionTexts ConvertTemperatureEntry(std::string_view valueText, int fromPosition, int toPosition, int fromRow,
                                        int toRow, int precision);
