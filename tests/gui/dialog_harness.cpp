#include "tests/gui/dialog_harness.h"

#include "shell/framework/dialog.h"

namespace {

struct DialogRun {
    DWORD uiThread;
    const std::function<void(HWND)>* body;
};

DWORD WINAPI DriveDialog(void* parameter)
{
    DialogRun& run = *static_cast<DialogRun*>(parameter);
    HWND dialog = WaitForTopLevel(run.uiThread, nullptr, 10000);
    if (!dialog)
        return 0;
    (*run.body)(dialog);
    for (int attempt = 0; attempt < 50 && IsWindow(dialog); ++attempt) {
        // A message box left open by a failed check goes first.
        if (HWND box = WaitForTopLevel(run.uiThread, dialog, 0))
            PostMessageW(box, WM_CLOSE, 0, 0);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        Sleep(100);
    }
    return 0;
}

}  // namespace

INT_PTR RunDialog(CDialog& dialog, const std::function<void(HWND)>& body)
{
    DialogRun run{GetCurrentThreadId(), &body};
    HANDLE worker = CreateThread(nullptr, 0, &DriveDialog, &run, 0, nullptr);
    const INT_PTR result = dialog.DoModal();
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    return result;
}

HWND WaitForTopLevel(DWORD thread, HWND owner, DWORD timeoutMs)
{
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    const DWORD start = GetTickCount();
    for (;;) {
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM state) {
                Search& s = *reinterpret_cast<Search*>(state);
                if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != s.owner)
                    return TRUE;
                s.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start >= timeoutMs)
            return search.found;
        Sleep(20);
    }
}
