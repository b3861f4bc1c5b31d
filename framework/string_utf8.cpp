#include "framework/string_utf8.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "framework/module.h"

std::wstring Utf8ToWide(std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string WideToUtf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

BOOL CString::LoadString(UINT id)
{
    // With a zero buffer size LoadStringW hands out a pointer into the
    // resource itself, so a string of any length is read whole.
    const wchar_t* resource = nullptr;
    const int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource) {
        m_text.clear();
        return FALSE;
    }
    m_text = WideToUtf8(std::wstring_view(resource, static_cast<size_t>(length)));
    return TRUE;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
}
