// What a screen reader is given to speak for a result.
#pragma once

#include <string>
#include <string_view>

// The result as the field shows it, with the unit's name in place of its
// abbreviation: a speech synthesiser reads a name well where an abbreviation
// is missing, a symbol or ambiguous ("A", "X", "n.m."). A name's explanation
// in brackets ("litr (1l = 1dm3)") is left out; it is there for the eye.
// "0.00500 km", "km", "kilometr" -> "0.00500 kilometr".
std::string SpokenResult(std::string_view result, std::string_view abbreviation, std::string_view unitName);
