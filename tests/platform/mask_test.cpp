#include "platform/ui/mask.h"
#include "platform/ui/number_typing.h"

#include <gtest/gtest.h>

namespace {

using ui::mask::typeOver;

TEST(MaskTyping, TypesOverFromTheFirstPositionAndKeepsTheRest) {
    struct Case {
        const char* mask;
        const char* before;
        const char* typed;
        const char* after;
    } cases[] = {
        {"999999999999999", "               ", "123", "123            "},
        {"9999", "5678", "12", "1278"},
        {"9999", "    ", "1a2", "12  "},            // a refused key does not advance
        {"999-99", "      ", "12345", "123-45"},    // literals are stepped over
        {"!!!", "   ", "абв", "АБВ"},               // upper case, counted in characters
        {"!!!", "   ", "ab'", "AB'"},
        {"99", "  ", "12345", "12"},                // typing stops at the mask's end
        // The point after one digit of a day or month closes it with a leading zero.
        {"99.99.9999", "  .  .    ", "15.3.2027", "15.03.2027"},
        {"99.99.9999", "  .  .    ", "1.2.2027", "01.02.2027"},
        {"99.99.9999", "  .  .    ", "15.11.2026", "15.11.2026"},  // a point where the literal stands is stepped over
        {"99.99.9999", "  .  .    ", ".5.3.2027", "05.03.2027"},   // a point with no digit before it is dropped
        {"99.99.9999", "  .  .    ", "1..2027", "01.20.27  "},     // a point of an empty part is dropped
        {"99.99.9999", "  .  .    ", "15.3.", "15.03.    "},
        {"99.99.9999", "10.12.2026", "3.", "03.12.2026"},           // typed over a date from its start
        {"99.9999", "  .    ", "3.2027", "03.2027"},
        {"999-99", "   -  ", "1-2", "12 -  "},                      // only parts of two digits close
    };
    for (const auto& c : cases) EXPECT_EQ(typeOver(c.mask, c.before, c.typed), c.after) << c.mask << " " << c.typed;
}

TEST(MaskTyping, TextEndsAfterTheLastTypedCharacterLiteralsAside) {
    struct Case {
        const char* mask;
        const char* text;
        std::size_t end;
    } cases[] = {
        {"99.99.9999", "  .  .    ", 0}, {"99.99.9999", "10.  .    ", 2},
        {"99.99.9999", "10.12.2026", 10}, {"999-99", "123-  ", 3},
        {"-99", "-  ", 1},                  // a box without text starts at its first input position
        {"!!!", "аб ", 2},                  // counted in characters
    };
    for (const auto& c : cases) EXPECT_EQ(ui::mask::textEnd(c.mask, c.text), c.end) << c.mask << " " << c.text;
}

TEST(MaskTyping, BlankHoldsLiterals) { EXPECT_EQ(ui::mask::blank("99.99"), "  .  "); }

TEST(NumberMask, FormatsAndReadsBack) {
    EXPECT_EQ(ui::mask::formatNumber("999", 5).value(), "  5");
    EXPECT_EQ(ui::mask::formatNumber("999,999.99", 1234.5).value(), "  1,234.50");
    EXPECT_EQ(ui::mask::formatNumber("999.99", 2.005).value(), "  2.01");  // half away from zero
    EXPECT_FALSE(ui::mask::formatNumber("999", 1000).has_value());
    EXPECT_EQ(ui::mask::parseNumber("999", "  5"), 5);
    EXPECT_EQ(ui::mask::parseNumber("999,999.99", "  1,234.50"), 1234.5);
    EXPECT_EQ(ui::mask::parseNumber("999", "1000"), 0);  // too wide for the mask reads 0
    EXPECT_EQ(ui::mask::parseNumber("999", "x"), 0);
    EXPECT_EQ(ui::mask::parseNumber("99.99", " 5.5"), 5.5);
}

TEST(NumberMask, WhatMayBeTypedAndWhatFits) {
    struct Case {
        const char* mask;
        const char* text;
        bool typable, fits;
    } cases[] = {
        {"999", "", true, true},         // an empty box reads 0
        {"999", "123", true, true},
        {"999", "1234", false, false},   // a digit too many
        {"999", "12a", false, false},
        {"999", "1.5", false, false},    // no decimals in the mask
        {"999", " 12", false, true},     // blanks only around a number read back
        {"99.99", "12.34", true, true},
        {"99.99", "12.345", false, false},
        {"99.99", "1.2.", false, false},
        {"99.99", ".", true, false},     // typed on the way to a number, but none yet
        {"99.99", "-1.5", true, true},
        {"99.99", "1-", false, false},
        {"999,999.99", "12,345.6", true, true},
        {"999,999.99", "1234567", false, false},
        {"999", "###", false, false},    // what a box shows for a number too wide
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::mask::typableNumber(c.mask, c.text), c.typable) << c.mask << " '" << c.text << "'";
        EXPECT_EQ(ui::mask::fitsNumber(c.mask, c.text), c.fits) << c.mask << " '" << c.text << "'";
    }
}

// Keys typed one after the other into a number box, from the box's text and
// selection: the text held and the caret after them.
TEST(NumberTyping, KeysTypedAndPastedAlike) {
    struct Case {
        const char* mask;
        const char* start;
        std::size_t from, to;  // the selection the keys start on
        const char* keys;
        const char* held;
        bool minus = true;
    } cases[] = {
        // A comma is the decimal point of a box that has decimals, as the point is.
        {"9999999999999.99", "", 0, 0, "1500,50", "1500.50"},
        {"9999999999999.99", "", 0, 0, "1500.50", "1500.50"},
        {"9999999999999.99", "", 0, 0, "0,5", "0.5"},
        {"9999999999999.99", "", 0, 0, ",5", ".5"},
        {"9999999999999.99", "0.00", 0, 4, "1500,50", "1500.50"},  // the selection is replaced
        {"9999.99", "", 0, 0, "50,5", "50.5"},
        {"99.99", "", 0, 0, "10,5", "10.5"},
        // A second point or comma is refused, and the digits right after it.
        {"9999999999999.99", "", 0, 0, "1.500,00", "1.50"},
        {"9999999999999.99", "", 0, 0, "1,5.3", "1.5"},
        {"9999999999999.99", "", 0, 0, "1,5,3-", "1.5"},        // another key ends the refusal, itself refused here
        // A box without decimals refuses the point and the comma, and the
        // digits after them stay out of the whole part.
        {"99999999", "", 0, 0, "1500,50", "1500"},
        {"99999999", "", 0, 0, "1500.50", "1500"},
        {"99999999", "", 0, 0, "1.500,00", "1"},
        {"99", "", 0, 0, "7,5", "7"},
        {"99999999", "", 0, 0, "1500,x5", "15005"},             // a key that types nothing ends it
        // In a grouped mask the comma is its group separator.
        {"999,999.99", "", 0, 0, "1,234.5", "1,234.5"},
        // A lone zero gives way to a digit typed beside it; leading zeros go.
        {"9999999999999.99", "0.00", 1, 1, "1500", "1500.00"},
        {"9999999999999.99", "0.00", 0, 0, "15", "15.00"},
        {"99999999", "0", 1, 1, "012", "12"},
        // A minus sign only where the box takes one, and only in front.
        {"99999999", "", 0, 0, "-500", "-500"},
        {"99999999", "", 0, 0, "-500", "500", false},
        {"99999999", "5", 1, 1, "-", "5"},
        // Keys that leave no number are refused one by one, the others taken.
        {"99", "10", 0, 2, "x5y", "5"},
        {"99", "10", 0, 2, "150", "15"},
        {"99", "", 0, 0, "1\n2\t3", "12"},
    };
    for (const Case& c : cases) {
        ui::mask::NumberBox box{c.start, c.from, c.to};
        ui::mask::typeNumber(c.mask, c.minus, box, c.keys);
        EXPECT_EQ(box.text, c.held) << c.mask << " '" << c.start << "' " << c.keys;
        EXPECT_EQ(box.from, box.to) << c.mask << " '" << c.start << "' " << c.keys;
    }
}

}  // namespace
