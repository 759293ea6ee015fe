// The paste parse: the longest colour text a stylesheet writes, a color()
// in display-p3 with an alpha, the longest lab() text the program copies,
// and the longest declaration around the first, each against the shortest
// text, FF8000; the first and the declaration also at the head of a 1 MB
// clipboard text. Parsed in this process, in rounds that take turns, as
// the paste command does while it holds the clipboard's text. Then the
// copy: each form, and a template of the models' placeholders, written
// for colours across the cube, against RRGGBB.
#include "bench.h"
#include "core/color.h"
#include "core/colorparse.h"
#include "core/colortemplate.h"
#include "core/colortext.h"

#include <cstdio>
#include <cstring>
#include <string>

static const char longest[] = "color(display-p3 0.21604 0.49418 0.13151 / 0.5)";
static const char declaration[] =
    "background-color: color(display-p3 0.21604 0.49418 0.13151 / 0.5) !important;";
// No lab() the program writes is longer: a negative a and b, one of them
// past -100, needs a blue whose a is positive.
static const char longestLab[] = "lab(13.04 -10.29 -10.57)";

// Microseconds per parse, over n parses of text.
static double timeParses(const std::string &text, int n)
{
    double t0 = nowMicroseconds();
    for (int i = 0; i < n; i++)
        readColorText(text.c_str(), text.size() + 1, curColor);
    return (nowMicroseconds() - t0) / n;
}

// Microseconds per copy in a form, over 2,000 colours spread over the cube.
static double timeCopies(int form)
{
    char text[copyTextSize];
    double t0 = nowMicroseconds();
    for (uint32_t i = 0; i < 2000; i++)
        formatColorText(i * 0x9E3779B1u, (CopyForm)form, text, sizeof text);
    return (nowMicroseconds() - t0) / 2000;
}

// The copy of each form and of the template against RRGGBB: the slowest
// form and the template, each under 10 us.
static void runCopyBench()
{
    strcpy(copyTemplate, "{H}{Sv}{V} {W}{Bk} {C}{M}{Y}{K} {labL}{labA}{labB} {lchL}{lchC}{lchH} "
                         "{okL}{okC}{okH} {colorref}");
    std::vector<double> times[copyFormCount];
    for (int round = 0; round < 15; round++)
        for (int form = 0; form < copyFormCount; form++)
            times[form].push_back(timeCopies(form));
    int slowest = copyHashHex;
    for (int form = 0; form < copyFormCount; form++)
        if (form != copyCustom && median(times[form]) > median(times[slowest]))
            slowest = form;
    double base = median(times[copyHex]);
    char name[80], o[32], b[32];
    snprintf(b, sizeof b, "%.2f us", base);
    for (int form : {slowest, (int)copyCustom}) {
        double ours = median(times[form]);
        snprintf(name, sizeof name,
                 form == copyCustom ? "copy through a template of 19 placeholders, against RRGGBB"
                                    : "copy as %s(), the slowest form, against RRGGBB",
                 copyFormNames[form]);
        snprintf(o, sizeof o, "%.2f us", ours);
        printRow(name, o, b, ours / base, "< 10 us", ours < 10);
    }
    copyTemplate[0] = '\0';
}

int runPasteBench()
{
    const std::string tail(1 << 20, ' ');
    const std::string texts[6] = {"FF8000",    longest,           longest + tail,
                                  declaration, declaration + tail, longestLab};
    std::vector<double> times[6];
    for (int round = 0; round < 15; round++)
        for (int k = 0; k < 6; k++)
            times[k].push_back(timeParses(texts[k], 2000));
    for (const char *text : {longest, declaration})
        if (!readColorText(text, SIZE_MAX, curColor) || curColor != 0x008000) {
            fprintf(stderr, "paste: %s did not read as green\n", text);
            return 1;
        }
    char copied[40];
    if (!readColorText(longestLab, SIZE_MAX, curColor) ||
        strcmp(formatColorText(curColor, copyLab, copied, 40), longestLab)) {
        fprintf(stderr, "paste: %s is not the copy of the colour it reads as\n", longestLab);
        return 1;
    }
    double base = median(times[0]);
    const char *names[2][2] = {
        {"paste of color(display-p3 ...), against FF8000",
         "the same at the head of a 1 MB text (against the short text)"},
        {"paste of background-color: color(display-p3 ...) !important;, against FF8000",
         "the same at the head of a 1 MB text (against the declaration alone)"}};
    char o[32], b[32];
    snprintf(b, sizeof b, "%.2f us", base);
    for (int i = 0; i < 2; i++) {
        double ours = median(times[1 + 2 * i]), huge = median(times[2 + 2 * i]);
        snprintf(o, sizeof o, "%.2f us", ours);
        printRow(names[i][0], o, b, ours / base, "< 1000 us", ours < 1000);
        printRatioRow(names[i][1], huge, ours, "us", 0);
    }
    double lab = median(times[5]);
    snprintf(o, sizeof o, "%.2f us", lab);
    printRow("paste of lab(13.04 -10.29 -10.57), against FF8000", o, b, lab / base, "< 1000 us", lab < 1000);
    runCopyBench();
    return 0;
}
