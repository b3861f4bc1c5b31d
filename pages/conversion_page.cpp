#include "pages/conversion_page.h"

#include "convert/convert.h"
#include "convert/spoken_result.h"
#include "pages/banner.h"
#include "pages/fill_unit_lists.h"
#include "pages/precision_setting.h"
#include "res/resource.h"
#include "units/units.h"

namespace {

// How long the result must stand before a screen reader is told of it.
constexpr UINT_PTR kSpeakTimer = 1;
constexpr DWORD kPauseMs = 500;

// The caret as an offset from the start of the text. EM_GETSEL's packed
// answer stops at 65535, so the two-pointer form is used.
DWORD CaretOffset(HWND field)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return end;
}

void PlaceCaret(HWND field, DWORD offset)
{
    const DWORD length = static_cast<DWORD>(GetWindowTextLengthW(field));
    const DWORD clamped = offset < length ? offset : length;
    SendMessageW(field, EM_SETSEL, clamped, static_cast<LPARAM>(clamped));
}

}  // namespace

IMPLEMENT_DYNAMIC(CConversionPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CConversionPage, CPropertyPage)
    ON_WM_PAINT()
    ON_EN_CHANGE(IDC_VALUE, &CConversionPage::OnConvert)
    ON_CBN_SELCHANGE(IDC_FROM_UNIT, &CConversionPage::OnConvert)
    ON_CBN_SELCHANGE(IDC_TO_UNIT, &CConversionPage::OnConvert)
    ON_MESSAGE(WM_TIMER, &CConversionPage::OnTimer)
END_MESSAGE_MAP()

CConversionPage::CConversionPage(const PageTraits& traits) : CPropertyPage(traits.dialogId), m_traits(traits) {}

void CConversionPage::DoDataExchange(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_FROM_UNIT, m_nFromUnit);
    DDX_CBIndex(pDX, IDC_TO_UNIT, m_nToUnit);
    DDX_Text(pDX, IDC_VALUE, m_strValue);
    DDX_Text(pDX, IDC_RESULT, m_strResult);
}

BOOL CConversionPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ListUnits();
    return TRUE;
}

void CConversionPage::ListUnits()
{
    FillUnitLists(GetDlgItem(IDC_FROM_UNIT), GetDlgItem(IDC_TO_UNIT), m_traits.category);
}

void CConversionPage::OnPaint()
{
    CPaintDC dc(this);  // nothing is drawn into it; ending it validates the page
    CString banner;
    banner.LoadString(m_traits.bannerStringId);
    DrawBanner(GetDlgItem(IDC_BANNER), banner, LayoutDpi());
    // The start page is initialised before the sheet counts the unit table,
    // so it lists its units on its first paint instead.
    if (m_traits.tab == 0 && SendDlgItemMessage(IDC_FROM_UNIT, CB_GETCOUNT) < 1)
        ListUnits();
}

void CConversionPage::OnConvert()
{
    UpdateData(TRUE);
    if (m_nFromUnit < 0 || m_nToUnit < 0)
        return;
    if (m_strValue.IsEmpty())
        return;

    const int fromRow = static_cast<int>(SendDlgItemMessage(IDC_FROM_UNIT, CB_GETITEMDATA, m_nFromUnit));
    const int toRow = static_cast<int>(SendDlgItemMessage(IDC_TO_UNIT, CB_GETITEMDATA, m_nToUnit));
    const ConversionTexts texts =
        m_traits.arithmetic == PageArithmetic::kTemperature
            ? ConvertTemperatureEntry(m_strValue.str(), m_nFromUnit, m_nToUnit, fromRow, toRow, g_precision)
            : ConvertEntry(m_strValue.str(), fromRow, toRow, g_precision);

    const CString typed = m_strValue;
    const CString shown = m_strResult;
    m_strResult = texts.result;
    m_strValue = texts.value;

    // Replacing the whole text puts the caret at its start; keep it where the
    // user was typing instead.
    HWND field = ::GetDlgItem(m_hWnd, IDC_VALUE);
    const DWORD caret = CaretOffset(field);
    UpdateData(FALSE);
    if (m_strValue != typed)
        PlaceCaret(field, caret);
    // Each new result starts the pause again. While one is running, the
    // time of the change is all a keystroke notes: no timer call per key.
    if (m_strResult != shown) {
        m_resultUnit = m_nToUnit;
        const DWORD now = GetTickCount();
        if (now - m_resultChanged >= kPauseMs)
            SetTimer(m_hWnd, kSpeakTimer, kPauseMs, nullptr);
        m_resultChanged = now;
    }
}

LRESULT CConversionPage::OnTimer(WPARAM wParam, LPARAM)
{
    if (wParam != kSpeakTimer)
        return Default();
    const DWORD standing = GetTickCount() - m_resultChanged;
    if (standing < kPauseMs) {  // changed again meanwhile: wait for the rest
        SetTimer(m_hWnd, kSpeakTimer, kPauseMs - standing, nullptr);
        return 0;
    }
    KillTimer(m_hWnd, kSpeakTimer);
    m_resultSpoken.Announce(m_hWnd, SpokenResult());
    return 0;
}

CString CConversionPage::SpokenResult() const
{
    // The unit as the "to" list names it, in the list's language: the unit
    // of the result, which a later pick may not have converted yet.
    HWND toList = ::GetDlgItem(m_hWnd, IDC_TO_UNIT);
    const LRESULT length = ::SendMessageW(toList, CB_GETLBTEXTLEN, m_resultUnit, 0);
    std::wstring name(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    if (length > 0)
        ::SendMessageW(toList, CB_GETLBTEXT, m_resultUnit, reinterpret_cast<LPARAM>(name.data()));
    name.resize(length > 0 ? static_cast<size_t>(length) : 0);
    const int row = static_cast<int>(::SendMessageW(toList, CB_GETITEMDATA, m_resultUnit, 0));
    return CString(::SpokenResult(m_strResult.str(), UnitAt(row).abbreviation, WideToUtf8(name)).c_str());
}
