// bench_timer_win.h - timing for the benchmarks that run under Wine: a
// millisecond clock and the median of repeated runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds from the performance counter.
inline double NowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)counter.QuadPart / (double)frequency.QuadPart;
}

inline double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
