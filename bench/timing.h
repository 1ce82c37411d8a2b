#pragma once
// What every benchmark shares: the best of a few wall times, and a figure
// printed beside its baseline with their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace bench {

inline constexpr int runs = 5;

// Best of `runs` wall times, in milliseconds; `prepare` runs before each, untimed.
inline double best(const std::function<void()>& step, const std::function<void()>& prepare = {}) {
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
    return fastest;
}

inline void report(const char* what, double ms, const char* baseline, double baseMs) {
    std::printf("  %-34s %9.1f ms   %-30s %9.1f ms   %5.2fx\n", what, ms, baseline, baseMs, ms / baseMs);
}

}  // namespace bench
