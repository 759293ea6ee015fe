#include "core/commandline.h"
#include "core/commandrequest.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <cstddef>
#include <cstring>

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
    // An empty text is a value like any other, but no colour, nor is a blank one.
    r = readWords({"--set", ""});
    ASSERT_TRUE(r.ok);
    EXPECT_STREQ("", r.request.colorText);
    uint32_t color = 7;
    EXPECT_FALSE(readSetColor("", 1, color) || readSetColor(" \t", 2, color) ||
                 readSetColor(" #ff8000", 1, color));
    EXPECT_TRUE(readSetColor(" #0080ff", 8, color));
    EXPECT_EQ(0xFF8000u, color);
    r = readWords({"C:\\my palettes\\warm.gpl"});
    EXPECT_EQ(commandOpen, r.request.action);
    EXPECT_STREQ("C:\\my palettes\\warm.gpl", r.request.fileName);
    EXPECT_EQ(formOfProgram, readWords({"--get"}).request.form);
    EXPECT_EQ(commandStart, readWords({}).request.action);
    EXPECT_EQ(commandHelp, readWords({"/?"}).request.action);
    EXPECT_EQ(copyHashHex, copyFormNamed("#HEX"));
}

TEST(CommandLineTest, UsageErrors)
{
    std::string longTemplate(101, 'x');
    const std::vector<std::vector<const char *>> wrong = {
        {"--pik"}, {"pick", "--get"}, {"-pick"}, {"--set"}, {"--template", "{R}"},
        {"--set", "0", "--template", "{R}"}, {"--get", "--format"}, {"--get", "--get"},
        {"--get", "--set", "FF8000"}, {"--format", "rgb"}, {"--set", "0", "--format", "rgb"},
        {"--get", "--format", "rgba"}, {"--get", "--format=hex", "--template", "{R}"},
        {"--get", "--template", longTemplate.c_str()}, {"--pick=1"}, {"--help", "--x"},
    };
    for (const auto &words : wrong)
        EXPECT_FALSE(readWords(words).ok) << words[0] << " " << (words.size() > 1 ? words[1] : "");
}

// As CommandLineToArgvW and the C runtime read a command line back.
TEST(CommandLineTest, WordsQuotedForTheCommandLine)
{
    const char *const cases[][2] = {
        {"C:\\Program Files\\Tinctora\\tinctora.exe", "\"C:\\Program Files\\Tinctora\\tinctora.exe\""},
        {"D:\\x\\t.exe", "D:\\x\\t.exe"}, {"", "\"\""}, {"a\tb", "\"a\tb\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""}, {"a b\\", "\"a b\\\\\""},
        {"a\\\\\"b", "\"a\\\\\\\\\\\"b\""}, {"a\\\\ b", "\"a\\\\ b\""}};
    char out[64];
    for (const auto &c : cases) {
        EXPECT_TRUE(quoteCommandWord(c[0], out, sizeof out)) << c[0];
        EXPECT_STREQ(c[1], out);
    }
    EXPECT_FALSE(quoteCommandWord("a b", out, 5));
    EXPECT_TRUE(quoteCommandWord("a b", out, 6));
}

// The request's bytes as another process may send them: every size, tag,
// action, form and field checked before anything is read.
TEST(CommandLineTest, RequestsOfEveryShape)
{
    const char *words[] = {"--get", "--template", "{R}/{x}"};
    CommandRequest asked;
    ASSERT_TRUE(readCommandLine(3, words, asked));
    std::vector<char> bytes(sizeof(CommandRequestHead) + 8);
    size_t size = writeCommandRequest(asked, bytes.data(), bytes.size());
    ASSERT_EQ(sizeof(CommandRequestHead), size);
    CommandRequestHead head;
    const char *text;
    size_t textSize;
    ASSERT_TRUE(readCommandRequest(commandRequestTag, bytes.data(), size, head, text, textSize));
    EXPECT_EQ((uint32_t)commandGet, head.action);
    EXPECT_EQ(copyCustom, head.form);
    EXPECT_STREQ("{R}/{x}", head.templateText);
    EXPECT_FALSE(readCommandRequest(commandAnswerTag, bytes.data(), size, head, text, textSize));
    EXPECT_FALSE(readCommandRequest(commandRequestTag, bytes.data(), size + 1, head, text, textSize));
    auto changed = [&](size_t at, const void *value, size_t n) {
        std::vector<char> b(bytes.begin(), bytes.begin() + size);
        memcpy(b.data() + at, value, n);
        return readCommandRequest(commandRequestTag, b.data(), b.size(), head, text, textSize);
    };
    const uint32_t action = commandOpen + 1, formFar = copyFormCount, formBefore = (uint32_t)-2;
    EXPECT_FALSE(changed(offsetof(CommandRequestHead, action), &action, 4));
    EXPECT_FALSE(changed(offsetof(CommandRequestHead, form), &formFar, 4));
    EXPECT_FALSE(changed(offsetof(CommandRequestHead, form), &formBefore, 4));
    EXPECT_FALSE(changed(offsetof(CommandRequestHead, templateText),
                        std::string(copyTemplateSize, 'x').data(), copyTemplateSize));
    // A set carries its text, an open its file's name; a get carries none.
    CommandRequest set = {commandSet, formOfProgram, nullptr, "teal", nullptr};
    size = writeCommandRequest(set, bytes.data(), bytes.size());
    ASSERT_TRUE(readCommandRequest(commandRequestTag, bytes.data(), size, head, text, textSize));
    EXPECT_EQ("teal", std::string(text, textSize));
    // One byte short of a head, in a block of that size: nothing read past it.
    std::vector<char> cut(bytes.begin(), bytes.begin() + sizeof head - 1);
    EXPECT_FALSE(readCommandRequest(commandRequestTag, cut.data(), cut.size(), head, text, textSize));
    const uint32_t get = commandGet;
    EXPECT_FALSE(changed(offsetof(CommandRequestHead, action), &get, 4));
    CommandRequest open = {commandOpen, formOfProgram, nullptr, nullptr, ""};
    size = writeCommandRequest(open, bytes.data(), bytes.size());
    EXPECT_FALSE(readCommandRequest(commandRequestTag, bytes.data(), size, head, text, textSize));
    open.fileName = "a.gpl";
    EXPECT_EQ(0u, writeCommandRequest(open, bytes.data(), size + 4));
    CommandAnswer answer = {0, "rgb(1, 2, 3)"}, got;
    EXPECT_TRUE(readCommandAnswer(commandAnswerTag, &answer, sizeof answer, got));
    EXPECT_STREQ("rgb(1, 2, 3)", got.text);
    EXPECT_FALSE(readCommandAnswer(commandAnswerTag, &answer, sizeof answer - 1, got));
    answer.status = 2;
    EXPECT_FALSE(readCommandAnswer(commandAnswerTag, &answer, sizeof answer, got));
    answer = {1, {}};
    memset(answer.text, 'x', sizeof answer.text);
    EXPECT_FALSE(readCommandAnswer(commandAnswerTag, &answer, sizeof answer, got));
}

} // namespace
