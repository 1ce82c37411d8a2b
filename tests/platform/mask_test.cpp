#include "platform/ui/mask.h"

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

}  // namespace
