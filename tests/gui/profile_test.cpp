// The application's profile functions over the per-user registry.
#include <gtest/gtest.h>

#include <string>

#include "shell/units_app.h"
#include "tests/support/settings_store.h"

namespace {

bool ReadStoredDword(const wchar_t* section, const wchar_t* entry, DWORD* value)
{
    const std::wstring path = ApplicationKey() + L"\\" + section;
    DWORD size = sizeof(*value);
    return RegGetValueW(HKEY_CURRENT_USER, path.c_str(), entry, RRF_RT_REG_DWORD, nullptr, value, &size) ==
           ERROR_SUCCESS;
}

}  // namespace

TEST(Profile, WritesADwordUnderCompanyApplicationAndSection)
{
    theApp.SetRegistryKey(CompanyName().c_str());
    for (int value : {0, 7, 10, -1, 2147483647}) {
        EXPECT_TRUE(theApp.WriteProfileInt("ProfileTest", "Number", value));
        DWORD stored = 0;
        ASSERT_TRUE(ReadStoredDword(L"ProfileTest", L"Number", &stored));
        EXPECT_EQ(stored, static_cast<DWORD>(value));
        EXPECT_EQ(static_cast<int>(theApp.GetProfileInt("ProfileTest", "Number", 5)), value);
    }
    EXPECT_EQ(theApp.GetProfileInt("ProfileTest", "Missing", 5), 5u);
    EXPECT_EQ(theApp.GetProfileInt("NoSuchSection", "Number", 5), 5u);
}

TEST(Profile, FailedWriteIsSilentAndStoresNothing)
{
    theApp.SetRegistryKey(CompanyName().c_str());
    // A key name longer than the registry allows cannot be created.
    const std::string tooLong(300, 's');
    EXPECT_FALSE(theApp.WriteProfileInt(tooLong.c_str(), "Number", 3));
    EXPECT_EQ(theApp.GetProfileInt(tooLong.c_str(), "Number", 5), 5u);
}
