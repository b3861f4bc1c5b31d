// Static message maps. Each class lists (message, notification code, control
// id) -> handler; a window searches its own class's table first, then its
// base's, and a message found in none takes the default processing.
//
// A handler is reached through a captureless lambda that the entry macro
// writes inside the class's map function, so it may call protected members.
// Entry macros take member pointers: ON_EN_CHANGE(IDC_VALUE, &CPage::OnConvert).
#pragma once

#include <windows.h>

#include "framework/runtime_class.h"

class CCmdTarget;

// Answers true when the handler took the message; *result is its answer.
using AFX_PMSG = bool (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // 0 ends the table
    UINT nCode;     // notification code of WM_COMMAND, else 0
    UINT nID;       // control or command id of WM_COMMAND, else 0
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null at the root
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// A child's colour query, sent back to the child by its parent (reflection).
constexpr UINT WM_REFLECT_CTLCOLOR = 0xBC00 + 0x0019;

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    // Runs the first matching handler of the map chain.
    bool DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A command (menu item, accelerator or button click) by id.
    bool OnCmdMsg(UINT nID);
    bool HandlesCommand(UINT nID) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    static bool Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam);
};

// clang-format off
#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        using TheBaseClass = baseClass; \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, nullptr}}; \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map; \
    }

#define AFX_SELF(target) static_cast<ThisClass*>(target)

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, static_cast<UINT>(id), [](CCmdTarget* t, WPARAM, LPARAM, LRESULT* r) { \
         (AFX_SELF(t)->*(memberFxn))(); *r = 0; return true; }},

// LRESULT memberFxn(WPARAM wParam, LPARAM lParam) for any message
#define ON_MESSAGE(message, memberFxn) \
    {static_cast<UINT>(message), 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) { \
         *r = (AFX_SELF(t)->*(memberFxn))(w, l); return true; }},

// A theme or system colours changed. The system sends the first two to
// top-level windows only, so a window repaints its children (a sheet's
// pages, a dialog's controls) itself.
#define ON_COLOUR_CHANGES() \
    ON_MESSAGE(WM_SYSCOLORCHANGE, &ThisClass::OnColourChange) \
    ON_MESSAGE(WM_SETTINGCHANGE, &ThisClass::OnColourChange) \
    ON_MESSAGE(WM_THEMECHANGED, &ThisClass::OnColourChange)

#define ON_CONTROL(code, id, memberFxn) \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), [](CCmdTarget* t, WPARAM, LPARAM, LRESULT* r) { \
         (AFX_SELF(t)->*(memberFxn))(); *r = 0; return true; }},

#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)

#define ON_WM_PAINT() \
    {WM_PAINT, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM, LRESULT* r) { \
         AFX_SELF(t)->OnPaint(); *r = 0; return true; }},

// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND() \
    {WM_SYSCOMMAND, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) { \
         AFX_SELF(t)->OnSysCommand(static_cast<UINT>(w), l); *r = 0; return true; }},

// LRESULT OnNcHitTest(CPoint point), point in screen coordinates
#define ON_WM_NCHITTEST() \
    {WM_NCHITTEST, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) { \
         *r = AFX_SELF(t)->OnNcHitTest(CPoint(l)); return true; }},

// void OnLButtonDown(UINT nFlags, CPoint point), point in client coordinates
#define ON_WM_LBUTTONDOWN() \
    {WM_LBUTTONDOWN, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) { \
         AFX_SELF(t)->OnLButtonDown(static_cast<UINT>(w), CPoint(l)); *r = 0; return true; }},

// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR() \
    {WM_SETCURSOR, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) { \
         *r = AFX_SELF(t)->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(w)), LOWORD(l), HIWORD(l)); \
         return true; }},

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) on the control itself; a null
// brush hands the query back to the parent's usual processing.
#define ON_WM_CTLCOLOR_REFLECT() \
    {WM_REFLECT_CTLCOLOR, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) { \
         HBRUSH brush = AFX_SELF(t)->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(w)), static_cast<UINT>(l)); \
         *r = reinterpret_cast<LRESULT>(brush); return brush != nullptr; }},
// clang-format on
