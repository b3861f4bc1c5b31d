// The application's message box.
#pragma once

#include <windows.h>

// A message box with the application's name as caption; without an owner it
// belongs to the main window.
int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, HWND hOwner = nullptr);
