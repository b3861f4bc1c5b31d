// The floor for start-up and memory figures: the smallest Win32 program that
// shows a dialog, built and linked like the converter.
#include <windows.h>

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// An in-memory template: a captioned modal dialog with no controls.
struct alignas(4) EmptyTemplate {
    DLGTEMPLATE header{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 0, 0, 0, 280, 160};
    WORD menu = 0, windowClass = 0;
    WCHAR caption[8] = L"Minimal";
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    static const EmptyTemplate dialogTemplate;
    DialogBoxIndirectParamW(instance, &dialogTemplate.header, nullptr, DialogProc, 0);
    return 0;
}
