// The framework's own mechanics on real windows: message-map search order,
// reflection of a static's colour query, the end of a bound window, the
// dropping of a window's own exchange echoes, run-time class records.
#include <gtest/gtest.h>

#include <string>

#include "framework/framework.h"
#include "pages/page_roster.h"
#include "res/resource.h"
#include "shell/dialog_sheet.h"
#include "tests/gui/dialog_harness.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/modal_probe.h"
#include "tests/support/program_windows.h"
#include "tests/support/text.h"

namespace {

constexpr UINT kOverridden = WM_APP + 1;
constexpr UINT kBaseOnly = WM_APP + 2;
constexpr UINT kUnmapped = WM_APP + 3;
constexpr UINT kExchangeOut = WM_APP + 4;
constexpr COLORREF kLabelColour = RGB(0, 0, 220);

class Label : public CStatic {
public:
    int m_queries = 0;
    UINT m_lastType = 0;
    int m_postNcDestroyCalls = 0;
    bool m_unboundAtPostNcDestroy = false;

protected:
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++m_queries;
        m_lastType = nCtlColor;
        pDC->SetTextColor(kLabelColour);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    void PostNcDestroy() override
    {
        ++m_postNcDestroyCalls;
        m_unboundAtPostNcDestroy = m_hWnd == nullptr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Label, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class BaseDialog : public CDialog {
public:
    BaseDialog() : CDialog(IDD_PRECISION) {}

protected:
    LRESULT OnOverridden(WPARAM, LPARAM) { return 1; }
    LRESULT OnBaseOnly(WPARAM, LPARAM) { return 10; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseDialog, CDialog)
    ON_MESSAGE(kOverridden, &BaseDialog::OnOverridden)
    ON_MESSAGE(kBaseOnly, &BaseDialog::OnBaseOnly)
END_MESSAGE_MAP()

class ProbeDialog : public BaseDialog {
public:
    Label m_label;
    CString m_text = "12";
    int m_changes = 0;

protected:
    BOOL OnInitDialog() override
    {
        m_label.SubclassWindow(FindWindowExW(m_hWnd, nullptr, L"Static", nullptr));
        return BaseDialog::OnInitDialog();  // writes "12": its EN_CHANGE is dropped
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PRECISION, m_text); }
    LRESULT OnOverridden(WPARAM, LPARAM) { return 2; }
    LRESULT OnExchangeOut(WPARAM wParam, LPARAM)
    {
        m_text = reinterpret_cast<const char*>(wParam);
        UpdateData(FALSE);
        return 0;
    }
    void OnChange() { ++m_changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeDialog, BaseDialog)
    ON_MESSAGE(kOverridden, &ProbeDialog::OnOverridden)
    ON_MESSAGE(kExchangeOut, &ProbeDialog::OnExchangeOut)
    ON_EN_CHANGE(IDC_PRECISION, &ProbeDialog::OnChange)
END_MESSAGE_MAP()

// While a sheet is being made, a window of another class appears first on the
// same thread: made by a CBT hook of its own, as another component might.
HWND g_intruder = nullptr;

LRESULT CALLBACK MakeIntruderBeforeTheSheet(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && !g_intruder && ClassOf(window) == kDialogClass) {
        g_intruder = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);  // the sheet closes at once
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class BindingSheet : public CPropertySheet {
public:
    BindingSheet() : CPropertySheet(IDS_APP_TITLE) { AddPage(&m_page); }
    std::wstring m_initialisedClass;  // of the window bound when the sheet initialised

protected:
    BOOL OnInitDialog() override
    {
        m_initialisedClass = ClassOf(m_hWnd);
        return CPropertySheet::OnInitDialog();
    }

private:
    CPropertyPage m_page{IDD_LENGTH_PAGE};
};

}  // namespace

TEST(Framework, OwnMapIsSearchedBeforeTheBaseMap)
{
    ProbeDialog dialog;
    const INT_PTR result = RunDialog(dialog, [](HWND window) {
        EXPECT_EQ(SendMessageW(window, kOverridden, 0, 0), 2);
        EXPECT_EQ(SendMessageW(window, kBaseOnly, 0, 0), 10);
        EXPECT_EQ(SendMessageW(window, kUnmapped, 0, 0), 0);  // the dialog manager's default
    });
    EXPECT_EQ(result, IDCANCEL);  // the harness closed it: it ran
}

TEST(Framework, StaticAnswersItsOwnColourQueryAndIsReleasedAfterItsWindow)
{
    ProbeDialog dialog;
    HWND label = nullptr;
    const INT_PTR result = RunDialog(dialog, [&](HWND window) {
        label = FindWindowExW(window, nullptr, L"Static", nullptr);
        // Its own painting asks too: let the first painting finish before counting.
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sync(window);
        const int queriesBefore = dialog.m_label.m_queries;
        const LinkLook look = QueryLook(label);
        EXPECT_TRUE(look.linkBrush);
        EXPECT_EQ(look.textColor, kLabelColour);
        EXPECT_EQ(dialog.m_label.m_queries, queriesBefore + 1);
        // A control without a bound object gets the parent's usual colours.
        QueryLook(GetDlgItem(window, IDC_PRECISION));
        EXPECT_EQ(dialog.m_label.m_queries, queriesBefore + 1);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_label.m_lastType, static_cast<UINT>(CTLCOLOR_STATIC));
    EXPECT_FALSE(IsWindow(label));
    EXPECT_EQ(dialog.m_label.m_postNcDestroyCalls, 1);
    EXPECT_TRUE(dialog.m_label.m_unboundAtPostNcDestroy);
    EXPECT_EQ(CWnd::FromHandlePermanent(label), nullptr);
}

TEST(Framework, ExchangeEchoesAreDroppedOtherNotificationsDelivered)
{
    ProbeDialog dialog;
    const INT_PTR result = RunDialog(dialog, [&](HWND window) {
        HWND field = GetDlgItem(window, IDC_PRECISION);
        EXPECT_EQ(TextOf(field), L"12");
        EXPECT_EQ(dialog.m_changes, 0);
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));
        EXPECT_EQ(dialog.m_changes, 1);
        SendMessageW(window, kExchangeOut, reinterpret_cast<WPARAM>("77"), 0);
        EXPECT_EQ(TextOf(field), L"77");
        EXPECT_EQ(dialog.m_changes, 1);
        // An equal text is not written again: the selection survives.
        SendMessageW(field, EM_SETSEL, 1, 2);
        SendMessageW(window, kExchangeOut, reinterpret_cast<WPARAM>("77"), 0);
        EXPECT_EQ(SelectionOf(field).start, 1u);
        EXPECT_EQ(SelectionOf(field).end, 2u);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST(Framework, PagesAreRegisteredAndCreatableByName)
{
    const struct {
        const char* name;
        const CRuntimeClass* runtimeClass;
    } pages[] = {{"CLengthPage", RUNTIME_CLASS(CLengthPage)}, {"CVolumePage", RUNTIME_CLASS(CVolumePage)},
                 {"CWeightPage", RUNTIME_CLASS(CWeightPage)}, {"CTemperaturePage", RUNTIME_CLASS(CTemperaturePage)},
                 {"CAreaPage", RUNTIME_CLASS(CAreaPage)},     {"CDensityPage", RUNTIME_CLASS(CDensityPage)},
                 {"CPowerPage", RUNTIME_CLASS(CPowerPage)},   {"CPresurePage", RUNTIME_CLASS(CPresurePage)},
                 {"CWorkPage", RUNTIME_CLASS(CWorkPage)},     {"CPerformancePage", RUNTIME_CLASS(CPerformancePage)},
                 {"CAnglePage", RUNTIME_CLASS(CAnglePage)},   {"CTimePage", RUNTIME_CLASS(CTimePage)},
                 {"CSpeedPage", RUNTIME_CLASS(CSpeedPage)},   {"CFlowPage", RUNTIME_CLASS(CFlowPage)}};
    static_assert(std::size(pages) == kPageCount);
    for (const auto& p : pages) {
        EXPECT_STREQ(p.runtimeClass->m_lpszClassName, p.name);
        CObject* page = p.runtimeClass->CreateObject();
        ASSERT_NE(page, nullptr) << p.name;
        EXPECT_EQ(page->GetRuntimeClass(), p.runtimeClass);
        EXPECT_TRUE(page->IsKindOf(RUNTIME_CLASS(CPropertyPage))) << p.name;
        EXPECT_FALSE(page->IsKindOf(RUNTIME_CLASS(CPropertySheet))) << p.name;
        delete page;
    }
    EXPECT_STREQ(RUNTIME_CLASS(CDialogSheet)->m_lpszClassName, "CDialogSheet");
    EXPECT_EQ(RUNTIME_CLASS(CDialogSheet)->m_pBaseClass, RUNTIME_CLASS(CPropertySheet));
    EXPECT_EQ(RUNTIME_CLASS(CDialogSheet)->CreateObject(), nullptr);  // no dynamic creation
}

TEST(Framework, SheetBindsItsOwnDialogAndNoOtherWindow)
{
    g_intruder = nullptr;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, &MakeIntruderBeforeTheSheet, nullptr, GetCurrentThreadId());
    BindingSheet sheet;
    sheet.DoModal();
    UnhookWindowsHookEx(hook);

    ASSERT_NE(g_intruder, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(g_intruder), nullptr);
    EXPECT_EQ(sheet.m_initialisedClass, kDialogClass);
    DestroyWindow(g_intruder);
}
