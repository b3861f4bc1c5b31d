#include "framework/gdi.h"

#include "framework/module.h"
#include "framework/wnd.h"

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    DeleteObject();
    m_hObject = hObject;
    return hObject != nullptr;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

BOOL CBitmap::CreateCompatibleBitmap(const CDC& dc, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(dc.m_hDC, nWidth, nHeight));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, const char* lpszFacename)
{
    const std::wstring face = Utf8ToWide(lpszFacename ? lpszFacename : "");
    return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline, cStrikeOut,
                                nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, face.c_str()));
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* lpLogFont)
{
    return Attach(::CreateFontIndirectW(lpLogFont));
}

CDC* CDC::FromHandle(HDC hDC)
{
    static TempMap<HDC, CDC> map;
    return hDC ? map.Lookup(hDC) : nullptr;
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    const std::wstring wide = text.Wide();
    return ::TextOutW(m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

SIZE CDC::GetTextExtent(const CString& text) const
{
    const std::wstring wide = text.Wide();
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}
