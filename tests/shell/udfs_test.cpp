#include "shell/udfs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace shell;

TEST(Trim, LeadingBlanksTabsAndLineEndsTrailingBlanksOnly) {
    EXPECT_EQ(trimmed(" \t\r\n ab c  "), "ab c");
    EXPECT_EQ(trimmed("ab\t"), "ab\t");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_TRUE(isBlank(""));
    EXPECT_TRUE(isBlank(" \t\r\n"));
    EXPECT_FALSE(isBlank(" x "));
}

TEST(Dodaj0, FillsTrimmedTextWithZerosCountingBytes) {
    struct Case {
        std::string text;
        int width;
        std::string expected;
    } cases[] = {
        {" 42", 6, "000042"},
        {"42  ", 6, "000042"},
        {"1234567", 6, "1234567"},
        {"123456", 6, "123456"},
        {"", 3, "000"},
        {"   ", 2, "00"},
        {"7", 0, "7"},
        // Bytes, not characters: two Cyrillic letters already fill four places.
        {"ЖЖ", 5, "0ЖЖ"},
        {"ЖЖ", 4, "ЖЖ"},
    };
    for (const Case& c : cases) EXPECT_EQ(DODAJ0(c.text, c.width), c.expected) << '"' << c.text << '"';
}

TEST(Months, ValidMonthPartsOfYearDotMonth) {
    struct Case {
        std::string month;
        bool valid;
    } cases[] = {
        {"2024.01", true}, {"2024.12", true}, {"2024.07", true},
        {"2024. 1", true}, {"2024.1 ", true}, {"2024.1", true},
        {"2024.13", false}, {"2024.00", false}, {"2024.2", false}, {"2024. 2", false},
        {"2024", false}, {"2024.", false}, {"2024.  ", false}, {"", false}, {"2024.ab", false},
        {"0000.05", true},  // the year plays no part
    };
    for (const Case& c : cases) EXPECT_EQ(VALIDENMESEC(c.month), c.valid) << '"' << c.month << '"';
}

TEST(Months, MonthTextsOfDatesAndBack) {
    EXPECT_EQ(MESODDAT("20240305"), "03.2024");
    EXPECT_EQ(MESODDAT("20261231"), "12.2026");
    EXPECT_EQ(MESODDAT(""), "  .    ");
    EXPECT_EQ(MESUGOD("03.2024"), "2024.03");
    EXPECT_EQ(MESUGOD(MESODDAT("20261210")), "2026.12");
    EXPECT_EQ(MESUGOD("  .    "), "    .  ");
    EXPECT_EQ(MESUGOD(""), ".");
}

TEST(CheckBoxes, ConversionsBetweenFlagsTicksAndValues) {
    EXPECT_EQ(CHKINTTOCH(1), "v");
    EXPECT_EQ(CHKINTTOCH(0), " ");
    EXPECT_EQ(CHKINTTOCH(2), "");
    EXPECT_EQ(CHKINTTOCH(-1), "");
    EXPECT_TRUE(CHKINTTOBOOL(1));
    EXPECT_FALSE(CHKINTTOBOOL(0));
    EXPECT_FALSE(CHKINTTOBOOL(2));
    EXPECT_TRUE(CHKCHTOBOOL("v"));
    EXPECT_FALSE(CHKCHTOBOOL(" v"));
    EXPECT_FALSE(CHKCHTOBOOL("V"));
    EXPECT_FALSE(CHKCHTOBOOL(""));
    EXPECT_EQ(CHKBOOLTOINT(true), 1);
    EXPECT_EQ(CHKBOOLTOINT(false), 0);
    EXPECT_EQ(INTTOBOOL(1), std::optional<bool>(true));
    EXPECT_EQ(INTTOBOOL(0), std::optional<bool>(false));
    EXPECT_EQ(INTTOBOOL(2), std::nullopt);
}

TEST(Folders, SeparatorAppendedOnce) {
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(FOLDERSOSLASH("/data/kasavel"), "/data/kasavel" + sep);
    EXPECT_EQ(FOLDERSOSLASH("/data/kasavel/"), "/data/kasavel/");
    EXPECT_EQ(FOLDERSOSLASH("C:\\data\\"), "C:\\data\\");
    EXPECT_EQ(FOLDERSOSLASH(""), sep);
}

TEST(Folders, ImaFolderNeedsAFolderWithAnEntry) {
    const auto root = std::filesystem::temp_directory_path() / ("kasavel-imafolder-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "empty");
    std::filesystem::create_directories(root / "withFolder" / "sub");
    std::filesystem::create_directories(root / "withFile");
    std::ofstream(root / "withFile" / "a.txt") << "x";
    EXPECT_FALSE(IMAFOLDER((root / "missing").string()));
    EXPECT_FALSE(IMAFOLDER((root / "empty").string()));
    EXPECT_TRUE(IMAFOLDER((root / "withFolder").string()));
    EXPECT_TRUE(IMAFOLDER((root / "withFile").string()));
    EXPECT_FALSE(IMAFOLDER((root / "withFile" / "a.txt").string()));
    EXPECT_FALSE(IMAFOLDER("q:\\"));
    std::filesystem::remove_all(root);
}

ui::TextTable lookup(std::initializer_list<std::initializer_list<std::string_view>> rows) {
    ui::TextTable t(3);
    for (const auto& r : rows) t.appendRow(r);
    return t;
}

TEST(Combo, ItemsFromLookupRows) {
    std::vector<std::string> items{"left over"};
    const auto rows = lookup({{"3", " 01 ", " Плата "}, {"07", "", "300000000000123"}, {"9", "Само", "   "}, {"12", "x", ""}});
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, rows, "", true), 1);
    EXPECT_EQ(items, (std::vector<std::string>{"01-Плата", "-300000000000123", "Само", "x"}));
}

TEST(Combo, InitialPosition) {
    std::vector<std::string> items;
    const auto rows = lookup({{"5", "a", ""}, {"07", "b", ""}, {"9", "c", ""}, {"9", "d", ""}});
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, rows, "07", false), 2);
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, rows, "9", false), 4);  // the last matching row
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, rows, "7", false), 1);  // IDs compare as whole texts
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, rows, "0", false), 1);
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, rows, "9", true), 1);
}

TEST(Combo, NoRowsFillsNothingAndMapsToNoId) {
    std::vector<std::string> items{"old"};
    const ui::TextTable none(3);
    EXPECT_EQ(NAPUNINIZIZAKOMBO(items, none, "4", false), 1);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(comboId(none, 1), "");
    EXPECT_EQ(comboId(none, 0), "");
    EXPECT_EQ(comboId(ui::TextTable(), 1), "");
}

TEST(Combo, PositionMapsBackToTheRowId) {
    const auto rows = lookup({{"5", "a", ""}, {"07", "b", ""}});
    EXPECT_EQ(comboId(rows, 1), "5");
    EXPECT_EQ(comboId(rows, 2), "07");
    EXPECT_EQ(comboId(rows, 3), "");
    EXPECT_EQ(comboId(rows, -1), "");
}

}  // namespace
