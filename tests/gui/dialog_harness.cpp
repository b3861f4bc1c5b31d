#include "tests/gui/dialog_harness.h"

#include "framework/dialog.h"
#include "tests/gui/modal_probe.h"

namespace {

struct DialogRun {
    DWORD uiThread;
    const std::function<void(HWND)>* body;
};

DWORD WINAPI DriveDialog(void* parameter)
{
    DialogRun& run = *static_cast<DialogRun*>(parameter);
    HWND dialog = WaitForWindow(run.uiThread, nullptr, nullptr, 10000);
    if (!dialog)
        return 0;
    (*run.body)(dialog);
    for (int attempt = 0; attempt < 50 && IsWindow(dialog); ++attempt) {
        // A message box left open by a failed check goes first.
        if (HWND box = WaitForWindow(run.uiThread, dialog, nullptr, 0))
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
