#pragma once
// Memory readings of the running process, from /proc/self.
#include <unistd.h>

#include <fstream>
#include <string>

namespace bench {

// Resident memory now, in bytes.
inline long residentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// The peak resident memory since the last resetPeak, in bytes.
inline long peakBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) * 1024;
    return 0;
}
inline void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace bench
