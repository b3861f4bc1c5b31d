#include "pages/precision_setting.h"

#include "framework/win_app.h"

int g_precision = 0;

void LoadPrecisionSetting()
{
    g_precision = static_cast<int>(AfxGetApp()->GetProfileInt(kSettingsSection, kPrecisionEntry, kDefaultPrecision));
}
