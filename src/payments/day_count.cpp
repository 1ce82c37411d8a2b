#include "payments/day_count.h"

#include <chrono>

namespace payments {

namespace {

using std::chrono::sys_days;

int yearOf(const std::string& yyyymmdd) { return std::stoi(yyyymmdd.substr(0, 4)); }

sys_days dayOf(const std::string& yyyymmdd) {
    return sys_days{std::chrono::year{yearOf(yyyymmdd)} /
                    std::chrono::month{static_cast<unsigned>(std::stoi(yyyymmdd.substr(4, 2)))} /
                    std::chrono::day{static_cast<unsigned>(std::stoi(yyyymmdd.substr(6, 2)))}};
}

int daysFromTo(sys_days first, sys_days last) { return last < first ? 0 : static_cast<int>((last - first).count()) + 1; }

int daysInYear(const Employment& e, int year) {
    using namespace std::chrono;
    const sys_days january1{std::chrono::year{year} / January / 1};
    const sys_days december31{std::chrono::year{year} / December / 31};
    const bool startsInYear = !e.pocRab.empty() && yearOf(e.pocRab) == year;
    if (e.krajRab.empty()) return daysFromTo(startsInYear ? dayOf(e.pocRab) : january1, december31);
    if (yearOf(e.krajRab) != year) return 0;
    const sys_days end = dayOf(e.krajRab);
    if (!e.pocRab.empty() && dayOf(e.pocRab) > end) return 0;
    return daysFromTo(startsInYear ? dayOf(e.pocRab) : january1, end);
}

}  // namespace

int PRESMETAJDENOVI(const std::vector<Employment>& records, std::size_t& current, const std::string& matRab,
                    int year) {
    int days = 0;
    for (; current < records.size() && records[current].matRab == matRab; ++current)
        days += daysInYear(records[current], year);
    return days;
}

}  // namespace payments
