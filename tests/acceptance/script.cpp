#include "script.h"

#include <windows.h>

#include <cstdlib>

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
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = "cannot open " + Narrow(path) + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    std::string data;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(file, buf, sizeof buf, &got, nullptr) && got > 0)
        data.append(buf, got);
    CloseHandle(file);

    size_t start = 0;
    int line = 0;
    while (start < data.size()) {
        size_t end = data.find('\n', start);
        if (end == std::string::npos)
            end = data.size();
        std::string text = data.substr(start, end - start);
        start = end + 1;
        ++line;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        if (text.empty() || text[0] == '#')
            continue;
        Step step;
        step.line = line;
        size_t from = 0;
        for (;;) {
            size_t tab = text.find('\t', from);
            step.fields.push_back(text.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos)
                break;
            from = tab + 1;
        }
        steps.push_back(std::move(step));
    }
    if (steps.empty()) {
        error = Narrow(path) + " holds no steps";
        return false;
    }
    return true;
}
