// The list's workbook, read back from the .xlsx file.
#include "listkit/spreadsheet_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>

namespace {

std::string unzip(const std::filesystem::path& file, const char* member) {
    const std::string command = "unzip -p '" + file.string() + "' " + member;
    std::FILE* p = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; p && (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) out.append(buffer, n);
    if (p) ::pclose(p);
    return out;
}

std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        out.push_back(it->size() > 1 ? (*it)[1].str() : it->str());
    return out;
}

std::string between(const std::string& text, const std::string& open, const std::string& close) {
    const auto a = text.find(open);
    const auto b = text.find(close, a);
    return a == std::string::npos || b == std::string::npos ? "" : text.substr(a, b - a);
}

// A cell style of the workbook, as the sheet refers to it by number.
struct CellStyle {
    std::string font, fill, border, numberFormat;
};

class Spreadsheet : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("listkit-xlsx-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void write(const listkit::ExportTable& t) {
        file = folder / "Корисници_20261210_101500.xlsx";
        ASSERT_TRUE(listkit::writeSpreadsheet(file.string(), "Корисници", t));
        sheet = unzip(file, "xl/worksheets/sheet1.xml");
        const std::string styles = unzip(file, "xl/styles.xml");
        fonts = matches(between(styles, "<fonts", "</fonts>"), "<font>(.*?)</font>");
        fills = matches(between(styles, "<fills", "</fills>"), "<fill>(.*?)</fill>");
        borders = matches(between(styles, "<borders", "</borders>"), "<border>(.*?)</border>");
        for (const auto& xf : matches(between(styles, "<cellXfs", "</cellXfs>"), "(<xf [^>]*>)")) {
            auto attribute = [&](const char* name) {
                const auto v = matches(xf, std::string(name) + "=\"([0-9]+)\"");
                return v.empty() ? 0u : std::stoul(v[0]);
            };
            const auto formats =
                matches(styles, "numFmtId=\"" + std::to_string(attribute("numFmtId")) + "\" formatCode=\"([^\"]*)\"");
            xfs.push_back({fonts.at(attribute("fontId")), fills.at(attribute("fillId")),
                           borders.at(attribute("borderId")), formats.empty() ? "" : formats[0]});
        }
    }
    // The cell's style and its text, which must be held as text.
    CellStyle styleOf(const std::string& ref) {
        const auto s = matches(sheet, "<c r=\"" + ref + "\" s=\"([0-9]+)\"");
        EXPECT_EQ(s.size(), 1u) << ref;
        return s.empty() ? CellStyle{} : xfs.at(std::stoul(s[0]));
    }
    std::string textOf(const std::string& ref) {
        const auto t = matches(sheet, "<c r=\"" + ref + "\" s=\"[0-9]+\" t=\"inlineStr\"><is><t[^>]*>([^<]*)</t>");
        return t.empty() ? "<no text>" : t[0];
    }

    std::filesystem::path folder, file;
    std::string sheet;
    std::vector<std::string> fonts, fills, borders;
    std::vector<CellStyle> xfs;
};

const char* const arial12 = "<sz val=\"12\"/><color theme=\"1\"/><name val=\"Arial\"/><family val=\"2\"/>";
const char* const arial12Bold = "<b/><sz val=\"12\"/><color theme=\"1\"/><name val=\"Arial\"/><family val=\"2\"/>";
const char* const headerFill =
    "<patternFill patternType=\"solid\"><fgColor rgb=\"FFFF99CC\"/><bgColor indexed=\"64\"/></patternFill>";
const char* const noFill = "<patternFill patternType=\"none\"/>";
const char* const bottomBorder = "<left/><right/><top/><bottom style=\"thin\"><color auto=\"1\"/></bottom><diagonal/>";
const char* const noBorder = "<left/><right/><top/><bottom/><diagonal/>";

TEST_F(Spreadsheet, TitleCaptionsAndLinesAsText) {
    ui::TextTable lines(3);
    lines.appendRow({"1", "Ана & <Б>", "1234"});
    lines.appendRow({"2", "", "0012"});
    write({{"ID", "Име ^", "Износ"}, lines});

    EXPECT_EQ(textOf("A1"), "Корисници");
    const CellStyle title = styleOf("A1");
    EXPECT_EQ(title.font, arial12Bold);
    EXPECT_EQ(title.fill, noFill);
    EXPECT_EQ(title.numberFormat, "@");
    EXPECT_EQ(sheet.find("<row r=\"2\""), std::string::npos);

    for (const char* ref : {"A3", "B3", "C3"}) {
        const CellStyle caption = styleOf(ref);
        EXPECT_EQ(caption.font, arial12Bold) << ref;
        EXPECT_EQ(caption.fill, headerFill) << ref;
        EXPECT_EQ(caption.border, bottomBorder) << ref;
        EXPECT_EQ(caption.numberFormat, "@") << ref;
    }
    EXPECT_EQ(textOf("B3"), "Име ^");
    // The rest of row 3 is bold, without the colour and the border.
    const auto rowStyle = matches(sheet, "<row r=\"3\" [^>]*s=\"([0-9]+)\"");
    ASSERT_EQ(rowStyle.size(), 1u);
    EXPECT_EQ(xfs.at(std::stoul(rowStyle[0])).font, arial12Bold);
    EXPECT_EQ(xfs.at(std::stoul(rowStyle[0])).fill, noFill);

    EXPECT_EQ(textOf("B4"), "Ана &amp; &lt;Б&gt;");
    EXPECT_EQ(textOf("C4"), "1234");  // a number stays text
    EXPECT_EQ(textOf("C5"), "0012");
    const CellStyle value = styleOf("C4");
    EXPECT_EQ(value.font, arial12);
    EXPECT_EQ(value.border, noBorder);
    EXPECT_EQ(value.numberFormat, "@");
    EXPECT_EQ(sheet.find("t=\"n\""), std::string::npos);
    EXPECT_EQ(matches(sheet, "<v>").size(), 0u);  // no cell holds a number
}

TEST_F(Spreadsheet, FirstRowFrozenEveryColumnTextAndFitted) {
    ui::TextTable lines(2);
    lines.appendRow({"1", "Петар Петровски"});
    write({{"ID", "Име"}, lines});
    EXPECT_NE(sheet.find("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"),
              std::string::npos);
    const auto cols = matches(sheet, "(<col [^>]*/>)");
    ASSERT_EQ(cols.size(), 3u);  // the two columns, then every other column of the sheet
    for (const auto& col : cols)
        EXPECT_EQ(xfs.at(std::stoul(matches(col, "style=\"([0-9]+)\"")[0])).font, arial12) << col;
    EXPECT_NE(cols[2].find("min=\"3\" max=\"16384\""), std::string::npos);
    const auto widths = listkit::fittedWidths("Корисници", {{"ID", "Име"}, lines});
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_GT(widths[0], 9 * 1.2);   // the title counts in column 1
    EXPECT_GT(widths[1], 15 * 1.2);  // the longest name
}

TEST_F(Spreadsheet, AllThirtySixCaptionsGetTheHeaderColourAndBorder) {
    std::vector<std::string> captions;
    for (int c = 1; c <= 36; ++c) captions.push_back("К" + std::to_string(c));
    ui::TextTable lines(36);
    lines.appendRow(captions);
    write({captions, lines});
    for (const char* ref : {"A3", "Z3", "AJ3"}) {
        EXPECT_EQ(styleOf(ref).fill, headerFill) << ref;
        EXPECT_EQ(styleOf(ref).border, bottomBorder) << ref;
    }
    EXPECT_EQ(matches(sheet, "<c r=\"[A-Z]+3\"").size(), 36u);
    EXPECT_EQ(sheet.find("<c r=\"AK3\""), std::string::npos);
}

TEST_F(Spreadsheet, WithoutCaptionsTheLinesStartOnRowThree) {
    ui::TextTable lines(2);
    lines.appendRow({"1", "Ана"});
    write({{}, lines});
    EXPECT_EQ(textOf("B3"), "Ана");
    EXPECT_EQ(styleOf("B3").fill, noFill);
    EXPECT_EQ(matches(sheet, "<row r=\"3\" [^>]*s=\"").size(), 0u);
}

TEST_F(Spreadsheet, AFileThatCannotBeWrittenLeavesNothing) {
    ui::TextTable lines(1);
    lines.appendRow({"1"});
    const auto missing = folder / "missing" / "a.xlsx";
    EXPECT_FALSE(listkit::writeSpreadsheet(missing.string(), "Т", {{"ID"}, lines}));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(Spreadsheet, TextsThatReadAsTheFormatsEscapeShowThemselves) {
    struct Case {
        const char* stored;
        const char* written;
    };
    const Case cases[] = {
        {"a_x000D_b", "a_x005F_x000D_b"},
        {"_x0041_", "_x005F_x0041_"},
        {"_X00e9_", "_x005F_X00e9_"},
        {"_x005F_", "_x005F_x005F_"},  // an escaped underscore typed as such
        {"__x0041__", "__x005F_x0041__"},
        {"_x0041__x0042_", "_x005F_x0041__x005F_x0042_"},
        {"_x00zz_ _x0041 x0041_ _x_", "_x00zz_ _x0041 x0041_ _x_"},  // no escape: unchanged
        {"tab\there", "tab\there"},
        {"ctl\x01", "ctl_x0001_"},  // libxlsxwriter's own escape, not doubled
    };
    ui::TextTable lines(1);
    for (const Case& c : cases) lines.appendRow({c.stored});
    write({{"_x0041_"}, lines});
    EXPECT_EQ(textOf("A3"), "_x005F_x0041_");
    int row = 4;
    for (const Case& c : cases) EXPECT_EQ(textOf("A" + std::to_string(row++)), c.written) << c.stored;
}

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

TEST(SpreadsheetCell, TheFirstTextLongerThanACellIsFoundByLineAndColumn) {
    struct Case {
        const char* name;
        std::string text;
        bool fits;
    };
    const Case cases[] = {
        {"exactly the limit", std::string(32767, 'c'), true},
        {"one more", std::string(32768, 'c'), false},
        {"Cyrillic at the limit", repeated("Ж", 32767), true},
        {"Cyrillic beyond", repeated("Ж", 32768), false},
        // beyond the 16-bit range a character counts twice
        {"wide character past the limit", std::string(32766, 'a') + "\U0001F600", false},
        {"wide character at the limit", std::string(32765, 'a') + "\U0001F600", true},
        // the escaped underscores count too
        {"escapes grow past the limit", repeated("_x0041_", 4681), false},
        {"escapes within the limit", repeated("_x0041_", 2520), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::TextTable lines(3);
        lines.appendRow({"1", "Ана", "x"});
        lines.appendRow({"2", "Б", c.text});
        lines.appendRow({"3", std::string(40000, 'z'), "y"});
        const auto place = listkit::overlongCell({{"ID", "Име", "Опис"}, lines});
        ASSERT_TRUE(place);
        EXPECT_EQ(place->line, c.fits ? 3u : 2u);
        EXPECT_EQ(place->column, c.fits ? 2u : 3u);
    }
    ui::TextTable fine(1);
    fine.appendRow({std::string(32767, 'c')});
    EXPECT_FALSE(listkit::overlongCell({{}, fine}));
}

TEST_F(Spreadsheet, ATextLongerThanACellLeavesNoFile) {
    ui::TextTable lines(2);
    lines.appendRow({"1", std::string(32768, 'c')});
    EXPECT_FALSE(listkit::writeSpreadsheet((folder / "a.xlsx").string(), "Т", {{"ID", "Опис"}, lines}));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(SpreadsheetName, TitleAndTimeWithUnfitCharactersReplaced) {
    EXPECT_EQ(listkit::spreadsheetFileName("Корисници", "20261210_101500"), "Корисници_20261210_101500.xlsx");
    EXPECT_EQ(listkit::spreadsheetFileName("Налози: 01/02 \"А\"", "t"), "Налози_ 01_02 _А__t.xlsx");
}

}  // namespace
