// PDF documents of page pictures, written as the pages come.
#include "platform/pdf/image_pages.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "platform/desktop/files.h"
#include "support/pdf_info.h"
#include "support/temp_folder.h"

namespace {

std::string jpeg(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes.toStdString();
}

TEST(ImagePages, PagesGoOutAsTheyCome) {
    std::string out;
    std::size_t afterFirst = 0;
    pdf::ImagePages pages([&out](std::string_view bytes) {
        out += bytes;
        return true;
    });
    const std::string first = jpeg(200, 100, QImage::Format_Grayscale8);
    pages.add(first, 297, 210);
    afterFirst = out.size();
    EXPECT_GT(afterFirst, first.size()) << "the first picture is written before the next one comes";
    pages.add(jpeg(100, 200, QImage::Format_RGB32), 210, 297);
    pages.finish();
    testing_support::TempFolder folder;
    ASSERT_EQ(desktop::writeFile(folder.file("p.pdf"), out), "");
    const auto info = testing_support::pdfInfo(folder.file("p.pdf"));
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(info.pages, 2);
    EXPECT_EQ(info.pageSize, "841.89 x 595.276 pts (A4)");
    EXPECT_NE(out.find("/ColorSpace /DeviceGray"), std::string::npos);
    EXPECT_NE(out.find("/ColorSpace /DeviceRGB"), std::string::npos);
}

TEST(ImagePages, RefusesWhatIsNoJpegAndAFileThatStops) {
    pdf::ImagePages pages([](std::string_view) { return true; });
    EXPECT_THROW(pages.add("\x89PNG not a jpeg", 10, 10), pdf::Error);
    EXPECT_THROW(pages.add(std::string("\xFF\xD8\xFF\xD9", 4), 10, 10), pdf::Error);  // no frame header
    EXPECT_THROW(pdf::ImagePages([](std::string_view) { return false; }), pdf::Error);
}

}  // namespace
