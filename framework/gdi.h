// Device contexts and drawing objects. CPen and CFont own their GDI object
// and delete it when destroyed; CPaintDC and CClientDC own their DC.
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
    BOOL DeleteObject();

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};

class CFont : public CGdiObject {
public:
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename);
    BOOL CreateFontIndirect(const LOGFONTW* lpLogFont);
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
    HGDIOBJ SelectStockObject(int nIndex) { return ::SelectObject(m_hDC, ::GetStockObject(nIndex)); }
    HGDIOBJ SelectObject(CGdiObject* pObject) { return ::SelectObject(m_hDC, pObject->GetSafeHandle()); }
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    BOOL TextOut(int x, int y, const CString& text);
    SIZE GetTextExtent(const CString& text) const;
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }

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
