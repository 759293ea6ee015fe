// The benchmarks' shared pieces: a clock, medians and the result rows that
// scripts/bench.sh gathers into its table.
//
// The machines are shared and noisy, so every figure is a median over
// rounds, and each is set against a baseline timed in the same run, in
// rounds interleaved with its own.
#pragma once
#include <windows.h>

#include <vector>

// The empty popup's class brush; the launcher knows its face by it.
const COLORREF popupColor = RGB(0x3C, 0x8A, 0x5E);

// Microseconds on the performance counter.
double nowMicroseconds();

double median(std::vector<double> values);

// One table row on stdout, as "row|name|ours|baseline|ratio|target|met".
// When limit is above 0 the row is met while ours / base <= limit.
void printRatioRow(const char *name, double ours, double base, const char *unit, double limit);
// A row whose target is not a ratio; ratio is still ours / base.
void printRow(const char *name, const char *ours, const char *base, double ratio,
              const char *target, bool met);

// The modes of tinctora_bench.exe.
int runDragBench();
int runStartupBench();
int runMemoryBench();
int runPasteBench();
int runMenuBench();
