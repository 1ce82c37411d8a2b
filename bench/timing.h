#pragma once
// What every benchmark shares: the best of a few wall times, and a figure
// printed beside its baseline with their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace bench {

inline constexpr int runs = 5;

// Best of `times` wall times, in milliseconds; `prepare` runs before each, untimed.
inline double best(const std::function<void()>& step, const std::function<void()>& prepare = {}, int times = runs) {
    double fastest = 1e300;
    for (int i = 0; i < times; ++i) {
        if (prepare) prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
    return fastest;
}

// The widths of a figure's columns: its name, its baseline's name, the ratio.
struct Columns {
    int what = 34, baseline = 30, ratio = 5;
};

inline void report(const char* what, double ms, const char* baseline, double baseMs, Columns columns = {}) {
    std::printf("  %-*s %9.1f ms   %-*s %9.1f ms   %*.2fx\n", columns.what, what, ms, columns.baseline, baseline,
                baseMs, columns.ratio, ms / baseMs);
}

}  // namespace bench
