#pragma once
// The process's memory as the benchmarks report it: resident now and at its
// peak since the last reset, in MB.
#include <fstream>
#include <string>

namespace bench {

inline double statusMb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stod(line.substr(std::string(key).size())) / 1024;
    return 0;
}
inline double residentMb() { return statusMb("VmRSS:"); }
inline double peakMb() { return statusMb("VmHWM:"); }
// Starts the peak afresh from what is resident now.
inline void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace bench
