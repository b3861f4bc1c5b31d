// CMenu: a menu the program did not create (a window's system menu), found
// through FromHandle; the wrapper owns nothing.
#pragma once

#include <windows.h>

#include "framework/temp_map.h"

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    static CMenu* FromHandle(HMENU hMenu);

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);

private:
    friend class TempMap<HMENU, CMenu>;
    void AttachTemporary(HMENU hMenu) { m_hMenu = hMenu; }
};
