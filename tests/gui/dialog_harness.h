// Runs a framework dialog modally on this thread while a test body drives
// its window from a worker thread.
#pragma once

#include <windows.h>

#include <functional>

class CDialog;

// Answers DoModal's result. A dialog the body leaves open is cancelled.
INT_PTR RunDialog(CDialog& dialog, const std::function<void(HWND dialogWindow)>& body);

// Waits for a visible top-level window of `thread` with no owner other than
// `owner`; null after the timeout.
HWND WaitForTopLevel(DWORD thread, HWND owner, DWORD timeoutMs = 5000);
