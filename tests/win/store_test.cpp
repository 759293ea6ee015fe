#include "win_fixture.h"
#include "app/settings.h"
#include "app/texts.h"
#include "core/color.h"
#include "core/history.h"
#include "core/options.h"
#include "core/sample.h"
#include "core/vision.h"
#include "input/gesture.h"
#include "input/windowmove.h"

#include <gtest/gtest.h>
#include <sddl.h>
#include <vector>

namespace {

struct Store : ::testing::Test {
    void SetUp() override
    {
        clearSettings();
        alwyOnTop = 0;
        snapTol = 8;
        windowRect = {(LONG)CW_USEDEFAULT, (LONG)CW_USEDEFAULT, 0, 0};
        curColor = oldColor = 0;
        recentColors.count = pinnedColors.count = 0;
    }
    void TearDown() override { clearSettings(); }
    void put(const char *name, DWORD type, const void *data, DWORD size)
    {
        ASSERT_TRUE(putSetting(name, type, data, size));
    }
    void putDword(const char *name, DWORD v) { put(name, REG_DWORD, &v, 4); }
    bool keyExists()
    {
        HKEY key;
        if (RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    DWORD stored(const char *name, DWORD *type)
    {
        HKEY key;
        DWORD v = 0xDEADBEEF, size = 4;
        RegOpenKeyA(HKEY_CURRENT_USER, settingsKey, &key);
        RegQueryValueExA(key, name, nullptr, type, (BYTE *)&v, &size);
        RegCloseKey(key);
        return v;
    }
};

TEST_F(Store, FirstRunKeepsStartValuesAndCreatesNothing)
{
    loadSettings();
    EXPECT_FALSE(keyExists());
    EXPECT_EQ(0, alwyOnTop);
    EXPECT_EQ(8, snapTol);
    EXPECT_EQ((LONG)CW_USEDEFAULT, windowRect.left);
    EXPECT_EQ(0u, curColor);
}

TEST_F(Store, PartialKeyAndOddButValidValues)
{
    putDword("alwyOnTop", 2);
    putDword("snapTol", 20);
    putDword("yPos", (DWORD)-300);
    loadSettings();
    EXPECT_EQ(1, alwyOnTop);
    EXPECT_EQ(20, snapTol);
    EXPECT_EQ((LONG)CW_USEDEFAULT, windowRect.left);
    EXPECT_EQ(-300, windowRect.top);
    EXPECT_EQ(0u, curColor);
    ASSERT_TRUE(saveSettings());
    DWORD type;
    EXPECT_EQ(1u, stored("alwyOnTop", &type));
    EXPECT_EQ((DWORD)REG_DWORD, type);
    EXPECT_EQ(20u, stored("snapTol", &type));
    EXPECT_EQ((DWORD)-300, stored("yPos", &type));
}

TEST_F(Store, WrongSizedValuesLeaveStartValuesAndNeighbours)
{
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    put("snapTol", REG_BINARY, eight, 2);
    put("xPos", REG_BINARY, eight, 8);
    put("yPos", REG_SZ, "12345678", 9);
    put("curColor", REG_QWORD, eight, 8);
    put("oldColor", REG_BINARY, eight, 0);
    loadSettings();
    EXPECT_EQ(8, snapTol);
    EXPECT_EQ((LONG)CW_USEDEFAULT, windowRect.left);
    EXPECT_EQ((LONG)CW_USEDEFAULT, windowRect.top);
    EXPECT_EQ(0, windowRect.right) << "the neighbour of a query's target is untouched";
    EXPECT_EQ(0u, curColor);
    EXPECT_EQ(0u, oldColor);
    ASSERT_TRUE(saveSettings());
    DWORD type;
    EXPECT_EQ(8u, stored("snapTol", &type));
    EXPECT_EQ((DWORD)REG_DWORD, type);
}

TEST_F(Store, EverythingSavedLoadsExactly)
{
    alwyOnTop = 1;
    snapTol = -3;
    windowRect = {-2000000000, 2000000000, 0, 0};
    curColor = 0xFF123456;
    oldColor = 0x00ABCDEF;
    ASSERT_TRUE(saveSettings());
    alwyOnTop = 0;
    snapTol = 8;
    windowRect = {};
    curColor = oldColor = 0;
    loadSettings();
    EXPECT_EQ(1, alwyOnTop);
    EXPECT_EQ(-3, snapTol);
    EXPECT_EQ(-2000000000, windowRect.left);
    EXPECT_EQ(2000000000, windowRect.top);
    EXPECT_EQ(0xFF123456u, curColor);
    EXPECT_EQ(0x00ABCDEFu, oldColor);
}

// The pick's settings: a REG_DWORD in range, anything else the default, a
// hotkey the control cannot show (more flags, no key, more than 16 bits)
// or one without Ctrl, Alt or the Windows key too (Alt alone is enough);
// each saved as it reads.
TEST_F(Store, PickSettingsInRangeOrTheDefault)
{
    const uint32_t ctrlH = 0x0248, none = 0;
    const uint32_t anyKey = defaultPickHotkey;
    const struct { DWORD copy, size, hotkey, vision, wantCopy, wantSize, wantHotkey, wantVision; } cases[] = {
        {1, 5, ctrlH, 4, 1, 5, ctrlH, 4}, {0, 3, none, 0, 0, 3, none, 0},
        {2, 4, 0x2048, 5, 0, 1, anyKey, 0}, {0xFFFFFFFF, 0, 0x0300, 0xFFFFFFFF, 0, 1, anyKey, 0},
        {1, 3, 0x10048, 1, 1, 3, anyKey, 1}, {1, 3, 0x0144, 3, 1, 3, anyKey, 3},
        {0, 5, 0x0450, 2, 0, 5, 0x0450, 2}};  // Alt+P
    for (const auto &c : cases) {
        putDword("copyOnPick", c.copy);
        putDword("sampleSize", c.size);
        putDword("pickHotkey", c.hotkey);
        putDword("visionFilter", c.vision);
        loadSettings();
        EXPECT_EQ(c.wantCopy, copyOnPick);
        EXPECT_EQ((int)c.wantSize, sampleSize);
        EXPECT_EQ(c.wantHotkey, pickHotkey);
        EXPECT_EQ((int)c.wantVision, visionFilter);
        ASSERT_TRUE(saveSettings());
        DWORD type;
        EXPECT_EQ(c.wantHotkey, stored("pickHotkey", &type));
        EXPECT_EQ(c.wantVision, stored("visionFilter", &type));
    }
    // Four bytes of another type are no REG_DWORD.
    put("sampleSize", REG_BINARY, "\x05\0\0\0", 4);
    put("pickHotkey", REG_BINARY, "\x48\x02\0\0", 4);
    put("magnifierZoom", REG_BINARY, "\x10\0\0\0", 4);
    put("visionFilter", REG_BINARY, "\x02\0\0\0", 4);
    loadSettings();
    EXPECT_EQ(1, sampleSize);
    EXPECT_EQ(8, magnifierZoom);
    EXPECT_EQ(defaultPickHotkey, pickHotkey);
    EXPECT_EQ(0, visionFilter);
}

// The colour lists are REG_BINARY only, of 4 KB at most: 4 KB whose valid
// entries, repeated, come last and whose last entry is cut short give them
// in order up to the limit; a REG_DWORD gives none, and so does a megabyte
// with those entries in its first 4 KB. The save keeps them.
TEST_F(Store, ColorListsOfEveryShapeAndSize)
{
    std::vector<DWORD> value(1 << 18, 0xFF000000);
    for (DWORD i = 0; i < 42; i++)
        value[1024 - 43 + i] = 1 + i / 2;
    put("history", REG_BINARY, value.data(), 4096 - 1);
    putDword("pinned", 5);
    for (int run = 0; run < 2; run++) {
        loadSettings();
        EXPECT_EQ(20, recentColors.count);
        EXPECT_EQ(20u, recentColors.colors[19]);
        EXPECT_EQ(0, pinnedColors.count);
        ASSERT_TRUE(saveSettings());
        recentColors.count = 0;
    }
    put("pinned", REG_BINARY, value.data(), DWORD(4 * value.size()));
    loadSettings();
    EXPECT_EQ(0, pinnedColors.count);
}

// The key's access list as SDDL gives it ("KR": read only, "KA": all).
void setKeyAccess(const char *sddl)
{
    HKEY key;
    PSECURITY_DESCRIPTOR sd;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, settingsKey, 0, WRITE_DAC, &key));
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd,
                                                                     nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd));
    LocalFree(sd);
    RegCloseKey(key);
}

// A key that may be read but not written: a save says so, and --set with
// no window stores nothing, says why on standard error and ends with 1.
TEST_F(Store, ReadOnlyKeyStoresNothingAndSaysSo)
{
    putDword("curColor", 0x123456);
    setKeyAccess("D:(A;;KR;;;WD)");
    curColor = 0x654321;
    EXPECT_FALSE(saveColors());
    wchar_t why[400];
    loadTexts();
    EXPECT_NE(nullptr, wcsstr(saveFailure(why, 400), L"Software\\Arvex\\Tinctora"));
    Child child;
    ASSERT_TRUE(startChild(child, "tinctora.exe", "--set 0080ff"));
    std::string said = readLine(child);
    EXPECT_EQ(1u, finishChild(child, 20000));
    EXPECT_EQ(0u, said.find("tinctora: The settings could not be stored")) << said;
    setKeyAccess("D:(A;;KA;;;WD)");
    DWORD type;
    EXPECT_EQ(0x123456u, stored("curColor", &type));
}

}  // namespace
