#include "commandline.h"
#include "colortemplate.h"
#include "textscan.h"

#include <cstring>

static const char usageHead[] =
    "Usage: tinctora [--pick | --get | --set TEXT] [--format FORM | --template TEXT]\r\n"
    "\r\n"
    "  (none)           start Tinctora, or bring the running one forward\r\n"
    "  --pick           pick a colour where the pointer is, as the pick hotkey\r\n"
    "                   does; print it and exit 0, or exit 1 if cancelled\r\n"
    "  --get            print the current colour\r\n"
    "  --set TEXT       set the current colour as a paste of TEXT would;\r\n"
    "                   exit 1 if TEXT is no colour\r\n"
    "  --format FORM    print in FORM:";
static const char usageTail[] =
    "\r\n"
    "  --template TEXT  print through TEXT, as a copy template would\r\n"
    "  --help, /?       print this\r\n"
    "\r\n"
    "Without --format or --template the copy form chosen in Tinctora is used.\r\n"
    "Exit status 2: a word not understood; nothing is done.\r\n";

// The usage with the forms' names as --format takes them, filled into
// lines of 76 characters at most.
static const char *usageText()
{
    static char text[sizeof usageHead + sizeof usageTail + 40 * copyFormCount];
    size_t n = 0, column = 34;
    auto put = [&](const char *piece) {
        while (*piece)
            text[n++] = *piece++;
    };
    put(usageHead);
    for (int form = 0; form < copyFormCount; form++) {
        const char *before = form == copyFormCount - 1 ? " or " : " ";
        const char *after = form < copyFormCount - 2 ? "," : "";
        size_t length = strlen(before) + strlen(copyFormNames[form]) + strlen(after);
        if (column + length > 76)
            put("\r\n                  "), column = 18;
        put(before), put(copyFormNames[form]), put(after);
        column += length;
    }
    put(usageTail);
    return text;
}

const char *const commandUsage = usageText();

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
    request = {commandStart, formOfProgram, nullptr, nullptr};
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
        if (strlen(request.templateText) > copyTemplateMax)
            return false;
        request.form = copyCustom;
    }
    return true;
}
