// The document's pages as a PDF file, as pictures, and on the printer.
#include <QBuffer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <future>
#include <thread>

#include "platform/desktop/files.h"
#include "platform/pdf/image_pages.h"
#include "platform/print/preview.h"
#include "platform/print/qt_printer.h"
#include "platform/ui/ui.h"

namespace print {

namespace {

constexpr double pictureDpi = 150;
constexpr int jpegQuality = 85;

std::string encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) return {};
    return bytes.toStdString();
}

std::string pictureName(std::size_t page) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%03zu.png", page);
    return name;
}

std::string jpegPicture(const Page& page, const PageArea& paper) {
    return encoded(detail::picture(page, paper, pictureDpi), "JPG", jpegQuality);
}

}  // namespace

std::string savePdf(const Document& document, const std::string& path) {
    const auto paper = pageArea(document.setup);
    if (!paper) return detail::refusedSetup;
    // A few pages at a time are drawn and encoded side by side, each written in
    // order as soon as it is ready and let go, so that memory holds only the
    // pictures in hand: about 200 MB at most, whatever the paper's size.
    const double pictureBytes = paper->width * paper->height * (pictureDpi / 25.4) * (pictureDpi / 25.4) * 2;
    const auto byMemory = static_cast<std::size_t>(std::max(1.0, 200e6 / pictureBytes));
    const std::size_t inHand = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, std::min<std::size_t>(8, byMemory));
    desktop::FileWriter file(path);
    bool refused = false;  // by the file: its reason is the one to give
    try {
        pdf::ImagePages pages([&file, &refused](std::string_view bytes) { return !(refused = !file.write(bytes)); });
        std::deque<std::future<std::string>> pictures;
        std::size_t next = 0;
        const auto draw = [&] {
            pictures.push_back(std::async(std::launch::async, [&document, &paper, i = next++] {
                return jpegPicture(document.pages[i], *paper);
            }));
        };
        while (next < document.pages.size() && pictures.size() < inHand) draw();
        while (!pictures.empty()) {
            const std::string picture = pictures.front().get();
            pictures.pop_front();
            if (next < document.pages.size()) draw();
            pages.add(picture, paper->width, paper->height);
        }
        pages.finish();
    } catch (const pdf::Error& e) {
        return refused ? file.commit() : e.what();  // a refused file is not renamed into place
    }
    return file.commit();
}

std::vector<std::string> existingPictures(const Document& document, const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ignored;
    for (std::size_t i = 0; i < document.pages.size(); ++i)
        if (const std::string name = pictureName(i + 1); std::filesystem::exists(std::filesystem::path(folder) / name, ignored))
            found.push_back(name);
    return found;
}

std::string savePictures(const Document& document, const std::string& folder) {
    const auto paper = pageArea(document.setup);
    if (!paper) return detail::refusedSetup;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        const std::string png = encoded(detail::picture(document.pages[i], *paper, pictureDpi), "PNG");
        const std::string failure =
            desktop::writeFile((std::filesystem::path(folder) / pictureName(i + 1)).string(), png);
        if (!failure.empty()) return failure;
    }
    return "";
}

namespace detail {

std::string sendToPrinter(const Document& document) {
    const auto printer = configuredPrinter(document.setup);
    if (!printer) return detail::refusedSetup;
    // The built-in printer writes a PDF file, complete before it takes the chosen
    // name; until then it is a temporary file of its own beside it.
    const char* const notWritten = "Фајлот не може да се запише.";
    std::string target, temporary;
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        const auto path = ui::putFile("Печати во PDF фајл", {{"PDF", "*.pdf"}});
        if (!path) return "";
        target = *path;
        if (std::string refused = desktop::refusedTarget(target); !refused.empty()) return refused;
        temporary = desktop::temporaryBeside(target);
        if (temporary.empty()) return notWritten;
        printer->setOutputFileName(QString::fromStdString(temporary));
    }
    QPainter painter;
    if (!painter.begin(printer.get())) return detail::refusedSetup;
    const double dotsPerMm = printer->resolution() / 25.4;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0) printer->newPage();
        paintPage(painter, document.pages[i], dotsPerMm);
    }
    const bool done = painter.end();
    if (target.empty()) return done ? "" : "Печатењето не успеа.";
    const std::string failure = done ? desktop::renameInto(temporary, target) : notWritten;
    if (failure.empty()) return "";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return failure;
}

}  // namespace detail

}  // namespace print
