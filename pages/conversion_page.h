// The one implementation of the fourteen conversion pages. A page type is
// nothing but its PageTraits, its row of the roster (pages/page_roster.h).
#pragma once

#include "framework/framework.h"
#include "framework/live_region.h"

enum class PageArithmetic { kFactor, kTemperature };

struct PageTraits {
    int tab;  // position in the sheet, 0 the start page
    UINT dialogId;
    UINT bannerStringId;
    int category;
    PageArithmetic arithmetic;
};

class CConversionPage : public CPropertyPage {
    DECLARE_DYNAMIC(CConversionPage)
public:
    explicit CConversionPage(const PageTraits& traits);

    int m_nFromUnit = -1;  // selected position of the "from" list, -1 none
    int m_nToUnit = -1;    // selected position of the "to" list, -1 none
    CString m_strValue;
    CString m_strResult;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnPaint();
    void OnConvert();
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void ListUnits();
    CString SpokenResult() const;
    const PageTraits& m_traits;
    // A new result is spoken once the user pauses: typing "12.5" is heard
    // as one result, not four.
    LiveRegion m_resultSpoken;
    int m_resultUnit = -1;      // the "to" position the result shown is in
    DWORD m_resultChanged = 0;  // GetTickCount() at the last new result
};
