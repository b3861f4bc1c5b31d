#include "tests/gui/dpi/display_scale.h"

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return name;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// What is drawn of a text with prefix processing: "&x" shows "x", "&&" shows "&".
std::wstring Shown(const std::wstring& text)
{
    std::wstring shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

enum class Kind { kNone, kStatic, kPushButton, kGroupBox };

Kind KindOf(HWND control, bool* prefixes)
{
    const std::wstring name = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    *prefixes = true;
    if (_wcsicmp(name.c_str(), L"Static") == 0) {
        const LONG type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE)
            return Kind::kNone;
        *prefixes = !(style & SS_NOPREFIX);
        return Kind::kStatic;
    }
    if (_wcsicmp(name.c_str(), L"Button") == 0) {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_GROUPBOX)
            return Kind::kGroupBox;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)
            return Kind::kPushButton;
    }
    return Kind::kNone;
}

}  // namespace

UINT ConfiguredDpi()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
        return 96;
    return value;
}

std::vector<TextFit> TextsIn(HWND window, const std::wstring& windowName)
{
    std::vector<TextFit> fits;
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        bool prefixes = true;
        const Kind kind = KindOf(control, &prefixes);
        const std::wstring text = WindowText(control);
        if (kind == Kind::kNone || text.empty() || !IsWindowVisible(control))
            continue;
        HDC dc = GetDC(control);
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SIZE needed{0, 0};
        size_t start = 0;
        while (start <= text.size()) {  // one explicit line at a time
            size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos)
                end = text.size();
            const std::wstring raw = text.substr(start, end - start);
            const std::wstring line = prefixes ? Shown(raw) : raw;
            SIZE extent{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            needed.cx = extent.cx > needed.cx ? extent.cx : needed.cx;
            needed.cy += metrics.tmHeight;
            start = end + 1;
        }
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        // Room the control leaves around its text: a push button its raised
        // edge, a group box the frame's corner before and after its title.
        const UINT dpi = ConfiguredDpi();
        if (kind == Kind::kPushButton) {
            needed.cx += MulDiv(6, static_cast<int>(dpi), 96);
            needed.cy += MulDiv(4, static_cast<int>(dpi), 96);
        } else if (kind == Kind::kGroupBox) {
            needed.cx += 2 * metrics.tmAveCharWidth;
        }
        RECT client;
        GetClientRect(control, &client);
        fits.push_back({windowName + L": \"" + text + L"\"", needed, {client.right, client.bottom}});
    }
    return fits;
}
