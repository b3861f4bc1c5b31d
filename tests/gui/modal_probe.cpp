#include "tests/gui/modal_probe.h"

#include <gtest/gtest.h>

#include "tests/support/program_windows.h"
#include "tests/support/text.h"
#include "tests/support/wait.h"

namespace {

// How long a thread may take to answer once it has handled what came before.
constexpr UINT kSyncMs = 20000;

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM state)
{
    MessageBoxSeen& seen = *reinterpret_cast<MessageBoxSeen*>(state);
    if (!IsWindowVisible(child))
        return TRUE;
    const std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        seen.buttons.push_back(TextOf(child));
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            seen.exclamation =
                reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == LoadIconW(nullptr, IDI_EXCLAMATION);
        else if (!TextOf(child).empty())
            seen.text = TextOf(child);
    }
    return TRUE;
}

// The marker that Settle posts, and the event its hook sets on seeing it
// taken from the queue.
UINT MarkerMessage()
{
    static const UINT marker = RegisterWindowMessageW(L"Jednotar.TestMarker");
    return marker;
}
HANDLE g_markerTaken = nullptr;

LRESULT CALLBACK SeeMarker(int code, WPARAM removal, LPARAM message)
{
    const MSG& msg = *reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg.message == MarkerMessage())
        SetEvent(g_markerTaken);
    return CallNextHookEx(nullptr, code, removal, message);
}

}  // namespace

WindowQuery OwnedBy(DWORD uiThread, HWND owner, const wchar_t* caption)
{
    WindowQuery query;
    query.thread = uiThread;
    query.anyOwner = false;
    query.owner = owner;
    query.caption = caption;
    return query;
}

WindowQuery OwnedBy(HWND owner, const wchar_t* caption)
{
    return OwnedBy(UiThreadOf(owner), owner, caption);
}

HWND AnyWindowOwnedBy(HWND owner)
{
    WindowQuery query = OwnedBy(owner);
    query.visibleOnly = false;
    return FindTopWindow(query);
}

HWND OpenBySystemCommand(HWND sheet, UINT command, const wchar_t* caption)
{
    // Posted: the command runs a modal loop of its own.
    PostMessageW(sheet, WM_SYSCOMMAND, command, 0);
    return WaitForTopWindow(OwnedBy(sheet, caption));
}

bool CloseWith(HWND window, UINT command)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    return WaitUntilGone(window);
}

void PressButton(HWND dialog, int id)
{
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Sync(HWND window)
{
    const WaitingFor answering("the thread of \"" + Narrow(CaptionOf(window)) + "\" to answer");
    EXPECT_TRUE(SendWithTimeout(window, WM_NULL, 0, 0, nullptr, kSyncMs))
        << "the window's thread did not answer within " << kSyncMs / 1000 << " s";
}

bool Settle(HWND window, DWORD timeoutMs)
{
    // The thread takes posted messages in order: once it takes the marker,
    // everything before it has been taken by this loop or by a nested one.
    const WaitingFor settling("the thread of \"" + Narrow(CaptionOf(window)) + "\" to take its queue");
    g_markerTaken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, &SeeMarker, nullptr, UiThreadOf(window));
    const bool settled = hook && PostMessageW(window, MarkerMessage(), 0, 0) &&
                         WaitForSingleObject(g_markerTaken, timeoutMs) == WAIT_OBJECT_0;
    if (hook)
        UnhookWindowsHookEx(hook);
    Sync(window);  // and its handling is over
    CloseHandle(g_markerTaken);
    g_markerTaken = nullptr;
    return settled;
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    MessageBoxSeen seen;
    seen.caption = TextOf(box);
    EnumChildWindows(box, &ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

void ExpectRefusal(HWND box, HWND dialog, HWND field, const wchar_t* message)
{
    ASSERT_NE(box, nullptr) << "no message box over the dialog";
    const MessageBoxSeen seen = ReadMessageBox(box);
    EXPECT_EQ(seen.caption, kSheetCaption);
    EXPECT_EQ(seen.text, message);
    EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(seen.exclamation);
    ASSERT_TRUE(CloseWith(box, IDOK));
    // The focus moves back once the box's modal loop has returned; the
    // dialog's thread is back in its own loop when it answers.
    Sync(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(FocusIn(dialog), field);
    EXPECT_EQ(SelectionOf(field).start, 0u);
    EXPECT_EQ(SelectionOf(field).end, TextOf(field).size());
}
