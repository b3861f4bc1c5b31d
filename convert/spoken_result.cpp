#include "convert/spoken_result.h"

namespace {

std::string_view TrimmedRight(std::string_view text)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string SpokenResult(std::string_view result, std::string_view abbreviation, std::string_view unitName)
{
    std::string_view number = TrimmedRight(result);
    if (!abbreviation.empty() && number.size() > abbreviation.size() &&
        number.substr(number.size() - abbreviation.size()) == abbreviation)
        number = TrimmedRight(number.substr(0, number.size() - abbreviation.size()));
    const std::string_view name = TrimmedRight(unitName.substr(0, unitName.find(" (")));
    std::string spoken(number);
    if (!name.empty())
        spoken.append(" ").append(name);
    return spoken;
}
