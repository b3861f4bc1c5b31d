// The names a screen reader speaks for every control a user reaches, on
// every page and in both dialogs of the system menu, derived from the real
// windows' children; for the edit fields, which Wine's accessibility layer
// names from their labels as Windows' does, also its own answer.
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/com_apartment.h"
#include "pages/page_roster.h"
#include "res/resource.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"
#include "tests/support/spoken_name.h"

namespace {

struct Spoken {
    int id;
    const wchar_t* name;
};

// A window's tab stops and up-downs, in z-order (for tab stops the tab
// order), each with the name it must be spoken by.
constexpr Spoken kPage[] = {
    {IDC_VALUE, L"Vstupní hodnota"},
    {IDC_FROM_UNIT, L"Jednotka vstupní hodnoty"},
    {IDC_RESULT, L"Vypočtená hodnota"},
    {IDC_TO_UNIT, L"Jednotka vypočtené hodnoty"},
};
constexpr Spoken kPrecision[] = {
    {IDC_PRECISION, L"Na kolik desetinných míst uvádět výsledky výpočtů:"},
    {IDC_PRECISION_SPIN, L"Přesnost"},
    {IDOK, L"OK"},
    {IDCANCEL, L"Storno"},
};
constexpr Spoken kAbout[] = {{IDOK, L"OK"}, {IDC_MAIL_LINK, kMailAddress}, {IDC_WEB_LINK, kWebAddress}};

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
struct BstrFree {
    void operator()(BSTR text) const { SysFreeString(text); }
};

// IAccessible::get_accName of the control's client object.
std::wstring AccessibleNameOf(HWND control)
{
    IAccessible* raw = nullptr;
    if (FAILED(
            AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&raw))) ||
        !raw)
        return L"(no accessible object)";
    const std::unique_ptr<IAccessible, ComRelease> accessible(raw);
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    accessible->get_accName(self, &name);
    const std::unique_ptr<OLECHAR, BstrFree> owned(name);
    return name ? std::wstring(name, SysStringLen(name)) : std::wstring();
}

bool IsReached(HWND control)
{
    return (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) || ClassOf(control) == UPDOWN_CLASSW;
}

template <size_t N>
void ExpectSpokenNames(HWND window, const Spoken (&table)[N])
{
    std::vector<int> reached;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsReached(child))
            reached.push_back(GetDlgCtrlID(child));
    std::vector<int> listed;
    std::set<std::wstring> names;
    for (const Spoken& row : table) {
        listed.push_back(row.id);
        HWND control = GetDlgItem(window, row.id);
        const std::wstring name = SpokenNameOf(control);
        EXPECT_FALSE(name.empty()) << "control " << row.id;
        EXPECT_EQ(Narrow(name), Narrow(row.name)) << "control " << row.id;
        names.insert(name);
        // Wine's layer takes the nearest window of class "Static" before an
        // edit, passing group boxes and tab stops alike.
        if (ClassOf(control) == L"Edit") {
            EXPECT_EQ(Narrow(AccessibleNameOf(control)), Narrow(row.name)) << "control " << row.id << ", get_accName";
        }
    }
    EXPECT_EQ(reached, listed);
    EXPECT_EQ(names.size(), N) << "two controls share a name";
}

}  // namespace

TEST(Accessibility, EveryControlAUserReachesIsSpokenByItsOwnName)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const ComApartment com;
        for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
            SCOPED_TRACE(testing::Message() << "page " << page);
            HWND window = sheet.ShowPage(page);
            ASSERT_NE(window, nullptr);
            ExpectSpokenNames(window, kPage);
        }
        for (const SystemMenuDialog& d : kSystemMenuDialogs) {
            SCOPED_TRACE(d.name);
            HWND dialog = OpenBySystemCommand(sheet.window, d.command, d.caption);
            ASSERT_NE(dialog, nullptr);
            if (d.command == IDM_PRECISION)
                ExpectSpokenNames(dialog, kPrecision);
            else
                ExpectSpokenNames(dialog, kAbout);
            EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
        }
    }));
}
