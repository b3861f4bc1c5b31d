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

void FillUnitLists(HWND fromList, HWND toList, int category)
{
    CString language;
    language.LoadString(IDS_LANGUAGE);
    const bool czech = IsCzechLanguageCode(language.str());
    // The count is read afresh at every step; the table's own size bounds the
    // walk whatever the count says.
    for (int row = 0; row < g_unitCount && row < kTableRows; ++row) {
        if (g_units[row].category != category)
            continue;
        const std::wstring name = Utf8ToWide(UnitName(g_units[row], czech));
        AppendUnit(fromList, name, row);
        AppendUnit(toList, name, row);
    }
}

void FillUnitLists(CWnd* fromList, CWnd* toList, int category)
{
    FillUnitLists(fromList ? fromList->m_hWnd : nullptr, toList ? toList->m_hWnd : nullptr, category);
}
