#include "core/commandline.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Read {
    bool ok;
    CommandRequest request;
};

Read readWords(std::vector<const char *> words)
{
    Read r;
    r.ok = readCommandLine((int)words.size(), words.data(), r.request);
    return r;
}

TEST(CommandLineTest, ActionsFormsAndValuesInAnyOrderAndCase)
{
    Read r = readWords({"--FORMAT", "Rgb", "--Pick"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(commandPick, r.request.action);
    EXPECT_EQ(copyRgb, r.request.form);
    r = readWords({"--set=#ff8000 x"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(commandSet, r.request.action);
    EXPECT_STREQ("#ff8000 x", r.request.colorText);
    r = readWords({"--template", "{x},{y}", "--get"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(copyCustom, r.request.form);
    EXPECT_STREQ("{x},{y}", r.request.templateText);
    // An empty text is a value like any other: the paste decides.
    r = readWords({"--set", ""});
    ASSERT_TRUE(r.ok);
    EXPECT_STREQ("", r.request.colorText);
    EXPECT_EQ(formOfProgram, readWords({"--get"}).request.form);
    EXPECT_EQ(commandStart, readWords({}).request.action);
    EXPECT_EQ(commandHelp, readWords({"/?"}).request.action);
    EXPECT_EQ(copyHashHex, copyFormNamed("#HEX"));
}

TEST(CommandLineTest, UsageErrors)
{
    std::string longTemplate(101, 'x');
    const std::vector<std::vector<const char *>> wrong = {
        {"--pik"}, {"pick"}, {"--set"}, {"--get", "--format"}, {"--get", "--get"},
        {"--get", "--set", "FF8000"}, {"--format", "rgb"}, {"--set", "0", "--format", "rgb"},
        {"--get", "--format", "rgba"}, {"--get", "--format=hex", "--template", "{R}"},
        {"--get", "--template", longTemplate.c_str()}, {"--pick=1"}, {"--help", "--x"},
    };
    for (const auto &words : wrong)
        EXPECT_FALSE(readWords(words).ok) << words[0] << " " << (words.size() > 1 ? words[1] : "");
}

} // namespace
