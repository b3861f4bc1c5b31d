// Resource ids. Shared by the resource script and the C++ code, so plain
// #defines only (the resource compiler reads this file too).
// The ids stand in one column, as in the resource script.
// clang-format off
#pragma once

// Dialog templates
#define IDD_ABOUT               100
#define IDD_LENGTH_PAGE         103
#define IDD_TEMPERATURE_PAGE    104
#define IDD_VOLUME_PAGE         105
#define IDD_WORK_PAGE           106
#define IDD_WEIGHT_PAGE         107
#define IDD_AREA_PAGE           108
#define IDD_DENSITY_PAGE        109
#define IDD_POWER_PAGE          110
#define IDD_PRESURE_PAGE        111
#define IDD_PERFORMANCE_PAGE    112
#define IDD_ANGLE_PAGE          113
#define IDD_TIME_PAGE           114
#define IDD_SPEED_PAGE          115
#define IDD_FLOW_PAGE           116
#define IDD_PRECISION           129

// Icon, bitmap, cursor
#define IDI_MAIN                128
#define IDB_LOGO                133
#define IDC_LINK_CURSOR         134

// Controls of the conversion pages
#define IDC_VALUE               1000
#define IDC_RESULT              1001
#define IDC_FROM_UNIT           1002
#define IDC_TO_UNIT             1003
#define IDC_BANNER              1004
// Precision dialog
#define IDC_PRECISION           1005
#define IDC_PRECISION_SPIN      1006
// About dialog
#define IDC_WEB_LINK            1013
#define IDC_MAIL_LINK           1014

// System-menu commands
#define IDM_ABOUT               0x0010
#define IDM_PRECISION           135

// Strings
#define IDS_ABOUT               101
#define IDS_PRECISION           136
#define IDS_LANGUAGE            137
#define IDS_HELP_TEXT           138     // what the sheet's Help button shows
#define IDS_LINK_ACTION         139     // a link's default action, as a screen reader names it
#define IDS_APP_TITLE           57344   // caption and application name
#define IDS_BANNER_LENGTH       57345
#define IDS_BANNER_VOLUME       57346
#define IDS_BANNER_TEMPERATURE  57347
#define IDS_BANNER_WORK         57348
#define IDS_BANNER_ANGLE        57349
#define IDS_BANNER_DENSITY      57350
#define IDS_BANNER_FLOW         57351
#define IDS_BANNER_PERFORMANCE  57352
#define IDS_BANNER_POWER        57353
#define IDS_BANNER_PRESURE      57354
#define IDS_BANNER_SPEED        57355
#define IDS_BANNER_TIME         57356
#define IDS_BANNER_WEIGHT       57357
#define IDS_BANNER_AREA         57358
#define IDS_VALUE_FORMAT        57359

// The framework's own ids (application name, validation messages, Help)
#include "framework/framework_ids.h"
