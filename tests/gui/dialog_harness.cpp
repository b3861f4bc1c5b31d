#include "tests/gui/dialog_harness.h"

#include "framework/dialog.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/modal_run.h"

INT_PTR RunDialog(CDialog& dialog, const std::function<void(HWND)>& body)
{
    ModalRun run;
    run.find = [](DWORD uiThread) { return FindTopWindow(OwnedBy(uiThread, nullptr)); };
    run.findTimeoutMs = 10000;
    run.body = body;
    run.close = [](DWORD uiThread, HWND window) {
        CloseInnermostWindows(uiThread, window);  // a message box left open by a failed check
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    };
    INT_PTR result = 0;
    RunModal([&] { result = dialog.DoModal(); }, run);
    return result;
}
