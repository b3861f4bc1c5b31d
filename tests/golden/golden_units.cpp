#include "tests/golden/golden_units.h"

#include <charconv>
#include <stdexcept>
#include <string_view>

namespace {

const unsigned char kFile[] = {
#include "golden_units_data.inc"
};

std::vector<std::string_view> Split(std::string_view line, char separator)
{
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t end = line.find(separator, start);
        parts.push_back(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

[[noreturn]] void Fail(std::string_view line, const char* what)
{
    throw std::runtime_error("units.tsv: " + std::string(what) + " in line: " + std::string(line));
}

template <typename T>
T Number(std::string_view field, std::string_view line)
{
    T value{};
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size())
        Fail(line, "bad number");
    return value;
}

std::vector<GoldenUnit> Parse()
{
    const std::string_view file(reinterpret_cast<const char*>(kFile), sizeof kFile);
    std::vector<GoldenUnit> units;
    for (std::string_view line : Split(file, '\n')) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string_view> f = Split(line, '\t');
        if (f.size() != 8)
            Fail(line, "not eight fields");
        GoldenUnit unit{Number<int>(f[0], line),
                        Number<int>(f[1], line),
                        Number<int>(f[2], line),
                        std::string(f[3]),
                        std::string(f[4]),
                        std::string(f[5]),
                        Number<double>(f[6], line),
                        0,
                        0};
        if (!f[7].empty()) {
            const std::vector<std::string_view> fraction = Split(f[7], '/');
            if (fraction.size() != 2)
                Fail(line, "bad angle fraction");
            unit.angleNumerator = Number<int>(fraction[0], line);
            unit.angleDenominator = Number<int>(fraction[1], line);
        }
        units.push_back(unit);
    }
    return units;
}

}  // namespace

const std::vector<GoldenUnit>& GoldenUnits()
{
    static const std::vector<GoldenUnit> units = Parse();
    return units;
}
