// Pages drawn where the document puts them, fonts, printers and paper.
#include <gtest/gtest.h>

#include <QPrinterInfo>

#include "platform/print/printers.h"
#include "platform/print/qt_printer.h"

namespace {

const print::PageSetup pdfA4{std::string(print::pdfPrinter), print::Orientation::Portrait, {9}};

// The box of the dark pixels of a picture, in mm.
struct Ink {
    double left = 1e9, top = 1e9, right = -1, bottom = -1;
};
Ink ink(const QImage& image) {
    const double dotsPerMm = image.dotsPerMeterX() / 1000.0;
    Ink box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                box.left = std::min(box.left, x / dotsPerMm);
                box.right = std::max(box.right, (x + 1) / dotsPerMm);
                box.top = std::min(box.top, y / dotsPerMm);
                box.bottom = std::max(box.bottom, (y + 1) / dotsPerMm);
            }
    return box;
}

QImage drawn(const print::Page& page) { return print::detail::picture(page, *print::pageArea(pdfA4), 300); }

TEST(PrintPage, TextsStandAtTheirPositionByAlignment) {
    struct Case {
        print::Align align;
        double left, right;  // where the ink of a 40 mm wide text must lie
    };
    const print::Font font{"Arial", 12, true};
    const std::string text = "ШИФРА 1234";
    const double width = print::textWidth(text, font);
    ASSERT_GT(width, 10);
    const Case cases[] = {
        {print::Align::Left, 100, 100 + width},
        {print::Align::Centre, 100 - width / 2, 100 + width / 2},
        {print::Align::Right, 100 - width, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        print::Page page;
        page.text(50, 100, text, font, c.align);
        const Ink box = ink(drawn(page));
        EXPECT_NEAR(box.left, c.left, 0.8);
        EXPECT_NEAR(box.right, c.right, 0.8);
        // The text's top lies at its row; capitals fill most of the 12-point height (4.2 mm).
        EXPECT_GE(box.top, 50);
        EXPECT_LT(box.top, 51.5);
        EXPECT_LT(box.bottom, 50 + 4.3);
    }
}

TEST(PrintPage, LinesRunBetweenTheirPointsAtLeastOneDotWide) {
    print::Page page;
    page.line(60, 10, 60, 200, 0.01);
    const Ink box = ink(drawn(page));
    EXPECT_NEAR(box.left, 10, 0.1);
    EXPECT_NEAR(box.right, 200, 0.1);
    EXPECT_NEAR(box.top, 60, 0.2);
    EXPECT_LT(box.bottom - box.top, 0.3);
}

TEST(PrintFonts, ReportFontsAreSetInTheirInstalledTwins) {
    const std::string text = "Вкупен износ: 1234";
    EXPECT_DOUBLE_EQ(print::textWidth(text, {"Arial", 10}), print::textWidth(text, {"Liberation Sans", 10}));
    EXPECT_DOUBLE_EQ(print::textWidth(text, {"Helvetica", 10}), print::textWidth(text, {"Liberation Sans", 10}));
    EXPECT_DOUBLE_EQ(print::textWidth(text, {"Verdana", 8}), print::textWidth(text, {"DejaVu Sans", 8}));
    EXPECT_NE(print::textWidth(text, {"Verdana", 10}), print::textWidth(text, {"Arial", 10}));
    // Widths follow the size exactly (unhinted) and bold is wider.
    EXPECT_NEAR(print::textWidth(text, {"Arial", 20}), 2 * print::textWidth(text, {"Arial", 10}), 0.01);
    EXPECT_GT(print::textWidth(text, {"Arial", 10, true}), print::textWidth(text, {"Arial", 10}));
    EXPECT_EQ(print::textWidth("", {}), 0);
}

TEST(Printers, TheBuiltInPdfPrinterStandsInWhenTheSystemHasNone) {
    const auto names = print::printerNames();
    ASSERT_FALSE(names.empty());
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(names, std::vector<std::string>{std::string(print::pdfPrinter)});
        EXPECT_EQ(print::defaultPrinter(), print::pdfPrinter);
    }
    EXPECT_NE(std::find(names.begin(), names.end(), print::defaultPrinter()), names.end());
}

TEST(Printers, PaperAndOrientationGiveThePageSize) {
    struct Case {
        const char* what;
        print::Orientation orientation;
        print::Paper paper;
        double width, height;
    };
    using print::Orientation;
    const Case cases[] = {
        {"printer's own paper", Orientation::Landscape, {}, 297, 210},
        {"A4 portrait", Orientation::Portrait, {9}, 210, 297},
        {"A4 landscape", Orientation::Landscape, {9}, 297, 210},
        {"Letter", Orientation::Portrait, {1}, 215.9, 279.4},
        {"A3", Orientation::Portrait, {8}, 297, 420},
        {"user-defined", Orientation::Portrait, {print::Paper::UserDefined, 150, 100}, 150, 100},
        {"user-defined landscape", Orientation::Landscape, {print::Paper::UserDefined, 150, 100}, 100, 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto area = print::pageArea({std::string(print::pdfPrinter), c.orientation, c.paper});
        ASSERT_TRUE(area);
        EXPECT_NEAR(area->width, c.width, 0.5);
        EXPECT_NEAR(area->height, c.height, 0.5);
        // The PDF printer prints up to the paper's edge.
        EXPECT_NEAR(area->printableCol, 0, 0.01);
        EXPECT_NEAR(area->printableWidth, c.width, 0.5);
    }
}

TEST(Printers, AMissingPrinterOrUnknownPaperIsRefused) {
    EXPECT_FALSE(print::pageArea({"Нема таков печатач", print::Orientation::Portrait, {}}));
    EXPECT_FALSE(print::pageArea({std::string(print::pdfPrinter), print::Orientation::Portrait, {500}}));
}

}  // namespace
