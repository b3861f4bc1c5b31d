#include "framework/contrast.h"

#include <atomic>

namespace {

bool AskTheSystem()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

std::atomic<HighContrastQuery> g_highContrastQuery{nullptr};
std::atomic<SystemColourQuery> g_systemColourQuery{nullptr};

}  // namespace

bool HighContrastOn()
{
    const HighContrastQuery query = g_highContrastQuery.load();
    return query ? query() : AskTheSystem();
}

void SetHighContrastQuery(HighContrastQuery query)
{
    g_highContrastQuery.store(query);
}

COLORREF SystemColour(int index)
{
    const SystemColourQuery query = g_systemColourQuery.load();
    return query ? query(index) : GetSysColor(index);
}

void SetSystemColourQuery(SystemColourQuery query)
{
    g_systemColourQuery.store(query);
}

bool IsColourChange(UINT message)
{
    return message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE || message == WM_THEMECHANGED;
}

void RepaintWholly(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
