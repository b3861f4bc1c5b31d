// The precision dialog driven as the user drives it, opened from the sheet's
// system menu, from the worker thread of a sheet run.
#pragma once

#include <windows.h>

#include <string>

// Erases the text of the dialog's number field and types `text`.
void EnterPrecision(HWND dialog, const std::wstring& text);
// Waits until the dialog is gone and the sheet's thread has handled what
// follows its return: a confirmed value is written then. False when the
// dialog stays open.
bool AwaitClosed(HWND dialog, HWND sheet);
// The whole round: opens the dialog, notes in `shown` what its field shows,
// enters `typed` and presses OK. False when the dialog did not open or did
// not close.
bool SetPrecision(HWND sheet, const std::wstring& typed, std::wstring* shown = nullptr);
