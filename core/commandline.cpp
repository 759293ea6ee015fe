#include "commandline.h"
#include "colorparse.h"
#include "colortemplate.h"
#include "textscan.h"

#include <cstring>

const char *copyFormList(char *out, size_t size, const char *lineEnd)
{
    size_t n = 0, column = 0;
    auto put = [&](const char *piece) {
        for (; *piece && n + 1 < size; piece++)
            out[n++] = *piece;
    };
    for (int form = 0; form < copyFormCount; form++) {
        size_t length = strlen(copyFormNames[form]) + (form + 1 < copyFormCount);
        if (!form || column + 1 + length > 76)
            put(form ? lineEnd : ""), put("                   "), column = 19;
        else
            put(" "), column++;
        put(copyFormNames[form]), put(form + 1 < copyFormCount ? "," : "");
        column += length;
    }
    if (size)
        out[n] = '\0';
    return out;
}

static bool sameName(const char *word, const char *name)
{
    const char *rest = startsWith(word, name, true);
    return rest && !*rest;
}

int copyFormNamed(const char *name)
{
    for (int form = 0; form < copyFormCount; form++)
        if (sameName(name, copyFormNames[form]))
            return form;
    return -1;
}

const char *formatCommandText(uint32_t color, int form, const char *templateText, char *out,
                              size_t size)
{
    if (templateText)
        return formatTemplateText(color, templateText, out, size);
    return formatColorText(color, form == formOfProgram ? copyForm : (CopyForm)form, out, size);
}

// The options by what they set; each may come once.
enum Option { optionPick, optionGet, optionSet, optionFormat, optionTemplate, optionHelp,
              optionCount };

static const struct {
    const char *name;
    Option option;
} optionNames[] = {
    {"--pick", optionPick},       {"--get", optionGet},   {"--set", optionSet},
    {"--format", optionFormat},   {"--template", optionTemplate},
    {"--help", optionHelp},       {"-h", optionHelp},     {"/?", optionHelp},
    {"-?", optionHelp},
};

static bool takesValue(Option option)
{
    return option == optionSet || option == optionFormat || option == optionTemplate;
}

bool readCommandLine(int count, const char *const *words, CommandRequest &request)
{
    request = {commandStart, formOfProgram, nullptr, nullptr, nullptr};
    if (count == 1 && words[0][0] && words[0][0] != '-' && strcmp(words[0], "/?")) {
        request.action = commandOpen;
        request.fileName = words[0];
        return true;
    }
    bool given[optionCount] = {};
    const char *formName = nullptr;
    for (int i = 0; i < count; i++) {
        const char *word = words[i], *value = nullptr;
        Option option = optionCount;
        for (const auto &entry : optionNames) {
            const char *rest = startsWith(word, entry.name, true);
            if (!rest)
                continue;
            if (*rest == '=' && takesValue(entry.option))
                value = rest + 1;
            else if (*rest)
                continue;
            option = entry.option;
            break;
        }
        if (option == optionCount || given[option])
            return false;
        given[option] = true;
        if (takesValue(option) && !value) {
            if (i + 1 >= count)
                return false;
            value = words[++i];
        }
        if (option == optionSet)
            request.colorText = value;
        else if (option == optionFormat)
            formName = value;
        else if (option == optionTemplate)
            request.templateText = value;
    }
    if (given[optionHelp]) {
        request.action = commandHelp;
        return true;
    }
    int actions = given[optionPick] + given[optionGet] + given[optionSet];
    if (actions > 1)
        return false;
    request.action = given[optionPick] ? commandPick
                     : given[optionGet] ? commandGet
                     : given[optionSet] ? commandSet
                                        : commandStart;
    bool printed = request.action == commandPick || request.action == commandGet;
    if ((formName || request.templateText) && !printed)
        return false;
    if (formName) {
        request.form = copyFormNamed(formName);
        if (request.form < 0)
            return false;
    }
    if (request.templateText) {
        // A template names its form; another form beside it is a contradiction.
        if (formName && request.form != copyCustom)
            return false;
        if (wideLength(request.templateText) > copyTemplateMax)
            return false;
        request.form = copyCustom;
    }
    return true;
}

bool readSetColor(const char *text, size_t limit, uint32_t &color)
{
    TextScan s = {text, limit, 0};
    skipBlanks(s);
    return peek(s) && readColorText(text, limit, color);
}

bool quoteCommandWord(const char *word, char *out, size_t size)
{
    size_t n = 0;
    auto put = [&](char c) {
        if (n + 1 < size)
            out[n] = c;
        n++;
    };
    bool bare = *word && !strpbrk(word, " \t\"");
    if (!bare)
        put('"');
    for (const char *c = word;; c++) {
        size_t backslashes = 0;
        for (; *c == '\\'; c++)
            backslashes++;
        bool quoteFollows = !bare && (*c == '"' || !*c);
        for (size_t i = 0; i < backslashes * (quoteFollows ? 2 : 1); i++)
            put('\\');
        if (!*c)
            break;
        if (*c == '"')
            put('\\');
        put(*c);
    }
    if (!bare)
        put('"');
    if (size)
        out[n < size ? n : size - 1] = '\0';
    return n < size;
}
