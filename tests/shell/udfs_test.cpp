#include "shell/udfs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "shell/vocabulary.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

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

// A name keeps nothing of what a foreign table may put around it, at either
// end; what stands inside stays.
TEST(Trim, ANameLosesBlanksTabsAndLineEndsAtBothEnds) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\tАна\n", "Ана"},   {"Ана\t", "Ана"},       {" \r\nАна \r\n\t ", "Ана"},
        {"Ана Марија", "Ана Марија"}, {"Ана\tМарија\r\n", "Ана\tМарија"},
        {" \t\r\n", ""},     {"", ""},
    };
    for (const auto& [stored, name] : cases) EXPECT_EQ(trimmedName(stored), name) << stored;
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

TEST(Options, NumbersToOptionTextsAndBack) {
    using ToText = std::string (*)(long long);
    using ToNumber = int (*)(std::string_view);
    struct Case {
        ToText text;
        ToNumber number;
        std::vector<std::string> texts;
    } cases[] = {
        {INTTOCHVII, CHTOINTVII, {COPTVLEZEN, COPTIZLEZEN, COPTINTEREN}},
        {INTTOROKOTSEPRESMETUVAOD, ROKOTSEPRESMETUVAODTOINT, {COPTODKREIRANJE, COPTODZAKLUCUVANJE}},
        {INTTONACINNACUVANJE, NACINNACUVANJETOINT, {COPTIZDVOJUVA, COPTDELIMICNO, COPTTRAEN}},
    };
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < c.texts.size(); ++i) {
            const long long n = static_cast<long long>(i) + 1;
            EXPECT_FALSE(c.texts[i].empty());
            EXPECT_EQ(c.text(n), c.texts[i]) << n;
            EXPECT_EQ(c.number(c.texts[i]), n) << c.texts[i];
        }
        const long long past = static_cast<long long>(c.texts.size()) + 1;
        for (long long n : {0LL, -1LL, past}) EXPECT_EQ(c.text(n), "") << n;
        for (std::string_view t : {"", " ", "Влезен ", "x"}) EXPECT_EQ(c.number(t), 0) << t;
    }
    EXPECT_EQ(CHTOINTVII(COPTODKREIRANJE), 0);  // each pair knows only its own texts
}

TEST(FileNames, RefusedCharactersStopAtTheFirst) {
    struct Case {
        std::string name;
        std::string refused;  // empty for a valid name
    } cases[] = {
        {"izvestaj.pdf", ""},
        {"Nalozi_2024-03.txt", ""},
        {"A-Z_a.9", ""},
        {"a~b", "~"},  // 126 lies above 122
        {"z{b", "{"},
        {"a b", " "},
        {"a/b", "/"},
        {"a\\b", "\\"},
        {"c:b", ":"},
        {"a*b", "*"},
        {"a\"b", "\""},
        {"a<b", "<"},
        {"a>b", ">"},
        {"a|b", "|"},
        {"a\tb", "\t"},
        {std::string("a\0b", 3), std::string(1, '\0')},
        {"a\x7f", "\x7f"},
        {"плата.txt", "п"},
        {"pay€", "€"},
        {"a?b!", ""},  // only the listed characters are refused
        // The first refused character is the one given back.
        {"x<y z", "<"},
        {"ok name:2", " "},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string refused = "untouched";
        EXPECT_EQ(VALIDFAJLNAME(c.name, &refused), c.refused.empty()) << c.name;
        EXPECT_EQ(refused, c.refused.empty() ? "untouched" : c.refused) << c.name;
    }
    EXPECT_FALSE(VALIDFAJLNAME("a b"));  // without asking for the character
}

TEST(FileNames, OpeningAFileTellsWhatStandsInTheWay) {
    testing_support::TempFolder folder;
    std::ofstream(folder.file("report.pdf")) << "x";
    std::ofstream(folder.file("my report.pdf")) << "x";
    std::filesystem::create_directory(folder.path() / "sub");
    struct Case {
        std::string file;
        std::string shown;
        bool opens = true;  // whether the desktop has a program for it
        std::string told = "";
    } cases[] = {
        {folder.file("report.pdf"), "open|" + folder.file("report.pdf")},
        {folder.file("report.pdf"), "open|" + folder.file("report.pdf"), false,
         "info|" + vocab::CPORGRESKA + "|" + vocab::CPORNEMOZEDASEOTVORI + folder.file("report.pdf")},
        {folder.file("missing.pdf"), "info|" + vocab::CPORGRESKA + "|" + vocab::CPORNEPOSTOIFAJLFAJL},
        {folder.file("sub"), "info|" + vocab::CPORGRESKA + "|" + vocab::CPORNEPOSTOIFAJLFAJL},
        {folder.file("my report.pdf"), "info|" + vocab::CPORGRESKA + "|" + vocab::CPORNEISPRAVNOIMENAFAJL + "  "},
    };
    for (const Case& c : cases) {
        testing_support::RecordingInteraction recorder;
        recorder.opens = c.opens;
        OTVORIFAJL(c.file);
        std::vector<std::string> shown{c.shown};
        if (!c.told.empty()) shown.push_back(c.told);
        EXPECT_EQ(recorder.shown, shown) << c.file;
    }
}

TEST(Masks, DigitMaskOfNCharacters) {
    struct Case {
        int n;
        std::string mask;
    } cases[] = {{0, ""}, {-3, ""}, {1, "9"}, {5, "99999"}};
    for (const Case& c : cases) EXPECT_EQ(KREIRAJMASKA(c.n), c.mask) << c.n;
}

}  // namespace
