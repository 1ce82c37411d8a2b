// The print preview's buttons and what they write.
#include "platform/print/preview.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>

#include "platform/print/printers.h"
#include "platform/print/qt_printer.h"
#include "platform/ui/registry.h"
#include "support/current_folder.h"
#include "support/pdf_info.h"
#include "support/pdf_text.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

print::Document threePages() {
    print::Document d;
    d.setup = {std::string(print::pdfPrinter), print::Orientation::Landscape, {9}};
    for (int i = 1; i <= 3; ++i) {
        print::Page& p = d.newPage();
        p.text(20, 10, "Страна " + std::to_string(i), {"Arial", 12, true});
        p.line(30, 10, 30, 277, 0.01);
    }
    return d;
}

void click(const std::string& control) { ui::detail::invoke(ui::detail::control("frmPrintPreview", control).on.click); }

TEST(PrintOutput, PdfHasOnePagePerPageOfThePaperSizeWithItsTexts) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("order.pdf");
    ASSERT_EQ(print::savePdf(threePages(), path), "");
    const auto info = testing_support::pdfInfo(path);
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(info.pages, 3);
    EXPECT_EQ(info.pageSize, "841.89 x 595.276 pts (A4)");
    // The texts are text, not pictures of it: a reader finds them page by page,
    // each where the page put its top.
    EXPECT_EQ(testing_support::pdfTextComplaints(path), "");
    std::string text = testing_support::pdfText(path);
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    EXPECT_EQ(text, "Страна1\fСтрана2\fСтрана3\f");
    const auto words = testing_support::pdfWords(path);
    ASSERT_EQ(words.size(), 6u);
    EXPECT_EQ(words[0].text, "Страна");
    EXPECT_NEAR(words[0].left, 10, 0.5);
    EXPECT_NEAR(words[0].top, 20, 0.8);
    // Pictures of three A4 pages would take megabytes; their texts take some
    // forty kilobytes, nearly all of it the embedded font.
    EXPECT_LT(std::filesystem::file_size(path), 100000u);
}

TEST(PrintOutput, PdfTextReadsBackAsShownCharactersBeyondTheSixteenBitRangeIncluded) {
    print::Document d = threePages();
    d.pages[1].text(40, 10, "Plata \U0001F600 \U0001D11E kraj", {"Arial", 10, false});
    testing_support::TempFolder folder;
    const std::string path = folder.file("order.pdf");
    ASSERT_EQ(print::savePdf(d, path), "");
    EXPECT_EQ(testing_support::pdfTextComplaints(path), "");
    const std::string text = testing_support::pdfText(path);
    EXPECT_NE(text.find("Страна 2"), std::string::npos) << text;
    EXPECT_NE(text.find("Plata \U0001F600 \U0001D11E kraj"), std::string::npos) << text;
}

TEST(PrintOutput, PicturesOnePngPerPage) {
    testing_support::TempFolder folder;
    ASSERT_EQ(print::savePictures(threePages(), folder.path().string()), "");
    for (const char* name : {"page-001.png", "page-002.png", "page-003.png"}) {
        const QImage picture(QString::fromStdString(folder.file(name)));
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.width(), 1754);  // 297 mm at 150 dpi
        EXPECT_EQ(picture.height(), 1240);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              3);
}

TEST(PrintOutput, AFailedSaveNamesTheReasonAndLeavesNoFile) {
    testing_support::TempFolder folder;
    EXPECT_EQ(print::savePdf(threePages(), folder.file("missing/order.pdf")),
              folder.file("missing/order.pdf") + ": No such file or directory");
    EXPECT_EQ(print::savePictures(threePages(), folder.file("missing")), "No such file or directory");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(PrintOutput, TheBuiltInPrinterWritesTheChosenPdfFile) {
    testing_support::TempFolder folder;
    testing_support::CurrentFolder here(folder.path());  // the save dialog moves it; put back at the end
    testing_support::RecordingInteraction seam;
    seam.paths = {folder.file("printed.pdf"), std::nullopt};
    std::ofstream(folder.file("printed.pdf.tmp")) << "the user's own";  // no name the printer may take
    ASSERT_EQ(print::detail::sendToPrinter(threePages()), "");
    const auto info = testing_support::pdfInfo(folder.file("printed.pdf"));
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(info.pages, 3);
    EXPECT_EQ(info.pageSize, "842 x 595 pts (A4)");  // Qt rounds the page to whole points
    // Cancelled: nothing printed, nothing said.
    EXPECT_EQ(print::detail::sendToPrinter(threePages()), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              2);
    std::ifstream own(folder.file("printed.pdf.tmp"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(own), {}), "the user's own");
}

TEST(PrintPreview, SavePdfAddsTheExtensionAndAsksBeforeReplacingThatFile) {
    testing_support::TempFolder folder;
    testing_support::CurrentFolder here(folder.path());  // the save dialog moves it; put back at the end
    testing_support::RecordingInteraction seam;
    std::ofstream(folder.file("old.pdf")) << "kept";
    seam.paths = {folder.file("new"), folder.file("old")};
    seam.answers = {false};
    seam.inModal = [&](const std::string&) {
        click("btnSavePdf");
        click("btnSavePdf");
        click("btnClose");
    };
    print::preview(threePages());
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"preview|3", "dialog|Сочувај PDF", "dialog|Сочувај PDF",
                                                    "question||Фајлот " + folder.file("old.pdf") +
                                                        " веќе постои.\r\nДа се замени?"}));
    EXPECT_EQ(testing_support::pdfInfo(folder.file("new.pdf")).pages, 3);
    EXPECT_FALSE(std::filesystem::exists(folder.file("new")));
    std::ifstream old(folder.file("old.pdf"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "kept");
}

// A name the file system refuses, or a folder it cannot look into, is said
// with the reason; the preview stays for another try and nothing is written.
TEST(PrintPreview, SavePdfToANameThatCannotBeSavedSaysWhy) {
    testing_support::TempFolder folder;
    testing_support::CurrentFolder here(folder.path());  // the save dialog moves it; put back at the end
    testing_support::RecordingInteraction seam;
    std::string letters;
    for (int i = 0; i < 130; ++i) letters += "ж";  // 260 bytes
    std::filesystem::create_directory_symlink("loop", folder.file("loop"));
    const std::string tooLong = folder.file(letters), looping = folder.file("loop/izvestaj");
    seam.paths = {tooLong, tooLong + ".pdf", looping, folder.file("saved")};
    bool stillOpen = false;
    seam.inModal = [&](const std::string& window) {
        for (int i = 0; i < 4; ++i) click("btnSavePdf");
        stillOpen = ui::windowExists(window);
        click("btnClose");
    };
    print::preview(threePages());
    EXPECT_TRUE(stillOpen);
    const std::string dialog = "dialog|Сочувај PDF";
    EXPECT_EQ(seam.shown, (std::vector<std::string>{
                              "preview|3", dialog, "stop|Грешка!!!|" + tooLong + ".pdf: File name too long", dialog,
                              "stop|Грешка!!!|" + tooLong + ".pdf: File name too long", dialog,
                              "stop|Грешка!!!|" + looping + ".pdf: Too many levels of symbolic links", dialog}));
    EXPECT_EQ(testing_support::pdfInfo(folder.file("saved.pdf")).pages, 3);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              2);
}

TEST(PrintPreview, ButtonsPrintSaveAndClose) {
    testing_support::TempFolder folder;
    testing_support::CurrentFolder here(folder.path());  // the save dialog moves it; put back at the end
    testing_support::RecordingInteraction seam;
    seam.paths = {folder.file("preview.pdf"), std::nullopt, folder.path().string()};
    bool stillOpen = false;
    seam.inModal = [&](const std::string& window) {
        ASSERT_EQ(window, "frmPrintPreview");
        EXPECT_EQ(ui::Ctl(window, "lblPage").text(), "Страна 1 од 3");
        EXPECT_FALSE(ui::Ctl(window, "btnPrevious").enabled());
        click("btnNext");
        click("btnNext");
        EXPECT_EQ(ui::Ctl(window, "lblPage").text(), "Страна 3 од 3");
        EXPECT_FALSE(ui::Ctl(window, "btnNext").enabled());
        click("btnPrint");
        click("btnSavePdf");
        click("btnSavePdf");  // cancelled: nothing written, nothing said
        click("btnSavePictures");
        click("btnClose");
        stillOpen = ui::windowExists(window);
    };
    print::preview(threePages());
    EXPECT_FALSE(stillOpen);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"preview|3", "printed|3", "dialog|Сочувај PDF",
                                                    "dialog|Сочувај PDF", "dialog|Фолдер за сликите"}));
    EXPECT_EQ(testing_support::pdfInfo(folder.file("preview.pdf")).pages, 3);
    EXPECT_TRUE(std::filesystem::exists(folder.file("page-003.png")));
}

TEST(PrintPreview, PicturesOfAnEarlierSaveReplacedOnlyOnConsent) {
    testing_support::TempFolder folder;
    testing_support::RecordingInteraction seam;
    std::ofstream(folder.file("page-002.png")) << "older";
    seam.paths = {folder.path().string(), folder.path().string()};
    seam.answers = {false, true};
    seam.inModal = [&](const std::string& window) {
        click("btnSavePictures");
        EXPECT_FALSE(std::filesystem::exists(folder.file("page-001.png"))) << "refused: nothing written";
        click("btnSavePictures");
        ui::Win(window).release();
    };
    print::preview(threePages());
    const std::string question = "question||Во фолдерот веќе постојат слики со истите имиња: page-002.png.\r\nДа се заменат?";
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"preview|3", "dialog|Фолдер за сликите", question,
                                                    "dialog|Фолдер за сликите", question}));
    EXPECT_FALSE(QImage(QString::fromStdString(folder.file("page-002.png"))).isNull()) << "replaced";
}

TEST(PrintPreview, AnInteractionThatDoesNotWaitLeavesNoWindow) {
    testing_support::RecordingInteraction seam;
    print::preview(threePages());
    EXPECT_FALSE(ui::windowExists("frmPrintPreview"));
    EXPECT_EQ(seam.shown, std::vector<std::string>{"preview|3"});
}

TEST(PrintPreview, APrinterThatIsNotThereIsReported) {
    testing_support::RecordingInteraction seam;
    print::Document d = threePages();
    d.setup.printer = "Нема таков печатач";
    print::preview(d);
    EXPECT_FALSE(ui::windowExists("frmPrintPreview"));
    ASSERT_EQ(seam.shown.size(), 1u);
    EXPECT_EQ(seam.shown[0].rfind("stop|Грешка!!!|", 0), 0u);
}

}  // namespace
