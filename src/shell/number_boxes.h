#pragma once
// A save reads a number box only when it holds a number that fits its mask: a
// box showing '#' or a half-typed number would otherwise read as 0.
#include <string>
#include <string_view>

namespace shell {

// True when the box holds such a number (an empty box reads 0). Otherwise the
// user is told which box, by its label, the focus goes to it, and false.
bool numberBoxReady(const std::string& window, const std::string& box, std::string_view label);

}  // namespace shell
