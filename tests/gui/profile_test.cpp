// The application's profile functions over the per-user registry.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "shell/units_app.h"
#include "tests/support/settings_store.h"

TEST(Profile, WritesADwordUnderCompanyApplicationAndSection)
{
    theApp.SetRegistryKey(CompanyName().c_str());
    for (int value : {0, 7, 10, -1, 2147483647}) {
        EXPECT_TRUE(theApp.WriteProfileInt("ProfileTest", "Number", value));
        EXPECT_EQ(ReadUserDword((ApplicationKey() + L"\\ProfileTest").c_str(), L"Number"),
                  std::optional<DWORD>(static_cast<DWORD>(value)));
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
