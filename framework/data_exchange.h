// Dialog data exchange: DoDataExchange lists DDX_/DDV_ calls, UpdateData runs
// them one way or the other. A refused value shows a message, puts the focus
// back on its control and makes the exchange fail; the calls after it do
// nothing.
#pragma once

#include <windows.h>

#include "framework/string_utf8.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls into members
    CWnd* m_pDlgWnd;

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Shows `message`, returns the focus to the last prepared control (an
    // edit field with its whole text selected) and fails the exchange.
    void Fail(const char* message);
    bool Failed() const { return m_failed; }

private:
    HWND m_hWndLastControl = nullptr;
    bool m_lastIsEdit = false;
    bool m_failed = false;
};

// The selected position of a list; -1 for none.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// A field's text; the control is written only when its text differs.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A field's text as a whole number; other text is refused.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);

// Whole-number reading of DDX_Text: optional blanks, sign, digits, blanks.
bool ParseWholeNumber(const char* text, int* value);
