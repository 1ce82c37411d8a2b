// The saved report settings: the value encoding to the byte, the section's
// 21 keys, restore and reset of one section only.
#include "gridreport/settings_file.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

using namespace gridreport;

std::vector<Value> texts(std::vector<std::string> t) {
    std::vector<Value> out;
    for (auto& s : t) out.push_back(Value::of(std::move(s)));
    return out;
}

TEST(GridReportCodec, WorkedExamples) {
    EXPECT_EQ(ATOC({}), "A   0");
    EXPECT_EQ(ATOC(texts({"Header", "", ""})), "A  21C   6HeaderC   0C   0");
    EXPECT_EQ(ATOC({Value::of({Value::of(std::string("ID")), Value::of(12.7), Value::of(1.0)})}),
              "A  28A  23C   2IDN   512.70N   11");
    EXPECT_EQ(ATOC({Value::of({Value::of(1.0), Value::of(2.0), Value::of(std::string("Износ"))})}),
              "A  27A  22N   11N   12C   5Износ");
    EXPECT_EQ(ATOC({Value{}, Value::of(true)}), "A  14U   3NILL   1T");
    EXPECT_EQ(XCHAR(20), "20");
    EXPECT_EQ(XCHAR(215.9), "215.90");
    EXPECT_EQ(XCHAR(-3.5), "-3.50");
}

TEST(GridReportCodec, DecodesWhatItEncodes) {
    const std::vector<Value> list = {Value::of({Value::of(std::string("Име ^")), Value::of(31.75), Value::of(2.0)}),
                                     Value::of(std::string("Ѓорѓи")), Value::of(false)};
    const auto back = CTOA(ATOC(list));
    ASSERT_EQ(back.size(), 3u);
    ASSERT_EQ(back[0].list.size(), 3u);
    EXPECT_EQ(back[0].list[0].text, "Име ^");
    EXPECT_DOUBLE_EQ(back[0].list[1].number, 31.75);
    EXPECT_EQ(back[1].text, "Ѓорѓи");
    EXPECT_EQ(back[2].kind, Value::Logical);
    EXPECT_FALSE(back[2].logical);
}

TEST(GridReportCodec, DamagedTextsGiveWhatCanBeRead) {
    for (const char* damaged : {"", "A", "A  28A  23C   2IDN   5", "A  10C9999x", "A   5Q   1x", "A  12C  -1"})
        EXPECT_NO_THROW(CTOA(damaged)) << damaged;
    const auto cut = CTOA("A  28A  23C   2IDN   512");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].list[0].text, "ID");
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
    const auto stored = storedSettings(f, "FRMTEST_GRDTEST");
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->columns.size(), 2u);
    EXPECT_EQ(stored->columns[1].caption, "Име");
    EXPECT_EQ(stored->columns[1].include, 2);
    EXPECT_EQ(stored->columns[0].width, 2);  // the caption "ID"
    EXPECT_EQ(stored->settings.headers[0], "Наслов");
    EXPECT_EQ(stored->settings.width, 215.9);
    EXPECT_EQ(stored->settings.fontEntry, 5);
    EXPECT_TRUE(stored->settings.centre);
    EXPECT_FALSE(stored->settings.spread);
    EXPECT_EQ(stored->settings.mergeList, v.mergeList);
}

TEST_F(SavedReport, ASectionThatDoesNotNameItselfIsIgnored) {
    ini::File f;
    saveSettings(f, s, v);
    f.write("frmTest_grdTest", "controlname", "frmOther_grdOther");
    EXPECT_FALSE(storedSettings(f, "frmTest_grdTest"));
    removeSettings(f, "frmTest_grdTest");
    EXPECT_TRUE(f.hasSection("frmTest_grdTest"));
    EXPECT_FALSE(storedSettings(ini::File(), "frmTest_grdTest"));
}

TEST_F(SavedReport, ResetRemovesOnlyItsOwnSection) {
    ini::File f;
    saveSettings(f, s, v);
    s.GRIDNAME = "grdOther";
    saveSettings(f, s, v);
    removeSettings(f, "frmTest_grdTest");
    EXPECT_FALSE(f.hasSection("frmTest_grdTest"));
    EXPECT_TRUE(storedSettings(f, "frmTest_grdOther"));
}

}  // namespace
