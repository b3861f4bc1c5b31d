// CMenu: a menu handle. A menu found through FromHandle is not owned; one
// attached with Attach is destroyed with the object.
#pragma once

#include <windows.h>

#include "framework/temp_map.h"

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    static CMenu* FromHandle(HMENU hMenu);
    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);

private:
    friend class TempMap<HMENU, CMenu>;
    void AttachTemporary(HMENU hMenu) { m_hMenu = hMenu; }
    bool m_owned = false;
};
