#pragma once
// The program's day fixed for as long as this lives, and the real clock back
// afterwards, so that a check never reads the day the test happens to run on.
#include <string>

#include "platform/desktop/desktop.h"

namespace testing_support {

class FixedToday {
public:
    explicit FixedToday(std::string yyyymmdd) { desktop::setToday(std::move(yyyymmdd)); }
    ~FixedToday() { desktop::setToday(""); }
    FixedToday(const FixedToday&) = delete;
    FixedToday& operator=(const FixedToday&) = delete;
};

}  // namespace testing_support
