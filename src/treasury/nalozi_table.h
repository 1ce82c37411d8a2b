#pragma once
// The payment orders table: every window that reads or writes orders creates it first.
#include <string>

namespace treasury {

std::string naloziCreate();

}  // namespace treasury
