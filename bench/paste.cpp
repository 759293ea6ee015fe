// The paste parse: the longest colour text a stylesheet writes, a color()
// in display-p3 with an alpha, and the longest declaration around it, each
// against the shortest text, FF8000, and each at the head of a 1 MB
// clipboard text. Parsed in this process, in rounds that take turns, as
// the paste command does while it holds the clipboard's text.
#include "bench.h"
#include "core/color.h"
#include "core/colorparse.h"

#include <cstdio>
#include <string>

static const char longest[] = "color(display-p3 0.21604 0.49418 0.13151 / 0.5)";
static const char declaration[] =
    "background-color: color(display-p3 0.21604 0.49418 0.13151 / 0.5) !important;";

// Microseconds per parse, over n parses of text.
static double timeParses(const std::string &text, int n)
{
    double t0 = nowMicroseconds();
    for (int i = 0; i < n; i++)
        readColorText(text.c_str(), text.size() + 1, curColor);
    return (nowMicroseconds() - t0) / n;
}

int runPasteBench()
{
    const std::string tail(1 << 20, ' ');
    const std::string texts[5] = {"FF8000", longest, longest + tail, declaration, declaration + tail};
    std::vector<double> times[5];
    for (int round = 0; round < 15; round++)
        for (int k = 0; k < 5; k++)
            times[k].push_back(timeParses(texts[k], 2000));
    for (const char *text : {longest, declaration})
        if (!readColorText(text, SIZE_MAX, curColor) || curColor != 0x008000) {
            fprintf(stderr, "paste: %s did not read as green\n", text);
            return 1;
        }
    double base = median(times[0]);
    const char *names[2][2] = {
        {"paste of color(display-p3 ...), against FF8000",
         "the same at the head of a 1 MB text (against the short text)"},
        {"paste of background-color: color(display-p3 ...) !important;, against FF8000",
         "the same at the head of a 1 MB text (against the declaration alone)"}};
    for (int i = 0; i < 2; i++) {
        double ours = median(times[1 + 2 * i]), huge = median(times[2 + 2 * i]);
        char o[32], b[32];
        snprintf(o, sizeof o, "%.2f us", ours);
        snprintf(b, sizeof b, "%.2f us", base);
        printRow(names[i][0], o, b, ours / base, "< 1000 us", ours < 1000);
        printRatioRow(names[i][1], huge, ours, "us", 0);
    }
    return 0;
}
