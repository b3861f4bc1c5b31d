// Runs a framework dialog modally on this thread while a test body drives
// its window from a worker thread.
#pragma once

#include <windows.h>

#include <functional>

class CDialog;

// Answers DoModal's result. A dialog the body leaves open is cancelled; one
// that never appears or cannot be closed fails the test.
INT_PTR RunDialog(CDialog& dialog, const std::function<void(HWND dialogWindow)>& body);
