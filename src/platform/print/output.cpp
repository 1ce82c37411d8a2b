// The document's pages as a PDF file, as pictures, and on the printer.
#include <QBuffer>
#include <QFile>
#include <cstdio>
#include <filesystem>

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

}  // namespace

std::string savePdf(const Document& document, const std::string& path) {
    const auto paper = pageArea(document.setup);
    if (!paper) return detail::refusedSetup;
    // One page picture at a time: drawn, encoded, written and let go.
    desktop::FileWriter file(path);
    bool refused = false;  // by the file: its reason is the one to give
    try {
        pdf::ImagePages pages([&file, &refused](std::string_view bytes) { return !(refused = !file.write(bytes)); });
        for (const Page& page : document.pages)
            pages.add(encoded(detail::picture(page, *paper, pictureDpi), "JPG", jpegQuality), paper->width,
                      paper->height);
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
