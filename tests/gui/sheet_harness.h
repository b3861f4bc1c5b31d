// Runs the program's real start-up (the sheet, modal, on this thread) while
// a test body drives the sheet from a worker thread with real messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/golden/golden_units.h"

#include "tests/support/text.h"
#include "tests/support/wait.h"
#include "tests/support/windows_found.h"

struct Sheet {
    HWND window = nullptr;

    // Selects tab `index` (PSM_SETCURSEL) and answers its page window.
    HWND ShowPage(int index) const;
    HWND CurrentPage() const;
};

// Resets the start-of-process state (no unit count, precision 0), runs
// CUnitsApp::InitInstance and, once the sheet is shown and its start page
// has listed its units, `body` on a worker thread. Afterwards every window
// left open is closed and the sheet cancelled. Answers whether the body
// ran; a sheet that never appears or cannot be closed fails the test.
bool RunSheet(const std::function<void(const Sheet&)>& body);

// Helpers for the worker thread; all go through SendMessage.
HWND Item(HWND page, int id);
// The length page set to convert metres to kilometres, and its two fields.
struct Conversion {
    HWND page, value, result;
};
Conversion MetreToKilometre(const Sheet& sheet);
// Picks kilometre in the "to" list again: the page converts anew.
void ConvertAgain(const Conversion& conversion);
void Type(HWND field, const std::wstring& keys);  // WM_CHAR per character
void PressKey(HWND field, UINT virtualKey);       // WM_KEYDOWN + WM_KEYUP
void Erase(HWND field);                           // the whole text selected, then Backspace
// Empties both fields (an empty value converts nothing), so that no text of
// an earlier case can pass for the next one's.
void EmptyFields(const Conversion& conversion);
// Pastes `text` into `field` as the edit control pastes the clipboard's
// text, without the clipboard; false when the field does not answer in time.
bool Paste(HWND field, const std::wstring& text, UINT timeoutMs = kAnswerMs);
// The golden table's rows of `category`, in table order.
std::vector<GoldenUnit> GoldenRowsOf(int category);
// Its first row of `category` with this abbreviation, null if none.
const GoldenUnit* GoldenUnitOf(int category, const char* abbreviation);
// The list position whose item data is `row`, -1 if none.
int PositionOfRow(HWND list, int row);
