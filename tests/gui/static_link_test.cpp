// The hyperlink label on real static controls of a real dialog, driven with
// real messages on this thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "about/static_link.h"
#include "res/resource.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/window_capture.h"
#include "tests/support/text.h"
#include "tests/support/wait.h"

namespace {

// A modeless dialog bound to a CWnd, so that its static's colour queries are
// reflected to the label as in the program's dialogs, with one static, id 1.
// Hidden unless a test needs real mouse input: without a window manager,
// Wine waits two seconds for every visible top-level window that goes.
class LinkHost {
public:
    explicit LinkHost(const wchar_t* text, DWORD style = SS_LEFT, int width = 240)
    {
        struct {
            DLGTEMPLATE header;
            WORD menu, windowClass, title;
        } blank{{WS_POPUP | WS_CAPTION, 0, 0, 0, 0, 200, 80}, 0, 0, 0};
        dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &blank.header, nullptr, nullptr, 0);
        m_parent.SubclassWindow(dialog);
        label = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, 10, 10, width, 16, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(1)), GetModuleHandleW(nullptr), nullptr);
    }
    ~LinkHost() { DestroyWindow(dialog); }
    LinkHost(const LinkHost&) = delete;
    LinkHost& operator=(const LinkHost&) = delete;

    bool Bind(CStaticLink& link) { return link.SubclassDlgItem(1, &m_parent); }

    HWND dialog = nullptr;
    HWND label = nullptr;

private:
    CWnd m_parent;
};

// Reaches the class-wide cursor state and reports its own destruction.
class LinkProbe : public CStaticLink {
public:
    explicit LinkProbe(const char* target = nullptr, BOOL autoDelete = FALSE, bool* destroyed = nullptr)
        : CStaticLink(target, autoDelete), m_destroyed(destroyed)
    {}
    ~LinkProbe() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }
    using CStaticLink::s_cursorFallbackTried;
    using CStaticLink::s_linkCursor;

protected:
    // Keeps the keyboard cues' state as Windows keeps it for every window;
    // Wine keeps none and answers WM_QUERYUISTATE with 0 (all shown).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_QUERYUISTATE)
            return m_uiState;
        if (message == WM_UPDATEUISTATE && LOWORD(wParam) == UIS_SET)
            m_uiState |= HIWORD(wParam);
        if (message == WM_UPDATEUISTATE && LOWORD(wParam) == UIS_CLEAR)
            m_uiState &= ~HIWORD(wParam);
        return CStaticLink::WindowProc(message, wParam, lParam);
    }

private:
    bool* m_destroyed;
    LRESULT m_uiState = 0;
};

}  // namespace

TEST(StaticLink, ColoursOnlyTheThreeTextStyles)
{
    struct Case {
        DWORD style;
        bool link;
    };
    const Case cases[] = {
        {SS_LEFT, true},
        {SS_CENTER, true},
        {SS_RIGHT, true},
        {SS_LEFT | SS_NOPREFIX, true},  // a modifier, not another kind of static
        {SS_LEFTNOWORDWRAP, false},
        {SS_BLACKFRAME, false},
    };
    for (const Case& c : cases) {
        LinkHost host(kWebAddress, c.style);
        LinkProbe link;
        ASSERT_TRUE(host.Bind(link));
        const LinkLook look = QueryLook(host.label);
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
        EXPECT_EQ(look.linkBrush, c.link);
        EXPECT_EQ(look.textColor == kUnvisited, c.link);
        EXPECT_EQ(look.logFont.lfUnderline != 0, c.link);
        if (c.link) {
            EXPECT_EQ(look.backgroundMode, TRANSPARENT);
        }
    }
}

TEST(StaticLink, UnderlinesACopyOfTheControlsFontMadeOncePerFont)
{
    struct Case {
        const wchar_t* face;  // null: the control has no font
        int height;
    };
    const LOGFONTW defaultGui = LogFontOf(GetStockObject(DEFAULT_GUI_FONT));
    const Case cases[] = {{L"Arial", -15}, {nullptr, defaultGui.lfHeight}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face ? "own font" : "no font");
        CFont own;  // outlives the control
        own.Attach(c.face ? CreateFontW(c.height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.face)
                          : nullptr);
        LinkHost host(kMailAddress);
        SendMessageW(host.label, WM_SETFONT, reinterpret_cast<WPARAM>(own.GetSafeHandle()), FALSE);
        LinkProbe link;
        ASSERT_TRUE(host.Bind(link));

        const LinkLook first = QueryLook(host.label);
        EXPECT_TRUE(first.logFont.lfUnderline);
        EXPECT_STREQ(first.logFont.lfFaceName, c.face ? c.face : defaultGui.lfFaceName);
        EXPECT_EQ(first.logFont.lfHeight, c.height);
        EXPECT_EQ(first.logFont.lfWeight, c.face ? FW_BOLD : defaultGui.lfWeight);

        // Made once: later colour queries reuse it.
        EXPECT_EQ(QueryLook(host.label).font, first.font);
        // A new font for the control (as after a change of display scale)
        // is followed: the next copy is made from it.
        const LOGFONTW system = LogFontOf(GetStockObject(SYSTEM_FONT));
        SendMessageW(host.label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FONT)), FALSE);
        const LinkLook after = QueryLook(host.label);
        EXPECT_TRUE(after.logFont.lfUnderline);
        EXPECT_STREQ(after.logFont.lfFaceName, system.lfFaceName);
        EXPECT_EQ(after.logFont.lfHeight, system.lfHeight);
    }
}

TEST(StaticLink, TurnsVisitedOnlyWhenTheShellOpensTheTarget)
{
    RecordingLauncher shell;
    struct Case {
        const char* name;
        std::wstring target;  // the constructor's text; empty: the window text
        std::wstring text;    // the control's window text
        bool opens;           // what the shell answers
    };
    const Case cases[] = {
        {"given target", L"given", L"what the control shows", true},
        {"window text", L"", L"shown", true},
        {"given target fails", L"missing", L"what the control shows", false},
        {"window text fails", L"", L"unknown", false},
    };
    std::vector<std::wstring> log;  // what the clicks of every case have asked for
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring opened = c.target.empty() ? c.text : c.target;
        if (!c.opens)
            shell.Refuse(opened);
        LinkHost host(c.text.c_str());
        LinkProbe link(Narrow(c.target).c_str());
        ASSERT_TRUE(host.Bind(link));
        ASSERT_EQ(QueryLook(host.label).textColor, kUnvisited);
        // Twice: a success stays visited (no toggling), a failure stays as it
        // was; then, a success refused from now on, still visited.
        for (int click = 1; click <= (c.opens ? 3 : 2); ++click) {
            if (click == 3)
                shell.Refuse(opened);
            Click(host.label);
            log.push_back(opened);
            EXPECT_EQ(shell.Opened(), log) << "click " << click;
            EXPECT_EQ(QueryLook(host.label).textColor, c.opens ? kVisited : kUnvisited) << "click " << click;
        }
    }
}

TEST(StaticLink, KeepsTheWindowTextCapturedAtTheFirstClick)
{
    RecordingLauncher shell;
    LinkHost host(L"");
    LinkProbe link;
    ASSERT_TRUE(host.Bind(link));

    Click(host.label);  // nothing to open yet: ignored, and nothing captured
    EXPECT_EQ(QueryLook(host.label).textColor, kUnvisited);
    EXPECT_TRUE(link.m_target.IsEmpty());

    SetWindowTextW(host.label, L"first");
    Click(host.label);
    ASSERT_EQ(shell.Opened(), std::vector<std::wstring>{L"first"});
    SetWindowTextW(host.label, L"later");
    Click(host.label);
    EXPECT_EQ(shell.Opened(), (std::vector<std::wstring>{L"first", L"first"}));
    EXPECT_EQ(link.m_target, "first");
}

namespace {

// The user's pointer, put back wherever the test ends.
struct PointerKept {
    POINT at{};
    PointerKept() { GetCursorPos(&at); }
    ~PointerKept() { SetCursorPos(at.x, at.y); }
    PointerKept(const PointerKept&) = delete;
    PointerKept& operator=(const PointerKept&) = delete;
};

}  // namespace

TEST(StaticLink, ARealClickRightOfTheTextOpens)
{
    // Real mouse input, so the click goes where the window system's hit
    // testing sends it: a plain static would pass it to the dialog.
    RecordingLauncher shell;
    LinkHost host(L"blank", SS_LEFT, 560);
    SetWindowPos(host.dialog, HWND_TOP, 0, 0, 620, 120, SWP_SHOWWINDOW);
    SetForegroundWindow(host.dialog);
    LinkProbe link;
    ASSERT_TRUE(host.Bind(link));

    RECT rect;
    GetWindowRect(host.label, &rect);
    const POINT blank{rect.right - 4, (rect.top + rect.bottom) / 2};
    // The user's own pointer clicks: only where the click cannot land in
    // another program's window.
    if (GetForegroundWindow() != host.dialog || WindowFromPoint(blank) != host.label)
        GTEST_SKIP() << "the test's window is not in front with its label under the point, so no real click is made";
    const PointerKept pointer;
    SetCursorPos(blank.x, blank.y);
    INPUT press[2] = {};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, press, sizeof(INPUT));

    // The input arrives as messages on this thread: pump them while waiting.
    EXPECT_TRUE(WaitFor(
        [&] {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            return !shell.Opened().empty();
        },
        15000));
    EXPECT_EQ(shell.Opened(), std::vector<std::wstring>{L"blank"});
    EXPECT_EQ(QueryLook(host.label).textColor, kVisited);
}

TEST(StaticLink, VisitedTextIsPaintedOverACleanBackground)
{
    // The grey background and the visited red have equal green and blue; a
    // pixel with more blue than green is the unvisited blue, or its trace in
    // the smoothed edges of the glyphs under the red.
    const auto bluePixels = [](HWND label) {
        const std::vector<COLORREF> pixels = CaptureClient(label).pixels;
        return std::count_if(pixels.begin(), pixels.end(), [](COLORREF p) { return GetBValue(p) > GetGValue(p) + 10; });
    };
    // A TrueType face, so that the glyphs' edges are smoothed; it outlives the control.
    CFont font;
    font.Attach(CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                            CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    RecordingLauncher shell;
    LinkHost host(L"Jednotar jednotek, návštěva odkazu");
    SendMessageW(host.label, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), FALSE);
    LinkProbe link("visit");
    ASSERT_TRUE(host.Bind(link));
    SetWindowPos(host.dialog, HWND_TOP, 0, 0, 300, 120, SWP_SHOWWINDOW);
    UpdateWindow(host.dialog);
    ASSERT_GT(bluePixels(host.label), 20);

    Click(host.label);
    ASSERT_EQ(QueryLook(host.label).textColor, kVisited);
    UpdateWindow(host.dialog);
    EXPECT_EQ(bluePixels(host.label), 0);
    EXPECT_GT(PixelsOf(CaptureClient(host.label), kVisited, 0).count, 20);
}

TEST(StaticLink, ShowsTheFocusRectangleAroundItsTextWhileFocusedAndCuesAreOn)
{
    LinkHost host(kWebAddress, SS_LEFT | SS_NOPREFIX, 300);
    LinkProbe link;
    ASSERT_TRUE(host.Bind(link));
    // Somewhere else for the focus to be: the dialog hands its own to a child.
    HWND button = CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 40, 60, 20, host.dialog,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(host.dialog, HWND_TOP, 0, 0, 360, 120, SWP_SHOWWINDOW);
    SetFocus(button);
    UpdateWindow(host.dialog);
    const auto cues = [&](WORD action) {
        SendMessageW(host.label, WM_UPDATEUISTATE, MAKEWPARAM(action, UISF_HIDEFOCUS), 0);
        return CaptureClient(host.label).pixels;
    };
    const std::vector<COLORREF> unfocused = cues(UIS_CLEAR);
    const Box text = PixelsOf(CaptureClient(host.label), kUnvisited, 0);
    ASSERT_GT(text.count, 20);

    SetFocus(host.label);
    ASSERT_EQ(GetFocus(), host.label);
    const Capture shown = CaptureClient(host.label);
    // The dotted rectangle: pixels changed only on the edges of a box
    // around the text, with gaps between the dots.
    Box changed;
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            if (shown.At(x, y) != unfocused[static_cast<size_t>(y * shown.width + x)]) {
                changed.minX = std::min(changed.minX, x);
                changed.maxX = std::max(changed.maxX, x);
                changed.minY = std::min(changed.minY, y);
                changed.maxY = std::max(changed.maxY, y);
                ++changed.count;
            }
    EXPECT_LE(changed.minX, text.minX);
    EXPECT_GE(changed.maxX, text.maxX);
    EXPECT_LE(changed.minY, text.minY);
    EXPECT_GE(changed.maxY, text.maxY);
    EXPECT_LT(changed.maxX, shown.width - 1) << "wider than the text";
    const int perimeter = 2 * (changed.maxX - changed.minX + changed.maxY - changed.minY);
    EXPECT_GT(changed.count, perimeter / 3);
    EXPECT_LT(changed.count, perimeter * 2 / 3);

    // Hidden with the keyboard cues, back with them, gone with the focus:
    // every time without a pixel left over.
    EXPECT_EQ(cues(UIS_SET), unfocused);
    EXPECT_EQ(cues(UIS_CLEAR), shown.pixels);
    SetFocus(button);
    EXPECT_EQ(CaptureClient(host.label).pixels, unfocused);
}

TEST(StaticLink, ShowsTheHandCursorOrLeavesTheCursorAlone)
{
    LinkHost host(L"link");
    LinkProbe link;
    ASSERT_TRUE(host.Bind(link));
    const HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_CURSOR));
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    const auto requestCursor = [&] {
        SetCursor(arrow);
        return SendMessageW(host.label, WM_SETCURSOR, reinterpret_cast<WPARAM>(host.label),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    ASSERT_NE(hand, nullptr);
    EXPECT_TRUE(requestCursor());
    EXPECT_EQ(GetCursor(), hand);

    // As if cursor 134 were missing: one lookup of the help viewer's cursor
    // 106. Windows ships a winhlp32.exe in its folder, Wine none; which one
    // is here, and whether it has that cursor, is read apart from the label.
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    const ScopedModule viewer(std::wstring(folder) + L"\\winhlp32.exe");
    const bool offered = viewer.get() && FindResourceW(viewer.get(), MAKEINTRESOURCEW(106), RT_GROUP_CURSOR);
    std::printf("help viewer %s, %s cursor 106\n", viewer.get() ? "present" : "absent", offered ? "with" : "without");
    LinkProbe::s_linkCursor = nullptr;
    LinkProbe::s_cursorFallbackTried = FALSE;
    EXPECT_EQ(requestCursor() != 0, offered);
    EXPECT_TRUE(LinkProbe::s_cursorFallbackTried);
    EXPECT_EQ(LinkProbe::s_linkCursor != nullptr, offered);
    EXPECT_EQ(GetCursor() != arrow, offered);
    if (offered) {  // an own copy: not the module's, which goes with it
        EXPECT_NE(LinkProbe::s_linkCursor, LoadCursorW(viewer.get(), MAKEINTRESOURCEW(106)));
    }
    // Looked up once: with the cursor gone, no second lookup finds one.
    LinkProbe::s_linkCursor = nullptr;
    EXPECT_FALSE(requestCursor());
    EXPECT_EQ(GetCursor(), arrow);

    LinkProbe next;  // every construction reloads the program's own cursor
    EXPECT_EQ(LinkProbe::s_linkCursor, hand);
}

TEST(StaticLink, DeletesItselfOnlyWhenAskedTo)
{
    for (const BOOL autoDelete : {TRUE, FALSE}) {
        SCOPED_TRACE(autoDelete ? "self-deleting" : "owned");
        LinkHost host(L"link");
        bool destroyed = false;
        auto* link = new LinkProbe(nullptr, autoDelete, &destroyed);
        ASSERT_TRUE(host.Bind(*link));
        DestroyWindow(host.label);
        EXPECT_EQ(destroyed, autoDelete == TRUE);
        if (!destroyed) {
            EXPECT_EQ(link->m_hWnd, nullptr);  // unbound, still alive
            delete link;
            EXPECT_TRUE(destroyed);
        }
    }
}
