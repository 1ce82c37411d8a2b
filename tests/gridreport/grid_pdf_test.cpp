// The grid report as a PDF file: the file name, the overwrite question, the
// report written at once or through the settings window, and the file opened
// only when this run wrote it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gridreport/column_fit.h"
#include "gridreport/pdf_file.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "shell/entries.h"
#include "support/current_folder.h"
#include "support/file_bytes.h"
#include "support/pdf_info.h"
#include "support/pdf_text.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

TEST(GridReportPdfFile, ExtensionAddedUnlessTheNameEndsInPdf) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"izvestaj", "izvestaj.pdf"},       {"izvestaj.pdf", "izvestaj.pdf"}, {"IZVESTAJ.PDF", "IZVESTAJ.PDF"},
        {"a.Pdf", "a.Pdf"},                 {"a.pdf.txt", "a.pdf.txt.pdf"},   {"pdf", "pdf.pdf"},
        {"/tmp/Извештај", "/tmp/Извештај.pdf"}, {"", std::nullopt},          {" \t ", std::nullopt},
        {"/tmp/izvestai/  ", std::nullopt},
    };
    for (const auto& [chosen, expected] : cases) EXPECT_EQ(gridreport::pdfFileName(chosen), expected) << chosen;
}

class GridPdf : public ::testing::Test {
protected:
    void SetUp() override {
        seam.inModal = [this](const std::string& window) {
            modal.push_back(window);
            if (actInModal) actInModal();
            if (ui::windowExists(window)) ui::Win(window).release();
        };
    }
    void TearDown() override { ui::releaseAllWindows(); }

    void listWindow(const std::vector<std::vector<std::string>>& rows) {
        ui::defineWindow({.name = "frmLista", .title = "Листа", .width = 1000, .height = 600});
        ui::TextTable t(2);
        for (const auto& r : rows) t.appendRow(r);
        ui::addGrid("frmLista", "grdLista").headers({"ID", "Назив"}).widths({50, 200}).justify({1, 0}).rows(std::move(t));
    }
    void exportTo(const std::string& path) {
        seam.paths.push_back(path);
        gridreport::_GRID2PDF("grdLista", "frmLista");
    }
    static std::string read(const std::string& path) { return testing_support::fileBytes(path); }

    testing_support::TempFolder folder;
    testing_support::CurrentFolder here{folder.path()};  // where the report keeps its settings
    testing_support::RecordingInteraction seam;
    std::vector<std::string> modal;
    std::function<void()> actInModal;
};

TEST_F(GridPdf, ATableThatFitsIsWrittenAtOnceAndOpened) {
    listWindow({{"1", "Петров Ѓорѓи"}, {"2", "Спектар ДООЕЛ"}});
    const std::string path = folder.file("izvestaj");
    exportTo(path);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"dialog|Export to PDF file",
                                                    "wait|Please wait while exporting to PDF", "open|" + path + ".pdf"}));
    ASSERT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(seam.dialogs[0].filters.at(0).name, "Portable Document Format (*.pdf)");
    EXPECT_EQ(seam.dialogs[0].filters.at(0).pattern, "*.pdf");
    EXPECT_TRUE(modal.empty()) << "the settings window stays out of sight";
    const auto info = testing_support::pdfInfo(path + ".pdf");
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(info.pages, 1);
    EXPECT_EQ(info.pageSize, "612 x 792 pts (letter)");
    const std::string text = testing_support::pdfText(path + ".pdf");
    for (const char* t : {"Page No. :1", "ID", "Назив", "Петров Ѓорѓи", "Спектар ДООЕЛ"})
        EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
    EXPECT_TRUE(std::filesystem::exists("reports.cfg")) << "the settings it used are saved";
}

TEST_F(GridPdf, CellsReadBackAsShownCharactersBeyondTheSixteenBitRangeIncluded) {
    listWindow({{"1", "Plata \U0001F600 \U0001D11E kraj"}, {"2", "Спектар \U0001F600"}});
    const std::string path = folder.file("izvestaj.pdf");
    exportTo(path);
    EXPECT_EQ(testing_support::pdfTextComplaints(path), "");
    const std::string text = testing_support::pdfText(path);
    for (const char* t : {"Назив", "Plata \U0001F600 \U0001D11E kraj", "Спектар \U0001F600"})
        EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
}

TEST_F(GridPdf, RowsOverManyPages) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 100; ++i) rows.push_back({std::to_string(i), "Ред број " + std::to_string(i)});
    listWindow(rows);
    const std::string path = folder.file("redovi.pdf");
    exportTo(path);
    // 45 rows fill a Letter page at 12 points with the page number on top.
    EXPECT_EQ(testing_support::pdfInfo(path).pages, 3);
    const std::string text = testing_support::pdfText(path);
    for (const char* t : {"Ред број 45", "Page No. :2", "Ред број 46", "Page No. :3", "Ред број 100"})
        EXPECT_NE(text.find(t), std::string::npos) << t;
}

TEST_F(GridPdf, CancelBlankNameAndRefusedOverwriteWriteNothing) {
    listWindow({{"1", "Петров"}});
    const std::string existing = folder.file("star.pdf");
    std::ofstream(existing) << "older";
    seam.paths.push_back(std::nullopt);
    gridreport::_GRID2PDF("grdLista", "frmLista");
    exportTo(folder.file("  "));
    seam.answers.push_back(false);
    exportTo(existing);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"dialog|Export to PDF file", "dialog|Export to PDF file",
                                                    "dialog|Export to PDF file",
                                                    "question|Export to PDF file|Are you sure to overwrite?"}));
    EXPECT_EQ(read(existing), "older");
    EXPECT_FALSE(std::filesystem::exists("reports.cfg"));
}

TEST_F(GridPdf, ANameThatCannotBeLookedAtIsSaidWithTheReason) {
    listWindow({{"1", "Петров"}});
    std::string letters;
    for (int i = 0; i < 130; ++i) letters += "ж";  // 260 bytes
    std::filesystem::create_directory_symlink("loop", folder.file("loop"));
    exportTo(folder.file(letters));
    exportTo(folder.file("loop/izvestaj.pdf"));
    const std::string refused = "stop|Export to PDF file|The PDF file cannot be written: ";
    EXPECT_EQ(seam.shown, (std::vector<std::string>{
                              "dialog|Export to PDF file", refused + folder.file(letters) + ".pdf: File name too long",
                              "dialog|Export to PDF file",
                              refused + folder.file("loop/izvestaj.pdf") + ": Too many levels of symbolic links"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              1);
}

TEST_F(GridPdf, AgreedOverwriteReplacesTheFile) {
    listWindow({{"1", "Петров"}});
    const std::string existing = folder.file("star.PDF");
    std::ofstream(existing) << "older";
    seam.answers.push_back(true);
    exportTo(existing);
    EXPECT_EQ(seam.shown.back(), "open|" + existing);
    EXPECT_EQ(testing_support::pdfInfo(existing).pages, 1);
}

TEST_F(GridPdf, AnEmptyGridHasNothingToPrint) {
    listWindow({});
    const std::string existing = folder.file("star.pdf");
    std::ofstream(existing) << "older";
    seam.answers.push_back(true);
    exportTo(existing);
    EXPECT_EQ(seam.shown.back(), "info||Nothing to print");
    EXPECT_EQ(read(existing), "older") << "and the older file is not opened as if it were the report";
}

TEST_F(GridPdf, AFileThatCannotBeWrittenIsReportedAndNotOpened) {
    listWindow({{"1", "Петров"}});
    const std::string path = folder.file("nema/izvestaj.pdf");
    exportTo(path);
    ASSERT_EQ(seam.shown.size(), 3u);
    EXPECT_EQ(seam.shown[2].rfind("stop|Print Wizard|The PDF file cannot be written: " + path + "\r\n", 0), 0u)
        << seam.shown[2];
    // The settings window comes up for another try or Cancel.
    EXPECT_EQ(modal, std::vector<std::string>{"pdfgrid"});
    EXPECT_FALSE(std::filesystem::exists(folder.file("nema")));
}

TEST_F(GridPdf, ATableTooWideWaitsInTheSettingsWindow) {
    // A name wider than a Letter page's printable width in portrait, narrower than in landscape.
    std::string wide;
    while (gridreport::PRINTLEN(wide, 12) < 190) wide += "Ш";
    listWindow({{"1", wide}});
    bool printEnabled = true;
    actInModal = [&] {
        printEnabled = ui::Ctl("pdfgrid", "browseprint1").enabled();
        ui::Ctl("pdfgrid", "paperorientation").value(1);  // Landscape
        ui::detail::invoke(ui::detail::control("pdfgrid", "browseprint1").on.click);
    };
    const std::string path = folder.file("siroko.pdf");
    exportTo(path);
    EXPECT_EQ(modal, std::vector<std::string>{"pdfgrid"});
    EXPECT_FALSE(printEnabled);
    EXPECT_EQ(seam.shown.back(), "open|" + path);
    EXPECT_EQ(testing_support::pdfInfo(path).pageSize, "792 x 612 pts (letter)");
    EXPECT_NE(testing_support::pdfText(path).find(wide), std::string::npos);
}

TEST_F(GridPdf, CancelInTheSettingsWindowOpensNothing) {
    std::string wide;
    while (gridreport::PRINTLEN(wide, 12) < 250) wide += "Ш";
    listWindow({{"1", wide}});
    actInModal = [] { ui::detail::invoke(ui::detail::control("pdfgrid", "browseprintcancel").on.click); };
    exportTo(folder.file("otkazano.pdf"));
    EXPECT_EQ(modal, std::vector<std::string>{"pdfgrid"});
    EXPECT_EQ(seam.shown, std::vector<std::string>{"dialog|Export to PDF file"});
    EXPECT_FALSE(std::filesystem::exists(folder.file("otkazano.pdf")));
}

}  // namespace

namespace {

// The grid methods, as code outside the list window would ask for them.
TEST_F(GridPdf, GridMethodsPdfAndPrint) {
    listWindow({{"1", "Петров"}});
    ui::addButton("frmLista", "btnNe");
    gridreport::_INITPDFGRID();
    EXPECT_FALSE(ui::invokeMethod("frmLista", "btnNe", "PDF")) << "not a grid: left to the control";
    EXPECT_FALSE(ui::invokeMethod("frmLista", "grdLista", "Export")) << "no such method";
    EXPECT_TRUE(seam.shown.empty());
    EXPECT_TRUE(ui::invokeMethod("frmLista", "grdLista", "pdf"));
    EXPECT_EQ(seam.shown, std::vector<std::string>{"wait|Please wait while exporting to PDF"});
    EXPECT_EQ(testing_support::pdfInfo(folder.file("frmLista_grdLista.pdf")).pages, 1);
    EXPECT_TRUE(ui::invokeMethod("frmLista", "grdLista", "PRINT"));
    EXPECT_EQ(seam.shown.back(), "preview|1");
}

}  // namespace
