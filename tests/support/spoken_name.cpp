#include "tests/support/spoken_name.h"

#include "tests/support/text.h"
#include "tests/support/windows_found.h"

std::wstring WithoutMnemonics(const std::wstring& text)
{
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

HWND LabelOf(HWND control)
{
    for (HWND before = GetWindow(control, GW_HWNDPREV); before; before = GetWindow(before, GW_HWNDPREV)) {
        LRESULT code = 0;
        SendWithTimeout(before, WM_GETDLGCODE, 0, 0, &code);
        if (code & DLGC_STATIC)
            return before;
        const LONG style = GetWindowLongW(before, GWL_STYLE);
        if ((style & WS_VISIBLE) && (style & (WS_TABSTOP | WS_GROUP)))
            return nullptr;
    }
    return nullptr;
}

std::wstring SpokenNameOf(HWND control)
{
    const std::wstring name = ClassOf(control);
    const bool valueAsText = _wcsicmp(name.c_str(), L"Edit") == 0 || _wcsicmp(name.c_str(), L"ComboBox") == 0;
    std::wstring own = valueAsText ? std::wstring() : WithoutMnemonics(TextOf(control));
    if (!own.empty())
        return own;
    HWND label = LabelOf(control);
    return label ? WithoutMnemonics(TextOf(label)) : std::wstring();
}
