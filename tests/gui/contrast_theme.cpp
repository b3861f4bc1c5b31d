#include "tests/gui/contrast_theme.h"

#include <atomic>

#include "framework/contrast.h"

namespace {

std::atomic<bool> g_themeOn{false};

bool TheTestsAnswer()
{
    return g_themeOn.load();
}

}  // namespace

ContrastTheme::ContrastTheme()
{
    for (int i = 0; i < 3; ++i)
        m_previous[i] = GetSysColor(kElements[i]);
    Switch(false);
    SetHighContrastQuery(&TheTestsAnswer);
    const COLORREF theme[] = {kThemeFace, kThemeText, kThemeLink};
    SetSysColors(3, kElements, theme);
}

ContrastTheme::~ContrastTheme()
{
    SetHighContrastQuery(nullptr);
    Switch(false);
    SetSysColors(3, kElements, m_previous);
}

void ContrastTheme::Switch(bool on)
{
    g_themeOn.store(on);
}
