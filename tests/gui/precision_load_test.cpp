// The precision setting as the sheet loads it from the registry.
#include <gtest/gtest.h>

#include <string>

#include "pages/precision_setting.h"
#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Brodvik\\Jednotar jednotek\\Settings";

void Store(DWORD type, const void* data, DWORD size)
{
    ClearSettings();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, L"Precision", 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void StoreDword(int value)
{
    const DWORD data = static_cast<DWORD>(value);
    Store(REG_DWORD, &data, sizeof(data));
}

bool PrecisionIsStored()
{
    return RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Precision", RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

struct Loaded {
    int precision = -999;
    std::wstring value;
    std::wstring result;
};

// Starts the program, converts 5 m to km and reports what it showed.
Loaded RunAndConvert()
{
    Loaded loaded;
    EXPECT_TRUE(RunSheet([&](const Sheet& sheet) {
        loaded.precision = g_precision;
        HWND page = sheet.ShowPage(kLength);
        Select(page, IDC_FROM_UNIT, PositionOfUnit(Item(page, IDC_FROM_UNIT), kLength, "m"));
        Select(page, IDC_TO_UNIT, PositionOfUnit(Item(page, IDC_TO_UNIT), kLength, "km"));
        Type(Item(page, IDC_VALUE), L"5");
        loaded.value = TextOf(Item(page, IDC_VALUE));
        loaded.result = TextOf(Item(page, IDC_RESULT));
    }));
    return loaded;
}

}  // namespace

TEST(PrecisionLoad, EmptyStoreGivesFiveAndWritesNothing)
{
    ClearSettings();
    const Loaded loaded = RunAndConvert();
    EXPECT_EQ(loaded.precision, 5);
    EXPECT_EQ(loaded.result, L"0.00500 km");
    EXPECT_FALSE(PrecisionIsStored());
}

// A stored number is used as stored; out of 0..10 the formatting takes the
// nearest bound.
TEST(PrecisionLoad, StoredNumbersAreLoadedUnchanged)
{
    struct Case {
        int stored;
        const wchar_t* value;
        const wchar_t* result;
    };
    const Case cases[] = {
        {0, L"5 m", L"0 km"},
        {10, L"5.0000000000 m", L"0.0050000000 km"},
        {42, L"5.0000000000 m", L"0.0050000000 km"},
        {-1, L"5 m", L"0 km"},
        {3, L"5.000 m", L"0.005 km"},
    };
    for (const Case& c : cases) {
        StoreDword(c.stored);
        const Loaded loaded = RunAndConvert();
        EXPECT_EQ(loaded.precision, c.stored);
        EXPECT_EQ(loaded.value, c.value) << "stored " << c.stored;
        EXPECT_EQ(loaded.result, c.result) << "stored " << c.stored;
    }
}

TEST(PrecisionLoad, ValueOfAnotherTypeReadsAsTheDefault)
{
    const wchar_t text[] = L"3";
    const BYTE bytes[] = {3, 0};
    const unsigned long long wide = 3;
    const DWORD four = 3;
    struct Case {
        const char* name;
        DWORD type;
        const void* data;
        DWORD size;
    };
    const Case cases[] = {
        {"REG_SZ", REG_SZ, text, sizeof(text)},
        {"REG_BINARY", REG_BINARY, bytes, sizeof(bytes)},
        {"REG_BINARY of 4 bytes", REG_BINARY, &four, sizeof(four)},
        {"REG_QWORD", REG_QWORD, &wide, sizeof(wide)},
        {"REG_DWORD of 2 bytes", REG_DWORD, bytes, sizeof(bytes)},
    };
    for (const Case& c : cases) {
        Store(c.type, c.data, c.size);
        EXPECT_EQ(RunAndConvert().precision, 5) << c.name;
    }
    ClearSettings();
}
