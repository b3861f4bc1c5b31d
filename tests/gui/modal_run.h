// The common part of the sheet and dialog harnesses: a modal window runs on
// this thread while a worker finds it, runs the test body against it and
// then closes it. The run fails, rather than passing silently or hanging,
// when the window never appears or cannot be closed.
#pragma once

#include <windows.h>

#include <functional>

struct ModalRun {
    // The caption of the unowned window the modal call shows; null: any.
    const wchar_t* caption = nullptr;
    DWORD findTimeoutMs = 15000;
    std::function<void(HWND window)> body;
    // Posted to the window once the windows over it are closed, to close it;
    // again until the modal call returns.
    UINT closeMessage = WM_CLOSE;
    WPARAM closeWParam = 0;
};

// Runs `modal` on this thread and `run` on a worker; answers whether the
// body ran. A window that never appears fails the current test; so does one
// that is still open some seconds after the body: its modal loop is then
// ended with WM_QUIT, and if even that does not return, the test program
// ends at once with a message instead of waiting for ever.
bool RunModal(const std::function<void()>& modal, const ModalRun& run);
