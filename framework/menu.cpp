#include "framework/menu.h"

#include "framework/string_utf8.h"

CMenu::~CMenu()
{
    if (m_owned && m_hMenu)
        ::DestroyMenu(m_hMenu);
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    static TempMap<HMENU, CMenu> map;
    return hMenu ? map.Lookup(hMenu) : nullptr;
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_owned && m_hMenu)
        ::DestroyMenu(m_hMenu);
    m_hMenu = hMenu;
    m_owned = hMenu != nullptr;
    return m_owned;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    m_hMenu = nullptr;
    m_owned = false;
    return hMenu;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem)
{
    if (!lpszNewItem)
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, nullptr);
    const std::wstring text = Utf8ToWide(lpszNewItem);
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, text.c_str());
}
