#pragma once
// A value of a list of mixed values, as the report settings store them and
// ACOMPARE compares them.
#include <string>
#include <variant>
#include <vector>

namespace shell {

// Nothing, a flag, a number, a text or a nested list. There is one kind of
// number: a whole number is the double of its value.
struct Value;
using ValueList = std::vector<Value>;
struct Value : std::variant<std::monostate, bool, double, std::string, ValueList> {
    using variant::variant;
    Value(const char* text) : variant(std::string(text)) {}
};

// Same length and, element by element, the same type and the same value;
// nested lists are compared the same way.
bool ACOMPARE(const ValueList& a, const ValueList& b);

}  // namespace shell
