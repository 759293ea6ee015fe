// tinctora_bench.exe: the benchmarks that run under Wine.
//   drag      drag-adjust moves and eyedropper samples through the real
//             window procedure, in this process
//   startup   tinctora.exe and the empty popup launched as processes
//   memory    both launched again and driven with 10,000 moves
//   paste     the paste parse of the longest colour text, declaration and lab()
//             against FF8000; the copy of each form against RRGGBB
//   menu      the History submenu opened with 36 entries against none, and
//             the Colour vision and Variations submenus
// Each prints its rows (see printRow); a failure prints why and exits 1.
#include "bench.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

double nowMicroseconds()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1e6 / (double)frequency.QuadPart;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printRow(const char *name, const char *ours, const char *base, double ratio,
              const char *target, bool met)
{
    printf("row|%s|%s|%s|%.2f|%s|%s\n", name, ours, base, ratio, target, met ? "yes" : "no");
    fflush(stdout);
}

void printRatioRow(const char *name, double ours, double base, const char *unit, double limit)
{
    char o[32], b[32], t[32];
    snprintf(o, sizeof o, "%.1f %s", ours, unit);
    snprintf(b, sizeof b, "%.1f %s", base, unit);
    snprintf(t, sizeof t, "<= %gx", limit);
    double ratio = ours / base;
    if (limit > 0) {
        printRow(name, o, b, ratio, t, ratio <= limit);
    } else {
        printf("row|%s|%s|%s|%.2f|-|-\n", name, o, b, ratio);
        fflush(stdout);
    }
}

int main(int argc, char **argv)
{
    if (argc > 1 && !strcmp(argv[1], "drag"))
        return runDragBench();
    if (argc > 1 && !strcmp(argv[1], "startup"))
        return runStartupBench();
    if (argc > 1 && !strcmp(argv[1], "memory"))
        return runMemoryBench();
    if (argc > 1 && !strcmp(argv[1], "paste"))
        return runPasteBench();
    if (argc > 1 && !strcmp(argv[1], "menu"))
        return runMenuBench();
    fprintf(stderr, "usage: tinctora_bench drag | startup | memory | paste | menu\n");
    return 2;
}
