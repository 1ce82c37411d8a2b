#include "platform/pdf/image_pages.h"

#include <cstdio>

namespace pdf {

namespace {

constexpr double pointsPerMm = 72.0 / 25.4;
// Objects 1 and 2 are the catalogue and the page tree, written last.
constexpr int firstPageObject = 3;

struct JpegFrame {
    int width = 0, height = 0, components = 0;
};

// The picture's size and colour components from its frame header (SOFn).
JpegFrame frameOf(std::string_view jpeg) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(jpeg[i]); };
    if (jpeg.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) throw Error("the page picture is not a JPEG picture");
    std::size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        if (byte(at) != 0xFF) break;
        const unsigned marker = byte(at + 1);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        const std::size_t length = byte(at + 2) << 8 | byte(at + 3);
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame && at + 10 <= jpeg.size())
            return {byte(at + 7) << 8 | byte(at + 8), byte(at + 5) << 8 | byte(at + 6), byte(at + 9)};
        at += 2 + length;
    }
    throw Error("the page picture has no frame header");
}

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    return text;
}

}  // namespace

ImagePages::ImagePages(Out out) : out_(std::move(out)) { write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"); }

void ImagePages::write(std::string_view bytes) {
    if (!out_(bytes)) throw Error("the PDF file cannot be written");
    written_ += bytes.size();
}

void ImagePages::startObject() {
    offsets_.push_back(written_);
    write(std::to_string(offsets_.size()) + " 0 obj\n");
}

void ImagePages::add(std::string_view jpeg, double widthMm, double heightMm) {
    const JpegFrame frame = frameOf(jpeg);
    const char* colours = frame.components == 1 ? "/DeviceGray" : frame.components == 4 ? "/DeviceCMYK" : "/DeviceRGB";
    if (offsets_.empty()) offsets_.resize(firstPageObject - 1, 0);
    const int image = static_cast<int>(offsets_.size()) + 1;
    startObject();
    write("<< /Type /XObject /Subtype /Image /Width " + std::to_string(frame.width) + " /Height " +
          std::to_string(frame.height) + " /ColorSpace " + colours + " /BitsPerComponent 8 /Filter /DCTDecode /Length " +
          std::to_string(jpeg.size()) + " >>\nstream\n");
    write(jpeg);
    write("\nendstream\nendobj\n");
    const std::string width = number(widthMm * pointsPerMm), height = number(heightMm * pointsPerMm);
    const std::string content = "q " + width + " 0 0 " + height + " 0 0 cm /P Do Q\n";
    startObject();
    write("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream\nendobj\n");
    startObject();
    pages_.push_back(static_cast<int>(offsets_.size()));
    write("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + width + " " + height + "] /Resources << /XObject << /P " +
          std::to_string(image) + " 0 R >> >> /Contents " + std::to_string(image + 1) + " 0 R >>\nendobj\n");
}

void ImagePages::finish() {
    if (offsets_.empty()) offsets_.resize(firstPageObject - 1, 0);
    offsets_[1] = written_;
    std::string kids;
    for (int page : pages_) kids += std::to_string(page) + " 0 R ";
    write("2 0 obj\n<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) + " >>\nendobj\n");
    offsets_[0] = written_;
    write("1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    const std::size_t xref = written_;
    std::string table = "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets_) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        table += entry;
    }
    write(table);
    write("trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
          std::to_string(xref) + "\n%%EOF\n");
}

}  // namespace pdf
