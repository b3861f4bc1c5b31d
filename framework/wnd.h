// CWnd: a C++ object bound to a window. A bound window's messages go through
// the object's message map first (the window is subclassed), and only then
// to the window's previous procedure.
#pragma once

#include <windows.h>

#include "framework/message_map.h"
#include "framework/string_utf8.h"
#include "framework/temp_map.h"

class CDataExchange;
class CMenu;

struct CPoint : POINT {
    CPoint(int px = 0, int py = 0)
    {
        x = px;
        y = py;
    }
    explicit CPoint(LPARAM packed)
    {
        x = static_cast<short>(LOWORD(packed));
        y = static_cast<short>(HIWORD(packed));
    }
};

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    // The bound object of a window, or else a temporary wrapper (never null
    // for a non-null handle).
    static CWnd* FromHandle(HWND hWnd);
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    CWnd* GetDlgItem(int nID) const;
    DWORD GetStyle() const;
    void GetWindowText(CString& text) const;
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(const RECT* rect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, rect, bErase); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    CMenu* GetSystemMenu(BOOL bRevert) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // TRUE: controls into members; FALSE: members into controls. Control
    // notifications that reach this window meanwhile are dropped.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // After the window is gone and the object unbound; may delete this.
    virtual void PostNcDestroy() {}
    // The previous procedure's answer to the message being handled.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Default handlers for the map entries that call the base.
    void OnPaint() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    LRESULT OnNcHitTest(CPoint) { return Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    // A theme or the system's colours changed (IsColourChange): the window
    // and all its children repaint now, in colours asked for afresh.
    LRESULT OnColourChange(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    friend class TempMap<HWND, CWnd>;
    void AttachTemporary(HWND hWnd) { m_hWnd = hWnd; }
    bool ReflectCtlColor(WPARAM wParam, LPARAM lParam, UINT ctlType, LRESULT* pResult);
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
    void UnbindAfterDestroy();
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
    MSG m_current{};
    int m_exchangeDepth = 0;
};

// The text of any window, read without a wrapper object.
CString WindowText(HWND hWnd);

// `owner`, or when it is null the application's main window, unless that is
// `self`: the owner of a dialog, sheet or message box given none.
HWND OwnerOrMainWindow(HWND owner, const CWnd* self = nullptr);
