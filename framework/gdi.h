// Device contexts and drawing objects. CPen, CFont and CBitmap own their GDI
// object and delete it when destroyed; CPaintDC, CClientDC and CMemoryDC own
// their DC; a ScopedSelect puts back what it replaced.
#pragma once

#include <windows.h>

#include "framework/string_utf8.h"
#include "framework/temp_map.h"

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    // Hands the object over to the caller, who deletes it.
    HGDIOBJ Detach();
    BOOL DeleteObject();

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename);
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
};

class CDC;

class CBitmap : public CGdiObject {
public:
    // Bitmap resource `id` of the program, as a DIB section: its own colours,
    // whatever the screen's depth.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(const CDC& dc, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const { return ::GetObjectW(m_hObject, sizeof(BITMAP), pBitMap); }
};

class CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A wrapper that does not own the DC.
    static CDC* FromHandle(HDC hDC);

    // Each answers the object that was selected before.
    HGDIOBJ SelectObject(CGdiObject* pObject) { return ::SelectObject(m_hDC, pObject->GetSafeHandle()); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    BOOL TextOut(int x, int y, const CString& text);
    SIZE GetTextExtent(const CString& text) const;
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    int SetStretchBltMode(int nStretchMode) { return ::SetStretchBltMode(m_hDC, nStretchMode); }
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, const CDC& source, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop)
    {
        return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, source.m_hDC, xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
    }

private:
    friend class TempMap<HDC, CDC>;
    void AttachTemporary(HDC hDC) { m_hDC = hDC; }
};

// One paint cycle of a window: BeginPaint now, EndPaint when destroyed.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

// The client-area DC of a window: GetDC now, ReleaseDC when destroyed.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = ::GetDC(hWnd); }
    ~CClientDC() override { ::ReleaseDC(m_hWnd, m_hDC); }

private:
    HWND m_hWnd;
};

// A memory DC compatible with `dc` (null: the screen): CreateCompatibleDC
// now, DeleteDC when destroyed.
class CMemoryDC : public CDC {
public:
    explicit CMemoryDC(HDC dc) { m_hDC = ::CreateCompatibleDC(dc); }
    ~CMemoryDC() override
    {
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
};

// One object selected into a DC for a scope: selected now, and the object it
// replaced selected again when destroyed, so that the DC goes back as it came
// and no object is deleted while still selected.
class ScopedSelect {
public:
    ScopedSelect(const CDC& dc, HGDIOBJ object) : m_hDC(dc.m_hDC), m_previous(::SelectObject(m_hDC, object)) {}
    ScopedSelect(const CDC& dc, const CGdiObject& object) : ScopedSelect(dc, object.GetSafeHandle()) {}
    ~ScopedSelect()
    {
        if (m_previous)
            ::SelectObject(m_hDC, m_previous);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_previous;
};
