// Damaged or unreadable "reports.cfg": every case leaves a usable settings
// window with values its controls can hold, and, where the file can be
// written, a readable section after the next report.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "gridreport/column_fit.h"
#include "gridreport/settings_file.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "shell/entries.h"
#include "support/current_folder.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

std::string utf16(std::string_view text) {
    std::string out = "\xFF\xFE";
    for (char c : text) out += std::string{c, '\0'};  // ASCII only
    return out;
}

const std::string section = "frmLista_grdLista";

std::string sectionWith(const std::string& keys) {
    return "[" + section + "]\r\ncontrolname=" + section + "\r\n" + keys;
}

struct Case {
    const char* what;
    std::function<void(const std::string& path)> make;
    std::vector<std::string> messages;  // shown before the user acts
    bool writable = true;               // the next report saves its section
};

void write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class DamagedSettings : public ::testing::TestWithParam<Case> {};

TEST_P(DamagedSettings, LeaveAUsableWindowAndAReadableFile) {
    const Case& c = GetParam();
    testing_support::TempFolder folder;
    testing_support::CurrentFolder here(folder.path());
    testing_support::RecordingInteraction seam;
    c.make("reports.cfg");

    // A name too wide for portrait Letter, so the window comes up and restores.
    std::string wide;
    while (gridreport::PRINTLEN(wide, 12) < 190) wide += "Ш";
    ui::defineWindow({.name = "frmLista", .title = "Листа", .width = 1000, .height = 600});
    ui::TextTable rows(2);
    rows.appendRow({"1", wide});
    ui::addGrid("frmLista", "grdLista").headers({"ID", "Назив"}).widths({50, 200}).justify({1, 0}).rows(std::move(rows));

    std::vector<std::string> shownBeforeActing;
    seam.inModal = [&](const std::string& window) {
        ASSERT_EQ(window, "pdfgrid");
        shownBeforeActing = seam.shown;
        const auto ctl = [](const char* name) { return ui::Ctl("pdfgrid", name); };
        EXPECT_GE(ctl("selectfontsize").value(), 1);
        EXPECT_GE(ctl("pagesizes").value(), 1);
        EXPECT_GE(ctl("paperorientation").value(), 1);
        EXPECT_GE(ctl("printers").value(), 1);
        EXPECT_GT(ctl("width").number(), ctl("left").number() + ctl("right").number());
        EXPECT_GT(ctl("height").number(), ctl("top").number() + ctl("bottom").number());
        ctl("header1").text("Прв\r\nред");
        ctl("pagesizes").value(1);
        ctl("paperorientation").value(1);  // Letter in landscape: the table fits
        ui::detail::invoke(ui::detail::control("pdfgrid", "browseprint1").on.click);
        if (ui::windowExists("pdfgrid")) ui::Win("pdfgrid").release();
    };
    seam.paths.push_back(folder.file("izvestaj.pdf"));
    gridreport::_GRID2PDF("grdLista", "frmLista");
    ui::releaseAllWindows();

    std::vector<std::string> expected = {"dialog|Export to PDF file"};
    expected.insert(expected.end(), c.messages.begin(), c.messages.end());
    EXPECT_EQ(shownBeforeActing, expected);
    EXPECT_TRUE(std::filesystem::exists(folder.file("izvestaj.pdf")));
    int error = 0;
    const auto file = ini::load("reports.cfg", error);
    if (!c.writable) {
        EXPECT_FALSE(file);
        return;
    }
    ASSERT_TRUE(file) << error;
    const auto stored = gridreport::storedSettings(*file, section, 2, 1);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->columns);
    EXPECT_EQ(stored->headers[0], "Прв ред");  // the one-line box holds the line break as one blank
    EXPECT_EQ(stored->orientation, 1);
    EXPECT_TRUE(stored->width && stored->height && stored->top && stored->left && stored->mergeList);
}

const std::string dosError = "info||Error opening a file INI. DOS ERROR: ";

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedSettings,
    ::testing::Values(
        Case{"cut", [](const std::string& p) { write(p, utf16(sectionWith("gridprintdata4=1\r\ngridprintdata1=A  49A")).substr(0, 175)); }, {}},
        Case{"missing keys", [](const std::string& p) { write(p, utf16(sectionWith("gridprintdata9=F\r\n"))); }, {}},
        Case{"out of range",
             [](const std::string& p) {
                 write(p, utf16(sectionWith("gridprintdata4=1e300\r\ngridprintdata11=7\r\ngridprintdata12=99\r\n"
                                            "gridprintdata13=500\r\ngridprintdata14=1e300\r\ngridprintdata15=-1\r\n"
                                            "gridprintdata16=99.99\r\ngridprintdata19=99.99\r\ngridprintdata17=nan\r\n"
                                            "gridprintdata18=-4\r\ngridprintdata5=0\r\ngridprintdata6=9\r\n")));
             },
             {}},
        Case{"margins beyond the paper",
             [](const std::string& p) {
                 write(p, utf16(sectionWith("gridprintdata13=119\r\ngridprintdata14=150\r\ngridprintdata15=100\r\n"
                                            "gridprintdata16=60\r\ngridprintdata19=60\r\ngridprintdata17=99.99\r\n"
                                            "gridprintdata18=99.99\r\n")));
             },
             {}},
        Case{"merge list of refused rows",
             [](const std::string& p) {
                 write(p, utf16(sectionWith("gridprintdata20=A  66A  17N   12N   11C   0A  17N   12N   11C   0A  17N"
                                            "   12N   11C   0\r\n")));
             },
             {"stop||There is an error in Merge Head definition in line no.1"}},
        Case{"folder", [](const std::string& p) { std::filesystem::create_directory(p); }, {dosError + "21"}, false},
        Case{"pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, {dosError + "22"}, false},
        Case{"UTF-16 big-endian", [](const std::string& p) { write(p, "\xFE\xFF\0[\0f"); }, {}},
        Case{"bytes that are no UTF-8", [](const std::string& p) { write(p, sectionWith("gridprintdata3=\xC0\xFF\r\n")); }, {}},
        Case{"odd UTF-16 length", [](const std::string& p) { write(p, utf16(sectionWith("gridprintdata3=x")) + "\x41"); }, {}},
        Case{"a header holding a line break",
             [](const std::string& p) { write(p, utf16(sectionWith("gridprintdata2=A  15C   9a\r\n[x]\r\nC   0C   0\r\n"))); },
             {}}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name;
        for (char ch : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return name;
    });

}  // namespace
