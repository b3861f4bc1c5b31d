#include "shell/precision_setting.h"

#include "shell/framework/win_app.h"

int g_precision = 0;

void LoadPrecisionSetting()
{
    g_precision = static_cast<int>(AfxGetApp()->GetProfileInt(kSettingsSection, kPrecisionEntry, kDefaultPrecision));
}
