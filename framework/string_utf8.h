// CString: UTF-8 text inside the program; UTF-16 only where a W function
// of Win32 takes or gives text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}

    static CString FromWide(std::wstring_view text) { return CString(WideToUtf8(text)); }
    std::wstring Wide() const { return Utf8ToWide(m_text); }

    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // The string resource `id` of the program's module; FALSE and empty when
    // there is none.
    BOOL LoadString(UINT id);
    // printf-style; the C locale's "." is the decimal point.
    void Format(const char* format, ...);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    std::string m_text;
};
