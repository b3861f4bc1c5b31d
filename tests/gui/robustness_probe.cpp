#include "tests/gui/robustness_probe.h"

#include <sddl.h>

#include "tests/support/text.h"

bool Responsive(HWND window)
{
    return SendWithTimeout(window, WM_NULL, 0, 0, nullptr, 5000);
}

bool MakeReadOnly(const wchar_t* path)
{
    PSECURITY_DESCRIPTOR sd = nullptr;
    HKEY key = nullptr;
    const bool done = ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(D;;0x6;;;WD)(A;;KA;;;WD)",
                                                                           SDDL_REVISION_1, &sd, nullptr) &&
                      RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, WRITE_DAC, &key) == ERROR_SUCCESS &&
                      RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    if (key)
        RegCloseKey(key);
    LocalFree(sd);
    return done;
}
