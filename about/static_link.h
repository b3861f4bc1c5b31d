// CStaticLink: a text static of a dialog turned into a link. Drawn underlined
// in the link colour, shows the hand cursor, and a left-button press, or
// Enter while it has the focus, hands its target to the shell's "open" verb.
// A template gives it WS_TABSTOP to make it a tab stop; focused, it shows the
// system's focus rectangle around its text. An accessibility client sees a
// link, named by its address, whose default action opens it.
#pragma once

#include <string>

#include "framework/accessible_link.h"
#include "framework/framework.h"

class CStaticLink : public CStatic, private LinkFacts {
    DECLARE_DYNAMIC(CStaticLink)
public:
    // A null or empty target: the first click takes the control's own text.
    CStaticLink(const char* lpszTarget = nullptr, BOOL bAutoDelete = FALSE);

    CString m_target;  // what the shell opens; the owner may set it

protected:
    LRESULT OnNcHitTest(CPoint point);
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnFocusOrCuesChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    LRESULT OnOpenLater(WPARAM wParam, LPARAM lParam);
    void PostNcDestroy() override;

    COLORREF m_textColor;
    CFont m_underlineFont;  // made at the first colour query after each new font, deleted with the label
    BOOL m_autoDelete;      // TRUE: delete this once the window is gone
    AccessibleLink m_accessible;

    static const COLORREF s_unvisitedColor;
    static const COLORREF s_visitedColor;
    // Shared by every label; copies and resource cursors live as long as the
    // process.
    static HCURSOR s_linkCursor;
    static BOOL s_cursorFallbackTried;

    DECLARE_MESSAGE_MAP()

private:
    // The one action of a click, Enter and an accessibility client's
    // default action: the shell opens the target.
    void Open();
    // What an accessibility client is told.
    std::wstring LinkAddress() const override;
    std::wstring LinkActionName() const override;
    bool LinkVisited() const override;
    void OpenLinkLater() override;
    bool ShowsFocus() const;
    RECT TextRect() const;
    void MakeUnderlineFont();
    void RepaintWithBackground();
    static HCURSOR LoadFallbackCursor();
};
