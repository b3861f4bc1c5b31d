// A dialog's layout from its template at any DPI: the font the dialog
// manager makes from the template, its dialog base units, and every child's
// rectangle from the template's dialog units. Laying out is absolute, so
// doing it twice for one DPI changes nothing.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/gdi.h"

// The template's FONT statement.
struct DialogFontSpec {
    WORD pointSize = 0;
    WORD weight = FW_DONTCARE;
    BYTE italic = FALSE;
    BYTE charset = DEFAULT_CHARSET;
    std::wstring face;
};

// One control of the template, in dialog units.
struct DialogItem {
    DWORD id = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    bool hasFont = false;  // DS_SETFONT (or DS_SHELLFONT)
    DialogFontSpec font;
    std::vector<DialogItem> items;  // in template order, the order of creation
};

// Reads a DLGTEMPLATE or DLGTEMPLATEEX; false for data that is none, or
// that ends early.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* result);
// The template resource `id` of `module`; false when there is none.
bool LoadDialogTemplate(HINSTANCE module, UINT id, DialogTemplate* result);

// The font the dialog manager makes for the template at `dpi`.
HFONT CreateDialogFont(const DialogFontSpec& font, UINT dpi);
// `logFont` at `pointSize` points at `dpi`.
HFONT CreateFontAtDpi(LOGFONTW logFont, WORD pointSize, UINT dpi);
// Dialog base units of a font: the average width of "A".."Z" and "a".."z"
// (rounded as the dialog manager rounds it) and the character height.
SIZE DialogBaseUnits(HFONT font);
// A template item's rectangle in the dialog's client pixels.
RECT DialogItemRect(const DialogItem& item, SIZE baseUnits);

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
