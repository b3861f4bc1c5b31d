#include "framework/data_exchange.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "framework/framework_ids.h"
#include "framework/message_box.h"
#include "framework/wnd.h"

namespace {

void SetControlTextIfDifferent(HWND control, const CString& value)
{
    if (WindowText(control) != value)
        SetWindowTextW(control, value.Wide().c_str());
}

}  // namespace

// Defined beside the calls it runs, so that the window itself knows nothing
// of the data exchange.
BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    ++m_exchangeDepth;
    DoDataExchange(&dx);
    --m_exchangeDepth;
    return dx.Failed() ? FALSE : TRUE;
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_lastIsEdit = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND control = PrepareCtrl(nIDC);
    m_lastIsEdit = true;
    return control;
}

void CDataExchange::Fail(const char* message)
{
    AfxMessageBox(message, MB_ICONEXCLAMATION | MB_OK, m_pDlgWnd->m_hWnd);
    if (m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_lastIsEdit)
            SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_failed = true;
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    if (pDX->Failed())
        return;
    HWND list = pDX->PrepareCtrl(nIDC);
    const int selected = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    if (pDX->m_bSaveAndValidate)
        index = selected;
    else if (index != selected)  // setting it again would only repaint the list
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->Failed())
        return;
    HWND field = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(field);
    else
        SetControlTextIfDifferent(field, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->Failed())
        return;
    HWND field = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        CString text;
        text.Format("%d", value);
        SetControlTextIfDifferent(field, text);
        return;
    }
    int number = 0;
    if (!ParseWholeNumber(WindowText(field), &number)) {
        CString message;
        message.LoadString(AFX_IDS_INTEGER_EXPECTED);
        pDX->Fail(message);
        return;
    }
    value = number;
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->Failed() || !pDX->m_bSaveAndValidate)
        return;
    if (value < minVal || value > maxVal) {
        CString format;
        format.LoadString(AFX_IDS_INTEGER_RANGE);
        CString message;
        message.Format(format, minVal, maxVal);
        pDX->Fail(message);
    }
}

bool ParseWholeNumber(const char* text, int* value)
{
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (isBlank(*text))
        ++text;
    // from_chars reads a minus sign but no plus sign.
    if (*text == '+' && text[1] != '-')
        ++text;
    const char* const end = text + std::strlen(text);
    int number = 0;
    const auto [rest, error] = std::from_chars(text, end, number);
    if (error != std::errc())
        return false;
    for (const char* c = rest; c != end; ++c)
        if (!isBlank(*c))
            return false;
    *value = number;
    return true;
}
