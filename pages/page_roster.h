// The fourteen conversion pages: kPageRoster is the one list of them, in tab
// order. Each page class takes its row by its category; the sheet's pages
// (ConversionPages) and their AddPage order follow the classes, and the
// checks at the end of this file hold all of it to the roster at compile
// time. Dialog and banner ids do not follow the tab order.
#pragma once

#include <cstddef>
#include <iterator>
#include <tuple>
#include <utility>

#include "pages/conversion_page.h"
#include "res/resource.h"
#include "units/units.h"

// tab, dialog template, banner string, category, arithmetic
// clang-format off
inline constexpr PageTraits kPageRoster[] = {
    { 0, IDD_LENGTH_PAGE,      IDS_BANNER_LENGTH,      kLength,      PageArithmetic::kFactor},
    { 1, IDD_VOLUME_PAGE,      IDS_BANNER_VOLUME,      kVolume,      PageArithmetic::kFactor},
    { 2, IDD_WEIGHT_PAGE,      IDS_BANNER_WEIGHT,      kMass,        PageArithmetic::kFactor},
    { 3, IDD_TEMPERATURE_PAGE, IDS_BANNER_TEMPERATURE, kTemperature, PageArithmetic::kTemperature},
    { 4, IDD_AREA_PAGE,        IDS_BANNER_AREA,        kArea,        PageArithmetic::kFactor},
    { 5, IDD_DENSITY_PAGE,     IDS_BANNER_DENSITY,     kDensity,     PageArithmetic::kFactor},
    { 6, IDD_POWER_PAGE,       IDS_BANNER_POWER,       kForce,       PageArithmetic::kFactor},
    { 7, IDD_PRESURE_PAGE,     IDS_BANNER_PRESURE,     kPressure,    PageArithmetic::kFactor},
    { 8, IDD_WORK_PAGE,        IDS_BANNER_WORK,        kEnergy,      PageArithmetic::kFactor},
    { 9, IDD_PERFORMANCE_PAGE, IDS_BANNER_PERFORMANCE, kPower,       PageArithmetic::kFactor},
    {10, IDD_ANGLE_PAGE,       IDS_BANNER_ANGLE,       kAngle,       PageArithmetic::kFactor},
    {11, IDD_TIME_PAGE,        IDS_BANNER_TIME,        kTime,        PageArithmetic::kFactor},
    {12, IDD_SPEED_PAGE,       IDS_BANNER_SPEED,       kSpeed,       PageArithmetic::kFactor},
    {13, IDD_FLOW_PAGE,        IDS_BANNER_FLOW,        kFlow,        PageArithmetic::kFactor},
};
// clang-format on
inline constexpr std::size_t kPageCount = std::size(kPageRoster);

class CLengthPage : public CConversionPage {
    DECLARE_DYNCREATE(CLengthPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kLength];
    CLengthPage() : CConversionPage(kTraits) {}
};

class CVolumePage : public CConversionPage {
    DECLARE_DYNCREATE(CVolumePage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kVolume];
    CVolumePage() : CConversionPage(kTraits) {}
};

class CWeightPage : public CConversionPage {
    DECLARE_DYNCREATE(CWeightPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kMass];
    CWeightPage() : CConversionPage(kTraits) {}
};

class CTemperaturePage : public CConversionPage {
    DECLARE_DYNCREATE(CTemperaturePage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kTemperature];
    CTemperaturePage() : CConversionPage(kTraits) {}
};

class CAreaPage : public CConversionPage {
    DECLARE_DYNCREATE(CAreaPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kArea];
    CAreaPage() : CConversionPage(kTraits) {}
};

class CDensityPage : public CConversionPage {
    DECLARE_DYNCREATE(CDensityPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kDensity];
    CDensityPage() : CConversionPage(kTraits) {}
};

// The force page ("Síla"), whatever its name says.
class CPowerPage : public CConversionPage {
    DECLARE_DYNCREATE(CPowerPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kForce];
    CPowerPage() : CConversionPage(kTraits) {}
};

class CPresurePage : public CConversionPage {
    DECLARE_DYNCREATE(CPresurePage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kPressure];
    CPresurePage() : CConversionPage(kTraits) {}
};

class CWorkPage : public CConversionPage {
    DECLARE_DYNCREATE(CWorkPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kEnergy];
    CWorkPage() : CConversionPage(kTraits) {}
};

// The power page ("Výkon").
class CPerformancePage : public CConversionPage {
    DECLARE_DYNCREATE(CPerformancePage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kPower];
    CPerformancePage() : CConversionPage(kTraits) {}
};

class CAnglePage : public CConversionPage {
    DECLARE_DYNCREATE(CAnglePage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kAngle];
    CAnglePage() : CConversionPage(kTraits) {}
};

class CTimePage : public CConversionPage {
    DECLARE_DYNCREATE(CTimePage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kTime];
    CTimePage() : CConversionPage(kTraits) {}
};

class CSpeedPage : public CConversionPage {
    DECLARE_DYNCREATE(CSpeedPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kSpeed];
    CSpeedPage() : CConversionPage(kTraits) {}
};

class CFlowPage : public CConversionPage {
    DECLARE_DYNCREATE(CFlowPage)
public:
    static constexpr const PageTraits& kTraits = kPageRoster[kFlow];
    CFlowPage() : CConversionPage(kTraits) {}
};

// The sheet's pages, one object of each class, in tab order.
using ConversionPages =
    std::tuple<CLengthPage, CVolumePage, CWeightPage, CTemperaturePage, CAreaPage, CDensityPage, CPowerPage,
               CPresurePage, CWorkPage, CPerformancePage, CAnglePage, CTimePage, CSpeedPage, CFlowPage>;

namespace page_roster_checks {

// Each row stands at its tab position, and a page's category is its tab
// position (the unit table's category codes count the tabs).
constexpr bool RowsFollowTheTabs()
{
    for (std::size_t i = 0; i < kPageCount; ++i)
        if (kPageRoster[i].tab != static_cast<int>(i) || kPageRoster[i].category != kPageRoster[i].tab)
            return false;
    return true;
}

// No two pages share a dialog template or a banner string.
constexpr bool IdsAreDistinct()
{
    for (std::size_t i = 0; i < kPageCount; ++i)
        for (std::size_t j = i + 1; j < kPageCount; ++j)
            if (kPageRoster[i].dialogId == kPageRoster[j].dialogId ||
                kPageRoster[i].bannerStringId == kPageRoster[j].bannerStringId)
                return false;
    return true;
}

// The sheet's i-th page is the class of the roster's i-th row.
template <std::size_t... I>
constexpr bool ClassesFollowTheTabs(std::index_sequence<I...>)
{
    return ((&std::tuple_element_t<I, ConversionPages>::kTraits == &kPageRoster[I]) && ...);
}

static_assert(kPageCount == kCategoryCount, "one page per unit category");
static_assert(RowsFollowTheTabs(), "a page's row and category must equal its tab position");
static_assert(IdsAreDistinct(), "every page has its own template and banner string");
static_assert(std::tuple_size_v<ConversionPages> == kPageCount, "one page class per roster row");
static_assert(ClassesFollowTheTabs(std::make_index_sequence<kPageCount>()), "page classes in tab order");

}  // namespace page_roster_checks
