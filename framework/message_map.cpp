#include "framework/message_map.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::Matches(const AFX_MSGMAP_ENTRY& entry, UINT message, WPARAM wParam)
{
    if (entry.nMessage != message)
        return false;
    if (message == WM_COMMAND)
        return entry.nCode == HIWORD(wParam) && entry.nID == LOWORD(wParam);
    return true;
}

bool CCmdTarget::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage; ++entry)
            if (Matches(*entry, message, wParam))
                return entry->pfn(this, wParam, lParam, result);
    return false;
}

bool CCmdTarget::OnCmdMsg(UINT nID)
{
    LRESULT result = 0;
    return DispatchMessageMap(WM_COMMAND, MAKEWPARAM(nID, 0), 0, &result);
}

bool CCmdTarget::HandlesCommand(UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage; ++entry)
            if (entry->nMessage == WM_COMMAND && entry->nCode == 0 && entry->nID == nID)
                return true;
    return false;
}
