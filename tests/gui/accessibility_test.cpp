// The names a screen reader speaks for every control a user reaches, on
// every page and in both dialogs of the system menu, derived from the real
// windows' children; for the edit fields, which Wine's accessibility layer
// names from their labels as Windows' does, also its own answer. And what a
// screen reader is told to speak while the user converts.
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
#include "tests/support/wait.h"

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

// The live-region announcements that reach this thread while it pumps, in
// order, each with its object's name as the event's receiver reads it.
struct Announcement {
    HWND window;
    std::wstring name;
    double atMs;
};
std::vector<Announcement>* g_heard = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    IAccessible* raw = nullptr;
    VARIANT self{};
    std::wstring name = L"(no accessible object)";
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &raw, &self)) && raw) {
        const std::unique_ptr<IAccessible, ComRelease> accessible(raw);
        BSTR text = nullptr;
        accessible->get_accName(self, &text);
        const std::unique_ptr<OLECHAR, BstrFree> owned(text);
        name = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    }
    g_heard->push_back({window, name, NowMs()});
}

class Announcements {
public:
    explicit Announcements(HWND notifier)
        : m_hook(SetWinEventHook(kEventLiveRegionChanged, kEventLiveRegionChanged, nullptr, &Hear,
                                 GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT))
    {
        g_heard = &heard;
        // Wine tells a thread of a hook made elsewhere once it has taken a
        // message from its queue.
        PostMessageW(notifier, WM_NULL, 0, 0);
        SendMessageW(notifier, WM_NULL, 0, 0);
    }
    ~Announcements()
    {
        UnhookWinEvent(m_hook);
        g_heard = nullptr;
    }
    Announcements(const Announcements&) = delete;
    Announcements& operator=(const Announcements&) = delete;

    // Pumps this thread's messages, where the events arrive, until `count`
    // have come or the time is up.
    bool Await(size_t count, DWORD timeoutMs)
    {
        return WaitFor(
            [&] {
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageW(&msg);
                return heard.size() >= count;
            },
            timeoutMs, 10);
    }

    std::vector<Announcement> heard;

private:
    static constexpr DWORD kEventLiveRegionChanged = 0x8019;
    HWINEVENTHOOK m_hook;
};

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

TEST(Accessibility, ANewResultIsSpokenOnceWhenTheUserPauses)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const ComApartment com;
        const Conversion length = MetreToKilometre(sheet);
        Announcements announcements(length.page);
        const std::vector<Announcement>& heard = announcements.heard;

        // Four keystrokes with a hesitation among them, four results on
        // screen, one announcement half a second after the last.
        Type(length.value, L"12");
        Sleep(300);
        Type(length.value, L".5");
        const double typedMs = NowMs();
        ASSERT_EQ(TextOf(length.result), L"0.01250 km");
        EXPECT_TRUE(heard.empty()) << "spoken while typing";
        ASSERT_TRUE(announcements.Await(1, 5000));
        EXPECT_EQ(Narrow(heard[0].name), "0.01250 kilometr");
        EXPECT_GE(heard[0].atMs - typedMs, 400) << "spoken before the pause";
        // Heard from a window that is shown, draws nothing, takes no tab
        // stop and comes after every control, so it labels none.
        HWND region = heard[0].window;
        RECT area{};
        GetClientRect(region, &area);
        EXPECT_EQ(GetParent(region), length.page);
        EXPECT_TRUE(IsWindowVisible(region));
        EXPECT_TRUE(IsRectEmpty(&area));
        EXPECT_FALSE(GetWindowLongW(region, GWL_STYLE) & WS_TABSTOP);
        EXPECT_EQ(GetWindow(region, GW_HWNDNEXT), nullptr);

        // The same result again, and pages merely shown: nothing to say.
        ConvertAgain(length);
        sheet.ShowPage(kVolume);
        sheet.ShowPage(kLength);
        announcements.Await(2, 1500);
        EXPECT_EQ(heard.size(), 1u);
        // A new unit: its result, named.
        const GoldenUnit* centimetre = GoldenUnitOf(kLength, "cm");
        ASSERT_NE(centimetre, nullptr);
        Select(length.page, IDC_TO_UNIT, PositionOfRow(Item(length.page, IDC_TO_UNIT), centimetre->row));
        ASSERT_TRUE(announcements.Await(heard.size() + 1, 5000));
        EXPECT_EQ(Narrow(heard.back().name), "1250.00000 centimetr");
        EXPECT_EQ(heard.size(), 2u);
    }));
}
