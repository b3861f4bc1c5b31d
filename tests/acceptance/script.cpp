#include "script.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "text.h"

const std::string& Step::Field(size_t i) const
{
    static const std::string none;
    return i < fields.size() ? fields[i] : none;
}

int Step::Number(size_t i) const
{
    const std::string& f = Field(i);
    char* end = nullptr;
    long n = std::strtol(f.c_str(), &end, 10);
    if (f.empty() || *end != '\0')
        return -9999;
    return static_cast<int>(n);
}

bool ReadScript(const std::wstring& path, std::vector<Step>& steps, std::string& error)
{
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) {
        error = "cannot open " + Narrow(path);
        return false;
    }
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.empty() || text[0] == '#')
            continue;
        Step step;
        step.line = line;
        for (size_t from = 0, tab = 0; tab != std::string::npos; from = tab + 1) {
            tab = text.find('\t', from);
            step.fields.push_back(text.substr(from, tab - from));  // to the end after the last tab
        }
        steps.push_back(std::move(step));
    }
    if (steps.empty()) {
        error = Narrow(path) + " holds no steps";
        return false;
    }
    return true;
}
