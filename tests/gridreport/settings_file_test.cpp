// The saved report settings: the value encoding to the byte, the section's
// 21 keys, restore and reset of one section only.
#include "gridreport/settings_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "report_fixture.h"

namespace {

using namespace gridreport;
using shell::Value;
using shell::ValueList;

ValueList texts(std::vector<std::string> t) {
    ValueList out;
    for (auto& s : t) out.push_back(Value(std::move(s)));
    return out;
}

TEST(GridReportCodec, WorkedExamples) {
    EXPECT_EQ(ATOC({}), "A   0");
    EXPECT_EQ(ATOC(texts({"Header", "", ""})), "A  21C   6HeaderC   0C   0");
    EXPECT_EQ(ATOC({Value(ValueList{"ID", 12.7, 1.0})}), "A  28A  23C   2IDN   512.70N   11");
    EXPECT_EQ(ATOC({Value(ValueList{1.0, 2.0, "Износ"})}), "A  27A  22N   11N   12C   5Износ");
    EXPECT_EQ(ATOC({Value{}, true}), "A  14U   3NILL   1T");
    EXPECT_EQ(XCHAR(20), "20");
    EXPECT_EQ(XCHAR(215.9), "215.90");
    EXPECT_EQ(XCHAR(-3.5), "-3.50");
    // The largest numbers keep all their 309 digits, so they read back as written.
    EXPECT_EQ(XCHAR(1e308).size(), 312u);
    EXPECT_EQ(std::strtod(XCHAR(-1e308).c_str(), nullptr), -1e308);
}

TEST(GridReportCodec, DecodesWhatItEncodes) {
    const ValueList list = {ValueList{"Име ^", 31.75, 2.0}, "Ѓорѓи", false};
    const auto back = CTOA(ATOC(list));
    ASSERT_EQ(back.size(), 3u);
    const auto& column = std::get<ValueList>(back[0]);
    ASSERT_EQ(column.size(), 3u);
    EXPECT_EQ(std::get<std::string>(column[0]), "Име ^");
    EXPECT_DOUBLE_EQ(std::get<double>(column[1]), 31.75);
    EXPECT_EQ(std::get<std::string>(back[1]), "Ѓорѓи");
    ASSERT_TRUE(std::holds_alternative<bool>(back[2]));
    EXPECT_FALSE(std::get<bool>(back[2]));
}

TEST(GridReportCodec, DamagedTextsGiveWhatCanBeRead) {
    for (const char* damaged : {"", "A", "A  28A  23C   2IDN   5", "A  10C9999x", "A   5Q   1x", "A  12C  -1"})
        EXPECT_NO_THROW(CTOA(damaged)) << damaged;
    const auto cut = CTOA("A  28A  23C   2IDN   512");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(std::get<std::string>(std::get<ValueList>(cut[0])[0]), "ID");
    EXPECT_EQ(ATOC(texts({std::string(10000, 'x')})), "A   0");  // too long for its count
}

// UTF-16LE of a text of the Basic Multilingual Plane.
std::string utf16le(std::string_view text) {
    std::string out;
    for (std::string_view c : utf8::chars(text)) {
        const auto b = [&](std::size_t i) { return static_cast<unsigned char>(c[i]); };
        const unsigned unit = c.size() == 1   ? b(0)
                              : c.size() == 2 ? (b(0) & 0x1F) << 6 | (b(1) & 0x3F)
                                              : (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

struct SavedReport : ::testing::Test {
    ui::TextTable rows = report_fixture::table({{"1", "Ана"}});
    ReportState s = report_fixture::report(rows, {"ID", "Име"}, {1, 0});
    Settings v;
    SavedReport() {
        v.headers = {"Наслов", "", ""};
        v.width = 215.9;
        v.height = 279.4;
        v.printer = 1;
        v.mergeList = {{1, 2, "Износ"}};
        s.COLUMNARR[1].include = 2;
    }
};

TEST_F(SavedReport, SectionToTheByte) {
    ini::File f;
    saveSettings(f, s, v);
    const std::string expected = "\xFF\xFE";
    const std::string text =
        "[frmTest_grdTest]\r\ncontrolname=frmTest_grdTest\r\n"
        "gridprintdata1=A  49A  19C   2IDN   12N   11A  20C   3ИмеN   13N   12\r\n"
        "gridprintdata2=A  21C   6НасловC   0C   0\r\ngridprintdata3=\r\n"
        "gridprintdata4=5\r\ngridprintdata5=2\r\ngridprintdata6=2\r\n"
        "gridprintdata7=T\r\ngridprintdata8=T\r\ngridprintdata9=T\r\ngridprintdata10=F\r\n"
        "gridprintdata11=2\r\ngridprintdata12=1\r\ngridprintdata13=1\r\n"
        "gridprintdata14=215.90\r\ngridprintdata15=279.40\r\ngridprintdata16=20\r\ngridprintdata17=20\r\n"
        "gridprintdata18=20\r\ngridprintdata19=20\r\n"
        "gridprintdata20=A  27A  22N   11N   12C   5Износ\r\n";
    EXPECT_EQ(f.bytes(), expected + utf16le(text));
}

TEST_F(SavedReport, RestoresWhatWasSaved) {
    ini::File f;
    saveSettings(f, s, v);
    const auto stored = storedSettings(f, "FRMTEST_GRDTEST", 2, 1);
    ASSERT_TRUE(stored);
    ASSERT_TRUE(stored->columns);
    ASSERT_EQ(stored->columns->size(), 2u);
    EXPECT_EQ((*stored->columns)[1].caption, "Име");
    EXPECT_EQ((*stored->columns)[1].include, 2);
    EXPECT_EQ((*stored->columns)[0].width, 2);  // the caption "ID"
    EXPECT_EQ(stored->headers[0], "Наслов");
    EXPECT_EQ(stored->headers[1], "");
    EXPECT_EQ(stored->width, 215.9);
    EXPECT_EQ(stored->fontEntry, 5);
    EXPECT_EQ(stored->printer, 1);
    EXPECT_EQ(stored->centre, true);
    EXPECT_EQ(stored->spread, false);
    EXPECT_EQ(stored->mergeList, v.mergeList);
}

TEST_F(SavedReport, TextsAreSavedOnOneLine) {
    v.headers = {"Прв\r\nред", "a\nb", "[frmTest_grdTest]"};
    v.footer = "\n[x]\r\ngridprintdata4=16";
    v.mergeList = {{1, 2, "A\rB"}};
    s.COLUMNARR[0].caption = "I\nD";
    ini::File f;
    saveSettings(f, s, v);
    const ini::File back(f.bytes());
    const auto stored = storedSettings(back, "frmTest_grdTest", 2, 1);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->headers[0], "Прв  ред");
    EXPECT_EQ(stored->headers[1], "a b");
    EXPECT_EQ(stored->footer, " [x]  gridprintdata4=16");
    EXPECT_EQ(stored->fontEntry, 5);
    EXPECT_EQ((*stored->columns)[0].caption, "I D");
    EXPECT_EQ(stored->mergeList->at(0).text, "A B");
    EXPECT_FALSE(back.hasSection("x"));
}

// A section written by hand or damaged: every value that is not usable is
// left out, so that its control keeps the value it has.
TEST(GridReportStoredSettings, DamagedValuesAreLeftOut) {
    const auto restore = [](std::vector<std::pair<std::string, std::string>> keys) {
        ini::File f;
        f.write("frmA_grdA", "controlname", "frmA_grdA");
        for (const auto& [k, value] : keys) f.write("frmA_grdA", k, value);
        return *storedSettings(f, "frmA_grdA", 2, 2);
    };
    const StoredSettings none = restore({});
    EXPECT_FALSE(none.columns || none.footer || none.fontEntry || none.spread || none.width || none.top ||
                 none.mergeList || none.headers[0] || none.printer);

    struct Case {
        const char* key;
        const char* value;
        bool usable;
    };
    const Case cases[] = {
        {"gridprintdata4", "16", true},         {"gridprintdata4", "17", false},
        {"gridprintdata4", "0", false},         {"gridprintdata4", "1e300", false},
        {"gridprintdata4", "nan", false},       {"gridprintdata4", "5x", false},
        {"gridprintdata4", "", false},          {"gridprintdata4", "-1e300", false},
        {"gridprintdata5", "3", false},         {"gridprintdata6", "3", true},
        {"gridprintdata7", "T", true},          {"gridprintdata7", "yes", false},
        {"gridprintdata11", "2.9", true},       {"gridprintdata11", "3", false},
        {"gridprintdata12", "2", true},         {"gridprintdata12", "3", false},
        {"gridprintdata13", "119", true},       {"gridprintdata13", "120", false},
        {"gridprintdata14", "999.99", true},    {"gridprintdata14", "1000", false},
        {"gridprintdata14", "0", false},        {"gridprintdata15", "-5", false},
        {"gridprintdata15", "inf", false},      {"gridprintdata16", "99.99", true},
        {"gridprintdata16", "100", false},      {"gridprintdata19", "-0.01", false},
    };
    for (const Case& c : cases) {
        const StoredSettings got = restore({{c.key, c.value}});
        const bool usable = got.fontEntry || got.lengthyLine || got.pagination || got.columnLines ||
                            got.orientation || got.printer || got.paper || got.width || got.height || got.top ||
                            got.bottom;
        EXPECT_EQ(usable, c.usable) << c.key << "=" << c.value;
    }
    EXPECT_EQ(restore({{"gridprintdata11", "2.9"}}).orientation, 2);  // the integer part
    EXPECT_EQ(restore({{"gridprintdata16", "12.345"}}).top, 12.35);   // the mask's two decimals
}

TEST(GridReportStoredSettings, ColumnListIsWholeOrLeftOut) {
    const auto columns = [](const std::string& list) {
        ini::File f;
        f.write("frmA_grdA", "controlname", "frmA_grdA");
        f.write("frmA_grdA", "gridprintdata1", list);
        return storedSettings(f, "frmA_grdA", 2, 1)->columns;
    };
    const std::string a = ATOC({Value(ValueList{"ID", 10.0, 1.0})});
    const std::string b = ATOC({ValueList{"ID", 10.0, 1.0}, ValueList{"Име", 20.0, 2.0}});
    ASSERT_TRUE(columns(b));
    EXPECT_EQ(columns(b)->at(1).include, 2);
    EXPECT_FALSE(columns(a));                                 // another number of columns
    EXPECT_FALSE(columns(b.substr(0, b.size() - 3)));         // cut
    EXPECT_FALSE(columns("garbage"));
    for (const Value& bad : {Value(1e300), Value(-1.0), Value("x"), Value(std::nan(""))}) {
        const std::string list = ATOC({ValueList{"ID", bad, 1.0}, ValueList{"Име", 2.0, 1.0}});
        EXPECT_FALSE(columns(list)) << list;
    }
    const std::string include3 = ATOC({ValueList{"ID", 1.0, 3.0}, ValueList{"Име", 2.0, 1.0}});
    EXPECT_FALSE(columns(include3));
}

TEST(GridReportStoredSettings, MarginsMustLeaveAPage) {
    EXPECT_TRUE(marginsWithin(20, 20, 215.9));
    EXPECT_TRUE(marginsWithin(99.99, 99.99, 200));
    EXPECT_FALSE(marginsWithin(99.99, 99.99, 199.98));
    EXPECT_FALSE(marginsWithin(50, 50, 100));
}

TEST_F(SavedReport, ASectionThatDoesNotNameItselfIsIgnored) {
    ini::File f;
    saveSettings(f, s, v);
    f.write("frmTest_grdTest", "controlname", "frmOther_grdOther");
    EXPECT_FALSE(storedSettings(f, "frmTest_grdTest", 2, 1));
    removeSettings(f, "frmTest_grdTest");
    EXPECT_TRUE(f.hasSection("frmTest_grdTest"));
    EXPECT_FALSE(storedSettings(ini::File(), "frmTest_grdTest", 2, 1));
}

TEST_F(SavedReport, ResetRemovesOnlyItsOwnSection) {
    ini::File f;
    saveSettings(f, s, v);
    s.GRIDNAME = "grdOther";
    saveSettings(f, s, v);
    removeSettings(f, "frmTest_grdTest");
    EXPECT_FALSE(f.hasSection("frmTest_grdTest"));
    EXPECT_TRUE(storedSettings(f, "frmTest_grdOther", 2, 1));
}

}  // namespace
