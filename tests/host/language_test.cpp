#include "core/languagetag.h"
#include "core/textfill.h"

#include <gtest/gtest.h>
#include <string>

// Windows' list as the call gives it: zero-ended tags, then an empty one.
static int match(std::string list)
{
    static const char *const ours[] = {"en", "de", "pt-PT", "pt-BR", "zh-Hans", "zh-Hant", "ar"};
    for (char &c : list)
        if (c == ',')
            c = '\0';
    list += '\0';
    return matchLanguage(ours, 7, list.c_str());
}

TEST(Language, FirstOfWindowsListThatWeHave)
{
    struct { const char *list; int found; } cases[] = {
        {"de-DE", 1}, {"DE-at", 1}, {"sr-Latn-RS,fi-FI", -1}, {"fi-FI,de-CH,en-US", 1},
        {"pt-BR", 3}, {"pt-PT", 2}, {"pt", 3}, {"PT-br", 3}, {"pt-AO", 2}, {"pt-Latn-BR", 3},
        {"en-GB,pt-BR", 0},
        {"zh-CN", 4}, {"zh-SG", 4}, {"zh-Hans", 4}, {"zh", 4}, {"zh-Hans-HK", 4}, {"zh-TW", 5},
        {"zh-HK", 5}, {"zh-MO", 5}, {"zh-Hant", 5}, {"zh-Hant-CN", 5}, {"zhx-TW,ar-EG", 6},
        {"de-", 1}, {"", -1}, {"d", -1}, {"pt-B", 2},
    };
    for (auto &c : cases)
        EXPECT_EQ(match(c.list), c.found) << c.list;
}

TEST(Language, FillTextPlacesArgumentsInTheLanguagesOrder)
{
    const wchar_t *args[] = {L"#FF8000", L"\x0627\x0644", L"4.54:1"};
    wchar_t out[64];
    EXPECT_STREQ(fillText(out, 64, L"%2 of %1: 100% %3%4 %", args, 3, false),
                 L"\x0627\x0644 of #FF8000: 100% 4.54:1 %");
    // Right to left: the texts with no right-to-left letter kept left to right.
    EXPECT_STREQ(fillText(out, 64, L"%3 %2 %1", args, 3, true),
                 L"\x202A" L"4.54:1\x202C \x0627\x0644 \x202A#FF8000\x202C");
    EXPECT_STREQ(fillText(out, 8, L"%1%1", args, 3, false), L"#FF8000");
    EXPECT_EQ(markedLetter(L"Sna&p && &q"), L'p');
    EXPECT_EQ(markedLetter(L"Tom && Jerry(&J)"), L'J');
    EXPECT_EQ(markedLetter(L"a&&b&"), 0);
}
