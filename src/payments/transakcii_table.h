#pragma once
// The payment items table: every window that reads or writes payment items creates it first.
#include <string>

namespace payments {

std::string transakciiCreate();

}  // namespace payments
