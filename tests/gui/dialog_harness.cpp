#include "tests/gui/dialog_harness.h"

#include "framework/dialog.h"
#include "tests/gui/modal_run.h"

INT_PTR RunDialog(CDialog& dialog, const std::function<void(HWND)>& body)
{
    ModalRun run;
    run.findTimeoutMs = 10000;
    run.body = body;
    run.closeMessage = WM_COMMAND;
    run.closeWParam = IDCANCEL;
    INT_PTR result = 0;
    RunModal([&] { result = dialog.DoModal(); }, run);
    return result;
}
