#include "framework/dialog_layout.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

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

// Reads the template's little-endian fields in order; any read past the end
// marks the reader failed.
class TemplateReader {
public:
    TemplateReader(const void* data, size_t size) : m_data(static_cast<const BYTE*>(data)), m_size(size) {}

    bool Ok() const { return m_ok; }

    template <typename T>
    T Read()
    {
        T value{};
        if (!Take(sizeof(T)))
            return value;
        std::memcpy(&value, m_data + m_pos - sizeof(T), sizeof(T));
        return value;
    }
    void Skip(size_t bytes) { Take(bytes); }
    // Items start on a DWORD boundary of the template.
    void AlignToDword() { Skip((4 - m_pos % 4) % 4); }

    std::wstring ReadString()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); m_ok && c != 0; c = Read<WCHAR>())
            text += c;
        return text;
    }
    // A menu, class or title: none (0x0000), an ordinal (0xFFFF, number) or
    // a string.
    void SkipStringOrOrdinal()
    {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF)
            Read<WORD>();
        else if (first != 0)
            ReadString();
    }

private:
    bool Take(size_t bytes)
    {
        if (!m_ok || m_size - m_pos < bytes) {
            m_ok = false;
            return false;
        }
        m_pos += bytes;
        return true;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

constexpr WORD kExtendedSignature = 0xFFFF;

// Reads a DLGTEMPLATE or DLGTEMPLATEEX; false for data that is none, or
// that ends early.
bool ParseDialogTemplate(const void* data, size_t size, DialogTemplate* result)
{
    WORD start[2] = {};
    if (size >= sizeof(start))
        std::memcpy(start, data, sizeof(start));
    const bool extended = start[0] == 1 && start[1] == kExtendedSignature;
    TemplateReader in(data, size);
    DialogTemplate parsed;
    DWORD style = 0;
    if (extended) {
        in.Skip(2 * sizeof(WORD) + sizeof(DWORD) + sizeof(DWORD));  // version, signature, help id, extended style
        style = in.Read<DWORD>();
    } else {
        style = in.Read<DWORD>();
        in.Skip(sizeof(DWORD));  // extended style
    }
    const WORD count = in.Read<WORD>();
    in.Skip(4 * sizeof(short));  // the dialog's own rectangle
    in.SkipStringOrOrdinal();    // menu
    in.SkipStringOrOrdinal();    // class
    in.ReadString();             // title
    if (style & DS_SETFONT) {    // DS_SHELLFONT includes it
        parsed.hasFont = true;
        parsed.font.pointSize = in.Read<WORD>();
        if (extended) {
            parsed.font.weight = in.Read<WORD>();
            parsed.font.italic = in.Read<BYTE>();
            parsed.font.charset = in.Read<BYTE>();
        }
        parsed.font.face = in.ReadString();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignToDword();
        DialogItem item;
        if (extended)
            in.Skip(sizeof(DWORD));  // help id
        in.Skip(2 * sizeof(DWORD));  // style and extended style, in either order
        item.x = in.Read<short>();
        item.y = in.Read<short>();
        item.cx = in.Read<short>();
        item.cy = in.Read<short>();
        item.id = extended ? in.Read<DWORD>() : in.Read<WORD>();
        in.SkipStringOrOrdinal();  // class
        in.SkipStringOrOrdinal();  // title
        in.Skip(in.Read<WORD>());  // creation data
        parsed.items.push_back(item);
    }
    if (!in.Ok())
        return false;
    *result = std::move(parsed);
    return true;
}

// The template resource `id` of `module`; false when there is none.
bool LoadDialogTemplate(HINSTANCE module, UINT id, DialogTemplate* result)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data && ParseDialogTemplate(data, SizeofResource(module, resource), result);
}

HFONT CreateFontAtDpi(LOGFONTW logFont, WORD pointSize, UINT dpi)
{
    logFont.lfHeight = -MulDiv(pointSize, static_cast<int>(dpi), 72);
    logFont.lfWidth = 0;
    return CreateFontIndirectW(&logFont);
}

// The font the dialog manager makes for the template at `dpi`.
HFONT CreateDialogFont(const DialogFontSpec& font, UINT dpi)
{
    LOGFONTW logFont{};
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfCharSet = font.charset;
    logFont.lfQuality = PROOF_QUALITY;
    font.face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return CreateFontAtDpi(logFont, font.pointSize, dpi);
}

// Dialog base units of a font: the average width of "A".."Z" and "a".."z"
// (rounded as the dialog manager rounds it) and the character height.
SIZE DialogBaseUnits(HFONT font)
{
    static const wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    CClientDC screen(nullptr);
    const ScopedSelect selected(screen, font);
    SIZE extent{};
    GetTextExtentPoint32W(screen.m_hDC, kAlphabet, 52, &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.m_hDC, &metrics);
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

// A template item's rectangle in the dialog's client pixels.
RECT DialogItemRect(const DialogItem& item, SIZE baseUnits)
{
    // Position and size are each converted on their own, as the dialog
    // manager does, not the right and bottom edges.
    const int x = MulDiv(item.x, baseUnits.cx, 4);
    const int y = MulDiv(item.y, baseUnits.cy, 8);
    return {x, y, x + MulDiv(item.cx, baseUnits.cx, 4), y + MulDiv(item.cy, baseUnits.cy, 8)};
}

}  // namespace

bool DialogLayout::Apply(HWND dialog, HINSTANCE module, UINT templateId, UINT dpi)
{
    DialogTemplate parsed;
    if (!LoadDialogTemplate(module, templateId, &parsed) || !parsed.hasFont)
        return false;
    // The face as the dialog manager chose it for the template (it may have
    // mapped the template's), at the new DPI.
    auto font = std::make_unique<CFont>();
    LOGFONTW made{};
    HGDIOBJ madeFont = reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    const HFONT created = madeFont && GetObjectW(madeFont, sizeof(made), &made) == sizeof(made)
                              ? CreateFontAtDpi(made, parsed.font.pointSize, dpi)
                              : CreateDialogFont(parsed.font, dpi);
    if (!font->Attach(created))
        return false;
    const HFONT hFont = static_cast<HFONT>(font->GetSafeHandle());
    const SIZE base = DialogBaseUnits(hFont);

    // The children in creation order; several may share an id (-1), so an
    // item is the n-th child with its id where it is the n-th such item.
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    std::vector<bool> taken(children.size(), false);
    for (const DialogItem& item : parsed.items) {
        for (size_t i = 0; i < children.size(); ++i) {
            if (taken[i] || LOWORD(GetDlgCtrlID(children[i])) != LOWORD(item.id))
                continue;
            taken[i] = true;
            const RECT r = DialogItemRect(item, base);
            // Placed first and then given its font, as at creation: a combo
            // box takes the height as its drop-down height, then sizes its
            // field to the font.
            SetWindowPos(children[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            SendMessageW(children[i], WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
            break;
        }
    }
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    // The previous font is deleted only now that no control holds it.
    m_font = std::move(font);
    m_dpi = dpi;
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return true;
}

void DialogLayout::Reset()
{
    m_font.reset();
    m_dpi = 0;
}
