// ACOMPARE over lists of mixed values.
#include "shell/value.h"

#include <gtest/gtest.h>

namespace {

using namespace shell;

TEST(Acompare, SameTypeAndValueElementByElementNestedListsToo) {
    struct Case {
        const char* what;
        ValueList a, b;
        bool same;
    } cases[] = {
        {"both empty", {}, {}, true},
        {"equal mixed", {1.0, "a", true, Value()}, {1.0, "a", true, Value()}, true},
        {"different length", {1.0, 2.0}, {1.0}, false},
        {"number and text of its digits", {1.0}, {"1"}, false},
        {"flag and number", {true}, {1.0}, false},
        {"nothing and empty text", {Value()}, {""}, false},
        {"different text", {"Плата"}, {"плата"}, false},
        {"equal nested", {ValueList{1.0, ValueList{"x"}}, 2.0}, {ValueList{1.0, ValueList{"x"}}, 2.0}, true},
        {"nested differs deep down", {ValueList{1.0, ValueList{"x"}}}, {ValueList{1.0, ValueList{"y"}}}, false},
        {"nested lengths differ", {ValueList{1.0}}, {ValueList{1.0, 1.0}}, false},
        {"list and text", {ValueList{}}, {""}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ACOMPARE(c.a, c.b), c.same) << c.what;
        EXPECT_EQ(ACOMPARE(c.b, c.a), c.same) << c.what << " (swapped)";
    }
}

}  // namespace
