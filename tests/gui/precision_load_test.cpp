// The precision setting in the settings store: what the profile read makes
// of every kind of stored value, what the sheet shows with it, and a store
// that refuses the write.
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/precision_setting.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/precision_driver.h"
#include "tests/gui/robustness_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/settings_store.h"
#include "tests/support/user_registry.h"

using namespace std::string_literals;

namespace {

std::vector<BYTE> Bytes(const std::wstring& text)
{
    const auto* first = reinterpret_cast<const BYTE*>(text.data());
    return {first, first + text.size() * sizeof(wchar_t)};
}

std::vector<BYTE> Dword(int value)
{
    const auto* first = reinterpret_cast<const BYTE*>(&value);  // little-endian, as REG_DWORD is
    return {first, first + sizeof(value)};
}

enum Shape { kEmptyStore, kValue, kNoSettingsKey, kPrecisionIsAKey };

// One stored precision and what the program makes of it: the number it
// loads and the texts of 5 m converted to km with it. A DWORD is used as
// stored and out of 0..10 printed at the nearest bound; any other value is
// the default 5.
struct Stored {
    const char* what;
    Shape shape;
    DWORD type;
    std::vector<BYTE> data;  // encodes 3 wherever a misreading could
    int loaded = 5;
    const wchar_t* value = L"5.00000 m";
    const wchar_t* result = L"0.00500 km";
};

const Stored kStoredValues[] = {
    {"empty store", kEmptyStore, REG_NONE, {}},
    {"0", kValue, REG_DWORD, Dword(0), 0, L"5 m", L"0 km"},
    {"10", kValue, REG_DWORD, Dword(10), 10, L"5.0000000000 m", L"0.0050000000 km"},
    {"42", kValue, REG_DWORD, Dword(42), 42, L"5.0000000000 m", L"0.0050000000 km"},
    {"-1", kValue, REG_DWORD, Dword(-1), -1, L"5 m", L"0 km"},
    {"3", kValue, REG_DWORD, Dword(3), 3, L"5.000 m", L"0.005 km"},
    {"2^31-1", kValue, REG_DWORD, Dword(INT_MAX), INT_MAX, L"5.0000000000 m", L"0.0050000000 km"},
    {"-2^31", kValue, REG_DWORD, Dword(INT_MIN), INT_MIN, L"5 m", L"0 km"},
    {"REG_SZ", kValue, REG_SZ, Bytes(L"3"s + L'\0')},
    {"REG_BINARY", kValue, REG_BINARY, {3, 0}},
    {"REG_BINARY of 4 bytes", kValue, REG_BINARY, Dword(3)},
    {"REG_QWORD", kValue, REG_QWORD, {3, 0, 0, 0, 0, 0, 0, 0}},
    {"REG_NONE", kValue, REG_NONE, {3, 0, 0, 0}},
    {"REG_EXPAND_SZ", kValue, REG_EXPAND_SZ, Bytes(L"3"s + L'\0')},
    {"REG_MULTI_SZ", kValue, REG_MULTI_SZ, Bytes(L"3\0\0"s)},
    {"REG_DWORD_BIG_ENDIAN", kValue, REG_DWORD_BIG_ENDIAN, {0, 0, 0, 3}},
    {"REG_LINK", kValue, REG_LINK, Bytes(L"3")},
    {"REG_DWORD of 0 bytes", kValue, REG_DWORD, {}},
    {"REG_DWORD of 2 bytes", kValue, REG_DWORD, {3, 0}},
    {"REG_DWORD of 8 bytes", kValue, REG_DWORD, {3, 0, 0, 0, 0, 0, 0, 0}},
    {"no Settings key", kNoSettingsKey, REG_NONE, {}},
    {"Precision is a key", kPrecisionIsAKey, REG_NONE, {}},
};

// Empties the store and puts `stored` into it.
void Put(const Stored& stored)
{
    ASSERT_TRUE(ClearSettings());
    if (stored.shape == kValue) {
        ASSERT_TRUE(StorePrecisionRaw(stored.type, stored.data.data(), static_cast<DWORD>(stored.data.size())));
    } else if (stored.shape != kEmptyStore) {
        const std::wstring path =
            stored.shape == kNoSettingsKey ? ApplicationKey() : kSettingsKey + L"\\"s + kPrecisionValue;
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }
}

}  // namespace

TEST(PrecisionLoad, EmptyStoreGivesFiveAndWritesNothing)
{
    EXPECT_TRUE(RunSheet([](const Sheet&) { EXPECT_EQ(g_precision, 5); }));
    EXPECT_EQ(ReadStoredRaw(), std::nullopt);
}

// What the profile read makes of each value, as the sheet makes it when it
// starts; the page prints with it, the precision dialog shows it, and the
// program leaves a bad value as it is until a confirmed dialog writes over
// it. One sheet for all the values, each loaded afresh.
TEST(PrecisionLoad, EveryStoredValueLoadsAndShowsUntilTheDialogWritesOverIt)
{
    EXPECT_TRUE(RunSheet([&](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        for (const Stored& stored : kStoredValues) {
            SCOPED_TRACE(stored.what);
            Put(stored);
            const StoredRaw before = ReadStoredRaw();
            g_precision = -999;
            LoadPrecisionSetting();
            EXPECT_EQ(g_precision, stored.loaded);
            EXPECT_EQ(ReadStoredRaw(), before) << "loading wrote";
            EmptyFields(f);
            Type(f.value, L"5");
            EXPECT_EQ(TextOf(f.value), stored.value);
            EXPECT_EQ(TextOf(f.result), stored.result);
            EXPECT_EQ(ReadStoredRaw(), before) << "converting wrote";
            std::wstring shown;
            ASSERT_TRUE(SetPrecision(sheet.window, L"7", &shown));
            EXPECT_EQ(shown, std::to_wstring(stored.loaded));
            EXPECT_EQ(g_precision, 7);
            EXPECT_EQ(ReadStoredRaw(), StoredRaw(std::pair(DWORD{REG_DWORD}, Dword(7))));
        }
    }));
}

// Wine checks a key's DACL when the key is opened, but not the parent's
// KEY_CREATE_SUB_KEY when a subkey is created: so every level is locked.
TEST(PrecisionLoad, ReadOnlyStoreLoadsAndAFailedWriteIsSilent)
{
    StorePrecision(3);
    for (const std::wstring& level : {CompanyKey(), ApplicationKey(), std::wstring(kSettingsKey)})
        ASSERT_TRUE(MakeReadOnly(level.c_str()));
    HKEY probe = nullptr;
    const LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &probe);
    if (opened == ERROR_SUCCESS)
        RegCloseKey(probe);
    // Windows and Wine both refuse; the test needs the refusal to mean anything.
    ASSERT_EQ(opened, ERROR_ACCESS_DENIED) << "the settings key was not made read-only";

    EXPECT_TRUE(RunSheet([](const Sheet& sheet) {
        EXPECT_EQ(g_precision, 3);
        const Conversion f = MetreToKilometre(sheet);
        Type(f.value, L"5");
        EXPECT_EQ(TextOf(f.result), L"0.005 km");

        std::wstring shown;
        ASSERT_TRUE(SetPrecision(sheet.window, L"8", &shown));
        EXPECT_EQ(shown, L"3");
        // The failed write is over once the sheet's thread has taken all
        // that was queued for it; a message would be open by then.
        ASSERT_TRUE(Settle(sheet.window));
        EXPECT_EQ(AnyWindowOwnedBy(sheet.window), nullptr);
        EXPECT_EQ(g_precision, 8);
        EXPECT_EQ(StoredPrecision(), std::optional<DWORD>(3));
        ConvertAgain(f);
        EXPECT_EQ(TextOf(f.result), L"0.00500000 km");
        EXPECT_EQ(TextOf(f.value), L"5.00000000 m");
        EXPECT_TRUE(Responsive(sheet.window));
    }));
    // Windows' RegDeleteTree refuses a key with values that does not open so.
    UnlockKeyTree(HKEY_CURRENT_USER, CompanyKey());
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &probe), ERROR_SUCCESS)
        << "still locked";
    RegCloseKey(probe);
    ClearSettings();
    HKEY gone = nullptr;  // no locked key is left for later tests
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, CompanyKey().c_str(), 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
}
