// The fourteen conversion pages, in tab order. A page is CConversionPage
// with its own traits: dialog template, banner string, category code (equal
// to the tab position) and arithmetic. Dialog and banner ids do not follow
// the tab order.
#pragma once

#include "pages/conversion_page.h"
#include "res/resource.h"
#include "units/units.h"

// The start page: it also lists its units on its first paint.
class CLengthPage : public CConversionPage {
    DECLARE_DYNCREATE(CLengthPage)
public:
    static constexpr PageTraits kTraits{IDD_LENGTH_PAGE, IDS_BANNER_LENGTH, kLength, PageArithmetic::kFactor, true};
    CLengthPage() : CConversionPage(kTraits) {}
};

class CVolumePage : public CConversionPage {
    DECLARE_DYNCREATE(CVolumePage)
public:
    static constexpr PageTraits kTraits{IDD_VOLUME_PAGE, IDS_BANNER_VOLUME, kVolume, PageArithmetic::kFactor, false};
    CVolumePage() : CConversionPage(kTraits) {}
};

class CWeightPage : public CConversionPage {
    DECLARE_DYNCREATE(CWeightPage)
public:
    static constexpr PageTraits kTraits{IDD_WEIGHT_PAGE, IDS_BANNER_WEIGHT, kMass, PageArithmetic::kFactor, false};
    CWeightPage() : CConversionPage(kTraits) {}
};

class CTemperaturePage : public CConversionPage {
    DECLARE_DYNCREATE(CTemperaturePage)
public:
    static constexpr PageTraits kTraits{IDD_TEMPERATURE_PAGE, IDS_BANNER_TEMPERATURE, kTemperature, PageArithmetic::kTemperature, false};
    CTemperaturePage() : CConversionPage(kTraits) {}
};

class CAreaPage : public CConversionPage {
    DECLARE_DYNCREATE(CAreaPage)
public:
    static constexpr PageTraits kTraits{IDD_AREA_PAGE, IDS_BANNER_AREA, kArea, PageArithmetic::kFactor, false};
    CAreaPage() : CConversionPage(kTraits) {}
};

class CDensityPage : public CConversionPage {
    DECLARE_DYNCREATE(CDensityPage)
public:
    static constexpr PageTraits kTraits{IDD_DENSITY_PAGE, IDS_BANNER_DENSITY, kDensity, PageArithmetic::kFactor, false};
    CDensityPage() : CConversionPage(kTraits) {}
};

// The force page ("Síla"), whatever its name says.
class CPowerPage : public CConversionPage {
    DECLARE_DYNCREATE(CPowerPage)
public:
    static constexpr PageTraits kTraits{IDD_POWER_PAGE, IDS_BANNER_POWER, kForce, PageArithmetic::kFactor, false};
    CPowerPage() : CConversionPage(kTraits) {}
};

class CPresurePage : public CConversionPage {
    DECLARE_DYNCREATE(CPresurePage)
public:
    static constexpr PageTraits kTraits{IDD_PRESURE_PAGE, IDS_BANNER_PRESURE, kPressure, PageArithmetic::kFactor, false};
    CPresurePage() : CConversionPage(kTraits) {}
};

class CWorkPage : public CConversionPage {
    DECLARE_DYNCREATE(CWorkPage)
public:
    static constexpr PageTraits kTraits{IDD_WORK_PAGE, IDS_BANNER_WORK, kEnergy, PageArithmetic::kFactor, false};
    CWorkPage() : CConversionPage(kTraits) {}
};

// The power page ("Výkon").
class CPerformancePage : public CConversionPage {
    DECLARE_DYNCREATE(CPerformancePage)
public:
    static constexpr PageTraits kTraits{IDD_PERFORMANCE_PAGE, IDS_BANNER_PERFORMANCE, kPower, PageArithmetic::kFactor, false};
    CPerformancePage() : CConversionPage(kTraits) {}
};

class CAnglePage : public CConversionPage {
    DECLARE_DYNCREATE(CAnglePage)
public:
    static constexpr PageTraits kTraits{IDD_ANGLE_PAGE, IDS_BANNER_ANGLE, kAngle, PageArithmetic::kFactor, false};
    CAnglePage() : CConversionPage(kTraits) {}
};

class CTimePage : public CConversionPage {
    DECLARE_DYNCREATE(CTimePage)
public:
    static constexpr PageTraits kTraits{IDD_TIME_PAGE, IDS_BANNER_TIME, kTime, PageArithmetic::kFactor, false};
    CTimePage() : CConversionPage(kTraits) {}
};

class CSpeedPage : public CConversionPage {
    DECLARE_DYNCREATE(CSpeedPage)
public:
    static constexpr PageTraits kTraits{IDD_SPEED_PAGE, IDS_BANNER_SPEED, kSpeed, PageArithmetic::kFactor, false};
    CSpeedPage() : CConversionPage(kTraits) {}
};

class CFlowPage : public CConversionPage {
    DECLARE_DYNCREATE(CFlowPage)
public:
    static constexpr PageTraits kTraits{IDD_FLOW_PAGE, IDS_BANNER_FLOW, kFlow, PageArithmetic::kFactor, false};
    CFlowPage() : CConversionPage(kTraits) {}
};
