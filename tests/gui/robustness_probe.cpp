#include "tests/gui/robustness_probe.h"

#include <sddl.h>

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Brodvik\\Jednotar jednotek\\Settings";

}  // namespace

bool Responsive(HWND window)
{
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

int FreeGdiRoom()
{
    std::vector<HPEN> pens;
    for (int i = 0; i < 200000; ++i) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(i & 0xFF, 0, 0));
        if (!pen)
            break;
        pens.push_back(pen);
    }
    for (HPEN pen : pens)
        DeleteObject(pen);
    return static_cast<int>(pens.size());
}

StoredRaw ReadStoredRaw()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, L"Precision", nullptr, &type, nullptr, &size);
    std::vector<BYTE> data(size);
    if (status == ERROR_SUCCESS && size > 0)
        status = RegQueryValueExW(key, L"Precision", nullptr, &type, data.data(), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return std::pair(type, data);
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
