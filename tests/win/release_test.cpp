// The built tinctora.exe as Windows sees it before running it: exactly one
// manifest, asking for per-monitor DPI awareness, and version details that
// carry the version set in CMake; and it stays small.
#include <windows.h>

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK addName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    ((std::vector<long> *)names)->push_back(IS_INTRESOURCE(name) ? (long)(ULONG_PTR)name : -1);
    return TRUE;
}

BOOL CALLBACK countLanguage(HMODULE, LPCSTR, LPCSTR, WORD, LONG_PTR count)
{
    ++*(int *)count;
    return TRUE;
}

std::string versionString(const std::vector<char> &info, const char *name)
{
    struct { WORD language, codePage; } *tr;
    UINT size;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", (void **)&tr, &size) ||
        size < sizeof *tr)
        return "(no translation)";
    char path[80];
    snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", tr->language, tr->codePage, name);
    char *text;
    if (!VerQueryValueA(info.data(), path, (void **)&text, &size))
        return "(missing)";
    return text;
}

TEST(Release, OneManifestAskingForPerMonitorDpiAwareness)
{
    // Loaded for its resources only, never run.
    HMODULE exe = LoadLibraryExA(TINCTORA_EXE_PATH, nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_TRUE(exe) << TINCTORA_EXE_PATH;
    // A second manifest, from the toolchain's default or a linker's own,
    // would leave it to chance which one the loader reads.
    std::vector<long> names;
    EnumResourceNamesA(exe, RT_MANIFEST, addName, (LONG_PTR)&names);
    ASSERT_EQ(std::vector<long>{1}, names);
    int languages = 0;
    EnumResourceLanguagesA(exe, RT_MANIFEST, MAKEINTRESOURCEA(1), countLanguage,
                           (LONG_PTR)&languages);
    EXPECT_EQ(1, languages);

    HRSRC found = FindResourceA(exe, MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_TRUE(found);
    std::string text((const char *)LockResource(LoadResource(exe, found)),
                     SizeofResource(exe, found));
    EXPECT_NE(std::string::npos,
              text.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                        "WindowsSettings\">PerMonitorV2</dpiAwareness>"))
        << text;
    EXPECT_NE(std::string::npos,
              text.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                        "WindowsSettings\">true</dpiAware>"))
        << text;
    FreeLibrary(exe);
}

TEST(Release, VersionDetailsCarryTheProjectVersion)
{
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(3, sscanf(TINCTORA_VERSION, "%u.%u.%u", &major, &minor, &patch));
    DWORD size = GetFileVersionInfoSizeA(TINCTORA_EXE_PATH, nullptr);
    ASSERT_NE(0u, size) << "no version resource in " TINCTORA_EXE_PATH;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(TINCTORA_EXE_PATH, 0, size, info.data()));

    VS_FIXEDFILEINFO *fixed;
    UINT fixedSize;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", (void **)&fixed, &fixedSize));
    EXPECT_EQ(MAKELONG(minor, major), fixed->dwProductVersionMS);
    EXPECT_EQ(MAKELONG(0, patch), fixed->dwProductVersionLS);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ((DWORD)VFT_APP, fixed->dwFileType);

    EXPECT_EQ("Tinctora", versionString(info, "ProductName"));
    EXPECT_EQ(TINCTORA_VERSION, versionString(info, "ProductVersion"));
    EXPECT_EQ(TINCTORA_VERSION, versionString(info, "FileVersion"));
    EXPECT_EQ("tinctora.exe", versionString(info, "OriginalFilename"));
}

// One construct that drags a part of the C++ runtime in (a guarded static,
// the C99 printf) costs more than the whole program. The palettes, the
// colour models and the command line brought the limit from 100 KB back to
// 128 KB; the texts of every language, some 5 KB each, make it 384 KB.
TEST(Release, AtMost384Kilobytes)
{
    WIN32_FILE_ATTRIBUTE_DATA file;
    ASSERT_TRUE(GetFileAttributesExA(TINCTORA_EXE_PATH, GetFileExInfoStandard, &file));
    EXPECT_EQ(0u, file.nFileSizeHigh);
    EXPECT_LE(file.nFileSizeLow, 384u * 1024);
}

} // namespace
