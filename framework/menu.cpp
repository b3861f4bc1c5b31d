#include "framework/menu.h"

#include "framework/string_utf8.h"

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    static TempMap<HMENU, CMenu> map;
    return hMenu ? map.Lookup(hMenu) : nullptr;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem)
{
    if (!lpszNewItem)
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, nullptr);
    const std::wstring text = Utf8ToWide(lpszNewItem);
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, text.c_str());
}
