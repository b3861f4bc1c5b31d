#include "tests/gui/dpi/display_scale.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <optional>

#include <gtest/gtest.h>

#include "framework/gdi.h"
#include "pages/page_roster.h"
#include "tests/gui/modal_probe.h"
#include "tests/support/platform.h"
#include "tests/support/program_windows.h"
#include "tests/support/settings_store.h"
#include "tests/support/spoken_name.h"
#include "tests/support/user_registry.h"

namespace {

// A device context of `control` with the control's own font selected (the
// system font when it has none, as the control then draws in it).
class ControlFontDc : public CClientDC {
public:
    explicit ControlFontDc(HWND control) : CClientDC(control), m_font(*this, DrawnFont(control)) {}

private:
    static HGDIOBJ DrawnFont(HWND control)
    {
        HGDIOBJ font = FontOf(control);
        return font ? font : GetStockObject(SYSTEM_FONT);
    }
    ScopedSelect m_font;
};

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

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
    // The system's scale as a DPI-aware program reads it: under Wine the
    // prefix's LogPixels, on Windows the primary monitor's scale at sign-in,
    // wherever that setting is kept.
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

std::optional<DWORD> LogPixels()
{
    // The user's own key: the test's HKEY_CURRENT_USER is private to it.
    return ReadUserDword(kDesktopKey, kLogPixels, RealUserKey().get());
}

void SetLogPixels(std::optional<DWORD> dpi)
{
    if (!RunningUnderWine())  // on Windows it would change the user's own display scale
        FAIL() << "the display scale is written only in a Wine prefix, never on Windows";
    const RealUserKey user;  // which the process started next reads
    if (dpi)
        RegSetKeyValueW(user.get(), kDesktopKey, kLogPixels, REG_DWORD, &*dpi, sizeof(DWORD));
    else
        RegDeleteKeyValueW(user.get(), kDesktopKey, kLogPixels);
}

std::vector<TextFit> TextsIn(HWND window, const std::wstring& windowName)
{
    std::vector<TextFit> fits;
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        bool prefixes = true;
        const Kind kind = KindOf(control, &prefixes);
        const std::wstring text = TextOf(control);
        // A hidden control is never drawn: the pages' hidden labels are
        // there for screen readers only and need no room for their texts.
        if (kind == Kind::kNone || text.empty() || !IsWindowVisible(control))
            continue;
        const ControlFontDc fontDc(control);
        HDC dc = fontDc.m_hDC;
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SIZE needed{0, 0};
        size_t start = 0;
        while (start <= text.size()) {  // one explicit line at a time
            size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos)
                end = text.size();
            const std::wstring raw = text.substr(start, end - start);
            const std::wstring line = prefixes ? WithoutMnemonics(raw) : raw;
            SIZE extent{};
            GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
            needed.cx = extent.cx > needed.cx ? extent.cx : needed.cx;
            needed.cy += metrics.tmHeight;
            start = end + 1;
        }
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

namespace {

// `text` looked up in `control`'s font; line breaks and other control
// characters are not drawn, so they need no glyph.
Lettering LookUp(HWND control, const std::wstring& where, const std::wstring& text)
{
    std::wstring drawn;
    std::copy_if(text.begin(), text.end(), std::back_inserter(drawn), [](wchar_t c) { return c >= L' '; });
    const ControlFontDc fontDc(control);
    Lettering lettering{where + L": \"" + text + L"\"", {}, 0, false};
    std::vector<WORD> glyphs(drawn.size());
    GetGlyphIndicesW(fontDc.m_hDC, drawn.c_str(), static_cast<int>(drawn.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    lettering.missing = static_cast<int>(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}));
    TEXTMETRICW metrics{};
    GetTextMetricsW(fontDc.m_hDC, &metrics);
    lettering.trueType = (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(fontDc.m_hDC, LF_FACESIZE, face);
    lettering.face = face;
    return lettering;
}

// The texts a control shows besides its window text.
std::vector<std::wstring> ItemsOf(HWND control)
{
    std::vector<std::wstring> items;
    const std::wstring name = ClassOf(control);
    if (_wcsicmp(name.c_str(), L"ComboBox") == 0) {
        const int count = static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            items.push_back(ItemTextOf(control, i));
    } else if (_wcsicmp(name.c_str(), WC_TABCONTROLW) == 0) {
        items = TabTitlesOf(control);
    }
    return items;
}

bool ShowsItsWindowText(HWND control)
{
    const std::wstring name = ClassOf(control);
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    if (_wcsicmp(name.c_str(), L"Static") == 0)
        return type != SS_ICON && type != SS_BITMAP;
    return _wcsicmp(name.c_str(), UPDOWN_CLASSW) != 0;
}

}  // namespace

std::vector<Lettering> LetteringIn(HWND window, const std::wstring& windowName)
{
    std::vector<Lettering> found;
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        // A page's caption is its tab's title; a hidden control shows nothing.
        if (ClassOf(control) == kDialogClass || !IsWindowVisible(control))
            continue;
        const std::wstring where = windowName + L", control " + std::to_wstring(GetDlgCtrlID(control));
        const std::wstring text = TextOf(control);
        if (!text.empty() && ShowsItsWindowText(control))
            found.push_back(LookUp(control, where, text));
        for (const std::wstring& item : ItemsOf(control))
            found.push_back(LookUp(control, where, item));
    }
    return found;
}

void VisitEveryWindow(const Sheet& sheet, const std::function<void(HWND, const std::wstring&)>& visit)
{
    for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
        HWND window = sheet.ShowPage(page);
        ASSERT_NE(window, nullptr);
        visit(window, L"page " + std::to_wstring(page));
    }
    visit(sheet.window, L"sheet");
    VisitSystemMenuDialogs(sheet, [&](HWND dialog, const SystemMenuDialog& d) { visit(dialog, d.caption); });
}

void VisitSystemMenuDialogs(const Sheet& sheet, const std::function<void(HWND, const SystemMenuDialog&)>& visit)
{
    for (const SystemMenuDialog& d : kSystemMenuDialogs) {
        HWND dialog = OpenBySystemCommand(sheet.window, d.command, d.caption);
        ASSERT_NE(dialog, nullptr) << d.name;
        visit(dialog, d);
        EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
    }
}
