#pragma once
// The process's memory as the benchmarks report it: resident now and at its
// peak since the last reset, from /proc/self.
#include <fstream>
#include <string>

namespace bench {

// A "kB" line of /proc/self/status, in kB.
inline long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
    return 0;
}
inline long residentBytes() { return statusKb("VmRSS:") * 1024; }
inline long peakBytes() { return statusKb("VmHWM:") * 1024; }
inline double residentMb() { return statusKb("VmRSS:") / 1024.0; }
inline double peakMb() { return statusKb("VmHWM:") / 1024.0; }
// Starts the peak afresh from what is resident now.
inline void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace bench
