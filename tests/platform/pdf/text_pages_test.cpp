// PDF pages of texts and lines, read back by a PDF reader: pages and their
// size, Cyrillic texts in every font, positions by alignment and row, lines.
#include "platform/pdf/text_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "platform/desktop/files.h"
#include "support/pdf_info.h"
#include "support/pdf_text.h"
#include "support/temp_folder.h"

namespace {

using testing_support::PdfWord;

struct Written {
    testing_support::TempFolder folder;
    std::string path = folder.file("report.pdf");
    explicit Written(const print::Document& doc, double width = 210, double height = 297,
                     pdf::TextRow rows = pdf::TextRow::Baseline) {
        EXPECT_EQ(desktop::writeFile(path, pdf::textPages(doc, width, height, rows)), "");
    }
};

const PdfWord* word(const std::vector<PdfWord>& words, std::string_view text) {
    for (const PdfWord& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

TEST(PdfTextPages, OnePagePerDocumentPageOfTheGivenSize) {
    print::Document doc;
    for (int i = 1; i <= 3; ++i) doc.newPage().text(20, 20, "Страна " + std::to_string(i));
    Written pdf(doc);
    const auto info = testing_support::pdfInfo(pdf.path);
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(info.pages, 3);
    EXPECT_EQ(info.pageSize, "595.276 x 841.89 pts (A4)");

    Written landscape(doc, 279.4, 215.9);
    EXPECT_EQ(testing_support::pdfInfo(landscape.path).pageSize, "792 x 612 pts (letter)");
    const std::string text = testing_support::pdfText(pdf.path);
    EXPECT_NE(text.find("Страна 1"), std::string::npos) << text;
    EXPECT_NE(text.find("\fСтрана 2"), std::string::npos) << text;
    EXPECT_NE(text.find("\fСтрана 3"), std::string::npos) << text;
}

TEST(PdfTextPages, CyrillicTextsInEveryFontFamily) {
    const char* families[] = {"Helvetica", "Arial", "Verdana", "Times New Roman", "Courier New", "Garamond"};
    print::Document doc;
    print::Page& page = doc.newPage();
    double row = 20;
    for (const char* family : families) {
        page.text(row, 20, std::string(family) + ": Ѓорѓи Ќосевски ЏЅЉЊ жшч", {family, 10, false});
        page.text(row + 5, 20, std::string(family) + " bold: Ѓорѓи", {family, 10, true});
        row += 12;
    }
    Written pdf(doc);
    const std::string text = testing_support::pdfText(pdf.path);
    for (const char* family : families) {
        SCOPED_TRACE(family);
        EXPECT_NE(text.find(std::string(family) + ": Ѓорѓи Ќосевски ЏЅЉЊ жшч"), std::string::npos) << text;
        EXPECT_NE(text.find(std::string(family) + " bold: Ѓорѓи"), std::string::npos) << text;
    }
}

TEST(PdfTextPages, TextsStandAtTheirColumnByAlignmentAndOnTheirRow) {
    struct Case {
        print::Align align;
        const char* text;
    };
    const Case cases[] = {{print::Align::Left, "Лево"}, {print::Align::Centre, "Средина"}, {print::Align::Right, "Десно"}};
    for (const pdf::TextRow rows : {pdf::TextRow::Baseline, pdf::TextRow::Top}) {
        print::Document doc;
        print::Page& page = doc.newPage();
        double row = 40;
        for (const Case& c : cases) {
            page.text(row, 100, c.text, {"Helvetica", 12, false}, c.align);
            row += 20;
        }
        Written pdf(doc, 210, 297, rows);
        const auto words = testing_support::pdfWords(pdf.path);
        row = 40;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            const PdfWord* w = word(words, c.text);
            ASSERT_TRUE(w);
            const double middle = (w->left + w->right) / 2;
            const double at = c.align == print::Align::Left ? w->left : c.align == print::Align::Right ? w->right : middle;
            EXPECT_NEAR(at, 100, 0.3);
            // A 12-point text is 4.2 mm high: on its baseline it lies above the
            // row (descenders aside), from its top it lies below.
            if (rows == pdf::TextRow::Baseline) {
                EXPECT_NEAR(w->top, row - 4.2 + 0.3, 1.2);
                EXPECT_LT(w->top, row - 3);
            } else {
                EXPECT_NEAR(w->top, row, 0.8);
            }
            row += 20;
        }
    }
}

// The dark pixels of the first page drawn at 10 pixels per mm.
struct Raster {
    int width = 0, height = 0;
    std::string pixels;
    bool dark(double rowMm, double colMm) const {
        const int x = static_cast<int>(colMm * 10), y = static_cast<int>(rowMm * 10);
        return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y * width + x)]) < 128;
    }
};

Raster raster(const std::string& pdf) {
    const std::string pgm = pdf + ".pgm";
    testing_support::runCommand("pdftoppm -gray -r 254 -f 1 -l 1 -singlefile '" + pdf + "' '" + pdf + "'; mv '" +
                                pdf + ".pgm' '" + pgm + "' 2>/dev/null");
    std::ifstream in(pgm, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Raster r;
    in >> magic >> r.width >> r.height >> maxValue;
    in.get();
    r.pixels.assign(std::istreambuf_iterator<char>(in), {});
    return r;
}

TEST(PdfTextPages, LinesRunBetweenTheirPoints) {
    print::Document doc;
    print::Page& page = doc.newPage();
    page.line(50, 20, 50, 120);  // across
    page.line(60, 30, 160, 30);  // down
    Written pdf(doc);
    const Raster r = raster(pdf.path);
    ASSERT_EQ(r.width, 2100);
    EXPECT_TRUE(r.dark(50, 21));
    EXPECT_TRUE(r.dark(50, 119));
    EXPECT_FALSE(r.dark(50, 122));
    EXPECT_FALSE(r.dark(51, 70));
    EXPECT_TRUE(r.dark(61, 30));
    EXPECT_TRUE(r.dark(159, 30));
    EXPECT_FALSE(r.dark(162, 30));
    EXPECT_FALSE(r.dark(100, 31));
}

// Characters a font has no glyph for, beyond the 16-bit range among them: a
// reader copies each as it was given, and each is drawn as a visible mark.
TEST(PdfTextPages, EveryCharacterIsReadBackAndNoneIsDrawnBlank) {
    const char* families[] = {"Helvetica", "Times New Roman", "Courier New", "Verdana"};
    const std::string purpose = "Plata \U0001F600 \U0001D11E kraj";
    print::Document doc;
    print::Page& page = doc.newPage();
    double row = 20;
    for (const char* family : families) {
        page.text(row, 20, purpose, {family, 12, false});
        page.text(row + 6, 190, std::string(family) + " \u4E2D\uE000\U0001F600", {family, 12, true}, print::Align::Right);
        row += 15;
    }
    page.text(row, 20, "bad \xFF byte", {"Helvetica", 12, false});
    Written pdf(doc);
    EXPECT_EQ(testing_support::pdfTextComplaints(pdf.path), "");
    const std::string text = testing_support::pdfText(pdf.path);
    for (const char* family : families) {
        SCOPED_TRACE(family);
        EXPECT_NE(text.find(purpose), std::string::npos) << text;
        EXPECT_NE(text.find(std::string(family) + " \u4E2D\uE000\U0001F600"), std::string::npos) << text;
    }
    EXPECT_NE(text.find("bad \uFFFD byte"), std::string::npos) << text;

    // Each mark stands in the box the reader gives its character, in ink, and
    // a text ending in such characters still ends at its column.
    const Raster r = raster(pdf.path);
    int marks = 0, rightAligned = 0;
    for (const PdfWord& w : testing_support::pdfWords(pdf.path)) {
        if (w.text.starts_with("\u4E2D")) {
            ++rightAligned;
            EXPECT_NEAR(w.right, 190, 0.3) << w.text;
        }
        if (w.text != "\U0001F600" && w.text != "\U0001D11E") continue;
        ++marks;
        bool inked = false;
        for (double y = w.top; y < w.bottom && !inked; y += 0.1)
            for (double x = w.left; x < w.right && !inked; x += 0.1) inked = r.dark(y, x);
        EXPECT_TRUE(inked) << w.text << " at " << w.left << ", " << w.top;
    }
    EXPECT_EQ(marks, 8);
    EXPECT_EQ(rightAligned, 4);
}

// The ink of a text drawn alone at a fixed place, in a box around it.
std::vector<bool> ink(const std::string& text, const char* family) {
    print::Document doc;
    doc.newPage().text(20, 20, text, {family, 24, false});
    Written pdf(doc);
    const Raster r = raster(pdf.path);
    std::vector<bool> out;
    for (double y = 10; y < 22; y += 0.1)
        for (double x = 20; x < 32; x += 0.1) out.push_back(r.dark(y, x));
    return out;
}

TEST(PdfTextPages, ACharacterBeyondTheSixteenBitRangeIsDrawnWithTheFontsGlyphWhereItHasOne) {
    // DejaVu Sans (Verdana) has a face for U+1F600 but none for U+1D11E;
    // Liberation Sans (Arial) has neither, nor U+FFFD: its mark is "?".
    const std::vector<bool> face = ink("\U0001F600", "Verdana"), mark = ink("\uFFFD", "Verdana");
    EXPECT_NE(face, mark);
    EXPECT_NE(std::count(face.begin(), face.end(), true), 0);
    EXPECT_EQ(ink("\U0001D11E", "Verdana"), mark);
    EXPECT_EQ(ink("\U0001F600", "Arial"), ink("?", "Arial"));
}

}  // namespace
