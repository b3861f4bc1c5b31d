// The one implementation of the fourteen conversion pages. A page type is
// nothing but its PageTraits: template, banner string, category, arithmetic.
#pragma once

#include "shell/framework/framework.h"

enum class PageArithmetic { kFactor, kTemperature };

struct PageTraits {
    UINT dialogId;
    UINT bannerStringId;
    int category;
    PageArithmetic arithmetic;
    // The start page is initialised before the sheet counts the unit table,
    // so it lists its units on its first paint instead.
    bool listsOnPaint;
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

    DECLARE_MESSAGE_MAP()

private:
    void ListUnits();
    const PageTraits& m_traits;
};
