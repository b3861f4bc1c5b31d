#include "text.h"

#include <cstdio>

std::wstring WindowsPath(const std::string& path)
{
    std::wstring out = Widen(path);
    for (wchar_t& c : out)
        if (c == L'/')
            c = L'\\';
    if (!out.empty() && out[0] == L'\\' && (out.size() < 2 || out[1] != L'\\'))
        out = L"Z:" + out;
    return out;
}

std::string Quoted(const std::string& utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '"' || c == '\\') {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}
