#include "tests/gui/contrast_theme.h"

#include <atomic>

#include "framework/contrast.h"

namespace {

std::atomic<bool> g_themeOn{false};

bool TheTestsAnswer()
{
    return g_themeOn.load();
}

COLORREF TheThemesColour(int index)
{
    switch (index) {
        case COLOR_BTNFACE:
            return kThemeFace;
        case COLOR_BTNTEXT:
            return kThemeText;
        case COLOR_HOTLIGHT:
            return kThemeLink;
        default:
            return GetSysColor(index);
    }
}

}  // namespace

ContrastTheme::ContrastTheme()
{
    Switch(false);
    SetHighContrastQuery(&TheTestsAnswer);
    SetSystemColourQuery(&TheThemesColour);
}

ContrastTheme::~ContrastTheme()
{
    SetSystemColourQuery(nullptr);
    SetHighContrastQuery(nullptr);
    Switch(false);
}

void ContrastTheme::Switch(bool on)
{
    g_themeOn.store(on);
}
