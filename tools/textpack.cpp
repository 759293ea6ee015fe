// textpack LIST TEXTDIR OUTDIR: turns the texts of every language named in
// LIST (res/texts/languages.txt) into what the build compiles: OUTDIR/TAG.bin
// holds a language's texts in the order of English's keys, each in UTF-8
// ended by a zero byte (a key the language lacks is an empty text, which
// the tests catch); OUTDIR/texts.rc puts each into the resources under its
// own LANGUAGE; OUTDIR/texts.h names the texts and lists the languages.
// A line it cannot read, or a key English does not have, stops the build.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Language {
    std::string tag;
    unsigned id = 0;
    bool rightToLeft = false;
};

bool fail(const std::string &where, const std::string &what)
{
    fprintf(stderr, "%s: %s\n", where.c_str(), what.c_str());
    return false;
}

bool readLines(const std::string &path, std::vector<std::string> &lines)
{
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return fail(path, "cannot be read");
    std::string line;
    for (int c; (c = fgetc(f)) != EOF;) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += (char)c;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    fclose(f);
    // A byte order mark, as some editors write one.
    if (!lines.empty() && lines[0].compare(0, 3, "\xEF\xBB\xBF") == 0)
        lines[0].erase(0, 3);
    return true;
}

bool isKey(const std::string &key)
{
    if (key.empty())
        return false;
    for (char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// "key = text" lines, in order; # lines and blank lines are notes.
bool readTexts(const std::string &path, std::vector<std::pair<std::string, std::string>> &texts)
{
    std::vector<std::string> lines;
    if (!readLines(path, lines))
        return false;
    for (size_t n = 0; n < lines.size(); n++) {
        const std::string &line = lines[n];
        std::string where = path + ":" + std::to_string(n + 1);
        if (line.empty() || line[0] == '#')
            continue;
        size_t eq = line.find(" = ");
        if (eq == std::string::npos || !isKey(line.substr(0, eq)))
            return fail(where, "not \"key = text\"");
        std::string text;
        for (size_t i = eq + 3; i < line.size(); i++) {
            if (line[i] != '\\') {
                text += line[i];
                continue;
            }
            char next = i + 1 < line.size() ? line[++i] : '\0';
            if (next == 'n')
                text += "\r\n";
            else if (next == '\\')
                text += '\\';
            else
                return fail(where, "\\ not followed by n or \\");
        }
        for (auto &seen : texts)
            if (seen.first == line.substr(0, eq))
                return fail(where, "key given twice");
        texts.push_back({line.substr(0, eq), text});
    }
    return true;
}

bool readLanguages(const std::string &path, std::vector<Language> &languages)
{
    std::vector<std::string> lines;
    if (!readLines(path, lines))
        return false;
    for (size_t n = 0; n < lines.size(); n++) {
        if (lines[n].empty() || lines[n][0] == '#')
            continue;
        char tag[32], direction[8];
        Language language;
        if (sscanf(lines[n].c_str(), "%31s %x %7s", tag, &language.id, direction) != 3 ||
            (std::string(direction) != "ltr" && std::string(direction) != "rtl"))
            return fail(path + ":" + std::to_string(n + 1), "not \"tag id ltr|rtl\"");
        language.tag = tag;
        language.rightToLeft = std::string(direction) == "rtl";
        languages.push_back(language);
    }
    if (languages.empty() || languages[0].tag != "en")
        return fail(path, "English must come first: the other languages follow its keys");
    return true;
}

// A UTF-8 text as a wide literal's contents: ASCII as it is, the rest as
// universal character names, so that the header stays ASCII.
std::string wideLiteral(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = text[i];
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        unsigned code = extra ? c & (0x3F >> extra) : c;
        for (int k = 1; k <= extra && i + k < text.size(); k++)
            code = code << 6 | (text[i + k] & 0x3F);
        i += extra + 1;
        char buffer[16];
        if (code == '"' || code == '\\')
            snprintf(buffer, sizeof buffer, "\\%c", (char)code);
        else if (code >= 0x20 && code < 0x7F)
            snprintf(buffer, sizeof buffer, "%c", (char)code);
        else
            snprintf(buffer, sizeof buffer, "\\U%08X", code);
        out += buffer;
    }
    return out;
}

bool writeFile(const std::string &path, const std::string &bytes)
{
    FILE *f = fopen(path.c_str(), "wb");
    if (!f)
        return fail(path, "cannot be written");
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return (fclose(f) == 0 && ok) || fail(path, "cannot be written");
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: textpack LIST TEXTDIR OUTDIR\n");
        return 2;
    }
    std::string dir = argv[2], out = argv[3];
    std::vector<Language> languages;
    if (!readLanguages(argv[1], languages))
        return 1;
    std::vector<std::string> keys;
    std::string rc = "/* Made by textpack from res/texts: each language's texts. */\n";
    std::string header = "// Made by textpack from res/texts.\n#pragma once\n\nenum TextId {\n";
    std::string table;
    for (const Language &language : languages) {
        std::vector<std::pair<std::string, std::string>> texts;
        std::string path = dir + "/" + language.tag + ".txt";
        if (!readTexts(path, texts))
            return 1;
        std::map<std::string, std::string> byKey(texts.begin(), texts.end());
        if (keys.empty())
            for (auto &text : texts)
                keys.push_back(text.first);
        for (auto &text : texts)
            if (std::find(keys.begin(), keys.end(), text.first) == keys.end())
                return fail(path, "\"" + text.first + "\" is no key of English's"), 1;
        std::string bytes;
        for (const std::string &key : keys)
            bytes += byKey[key] + '\0';
        std::string bin = out + "/" + language.tag + ".bin";
        if (!writeFile(bin, bytes))
            return 1;
        char block[64];
        snprintf(block, sizeof block, "LANGUAGE 0x%02X, 0x%02X\n", language.id & 0x3FF,
                 language.id >> 10);
        rc += block + std::string("TINCTORA_TEXTS RCDATA \"") + bin + "\"\n";
        snprintf(block, sizeof block, "    {0x%04X, \"", language.id);
        table += block + language.tag + "\", " + (language.rightToLeft ? "true" : "false") +
                 ", L\"" + wideLiteral(byKey["languageName"]) + "\"},\n";
    }
    for (const std::string &key : keys)
        header += "    text" + std::string(1, (char)toupper(key[0])) + key.substr(1) + ",\n";
    header += "    textCount\n};\n\n"
              "struct BuiltLanguage {\n    unsigned short id;  // of its resources\n"
              "    const char *tag;\n    bool rightToLeft;\n    const wchar_t *name;  // its own\n};\n\n"
              "const BuiltLanguage builtLanguages[] = {\n" + table + "};\n"
              "const int builtLanguageCount = " + std::to_string(languages.size()) + ";\n";
    return writeFile(out + "/texts.rc", rc) && writeFile(out + "/texts.h", header) ? 0 : 1;
}
