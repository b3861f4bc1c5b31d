#include "pages/fill_unit_lists.h"

#include <string>

#include "framework/string_utf8.h"
#include "framework/wnd.h"
#include "res/resource.h"
#include "units/units.h"

namespace {

void AppendUnit(HWND list, const std::wstring& name, int row)
{
    const LRESULT position = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(position), static_cast<LPARAM>(row));
}

}  // namespace

void FillUnitLists(CWnd* fromList, CWnd* toList, int category)
{
    const HWND from = fromList ? fromList->m_hWnd : nullptr;
    const HWND to = toList ? toList->m_hWnd : nullptr;
    CString language;
    language.LoadString(IDS_LANGUAGE);
    const bool czech = IsCzechLanguageCode(language.str());
    ForEachUnitOfCategory(category, g_unitCount, [&](int row) {
        const std::wstring name = Utf8ToWide(UnitName(g_units[row], czech));
        AppendUnit(from, name, row);
        AppendUnit(to, name, row);
    });
}
