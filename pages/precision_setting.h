// The precision setting: decimal places of every printed value. 0 from
// process start until the sheet loads it; read afresh at each conversion.
#pragma once

extern int g_precision;

constexpr char kSettingsSection[] = "Settings";
constexpr char kPrecisionEntry[] = "Precision";
constexpr int kDefaultPrecision = 5;

// Loads the stored value, or the default when there is none; a value out of
// 0..10 is kept as it is (the formatting clamps it).
void LoadPrecisionSetting();
