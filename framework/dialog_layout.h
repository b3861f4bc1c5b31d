// A dialog's layout from its template at any DPI: the font the dialog
// manager makes from the template, its dialog base units, and every child's
// rectangle from the template's dialog units. Laying out is absolute, so
// doing it twice for one DPI changes nothing.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/gdi.h"

// One dialog window laid out from its template. Owns the font it gives the
// controls; the object must outlive them (the window's owner keeps it).
class DialogLayout {
public:
    // Lays `dialog`'s children out from template `templateId` of `module`
    // at `dpi`: each control's rectangle, and the dialog's font made anew
    // at that DPI given to every control and to the dialog. False, and
    // nothing changed, when the template or its font is missing.
    bool Apply(HWND dialog, HINSTANCE module, UINT templateId, UINT dpi);
    // The DPI of the last layout; 0 when there was none.
    UINT Dpi() const { return m_dpi; }
    HFONT Font() const { return m_font ? static_cast<HFONT>(m_font->GetSafeHandle()) : nullptr; }
    // Forgets the layout, once the window it was made for is gone.
    void Reset();

private:
    std::unique_ptr<CFont> m_font;
    UINT m_dpi = 0;
};
