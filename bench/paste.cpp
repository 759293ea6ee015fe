// The paste parse: the longest colour text a stylesheet writes, a color()
// in display-p3 with an alpha, against the shortest, FF8000, and the same
// long text at the head of a 1 MB clipboard text. Parsed in this process,
// in rounds that take turns, as the paste command does while it holds the
// clipboard's text.
#include "bench.h"
#include "core/color.h"
#include "core/colorparse.h"

#include <cstdio>
#include <string>

static const char longest[] = "color(display-p3 0.21604 0.49418 0.13151 / 0.5)";

// Microseconds per parse, over n parses of text.
static double timeParses(const char *text, size_t size, int n)
{
    double t0 = nowMicroseconds();
    for (int i = 0; i < n; i++)
        applyColorText(text, size);
    return (nowMicroseconds() - t0) / n;
}

int runPasteBench()
{
    std::string huge = std::string(longest) + std::string(1 << 20, ' ');
    const char *texts[3] = {longest, "FF8000", huge.c_str()};
    size_t sizes[3] = {sizeof longest, 7, huge.size() + 1};
    std::vector<double> times[3];
    for (int round = 0; round < 15; round++)
        for (int k = 0; k < 3; k++)
            times[k].push_back(timeParses(texts[k], sizes[k], 2000));
    if (!applyColorText(longest) || curColor != 0x008000) {
        fprintf(stderr, "paste: the display-p3 text did not read as green\n");
        return 1;
    }
    double ours = median(times[0]), base = median(times[1]), huge1 = median(times[2]);
    char o[32], b[32];
    snprintf(o, sizeof o, "%.2f us", ours);
    snprintf(b, sizeof b, "%.2f us", base);
    printRow("paste of color(display-p3 ...), against FF8000", o, b, ours / base, "< 1000 us",
             ours < 1000);
    printRatioRow("the same at the head of a 1 MB text (against the short text)", huge1, ours,
                  "us", 0);
    return 0;
}
