// The document's pages as a PDF file, as pictures, and on the printer.
#include <QBuffer>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/desktop/files.h"
#include "platform/pdf/text_pages.h"
#include "platform/print/preview.h"
#include "platform/print/qt_printer.h"
#include "platform/ui/ui.h"

namespace print {

namespace {

constexpr double pictureDpi = 150;

std::string encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) return {};
    return bytes.toStdString();
}

std::string pictureName(std::size_t page) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%03zu.png", page);
    return name;
}

// A failure as the preview says it: naming the file, unless a refusal of the
// file does so already.
std::string namingFile(const std::string& path, std::string failure) {
    if (failure.empty() || failure.starts_with(path)) return failure;
    return path + ": " + failure;
}

}  // namespace

std::string savePdf(const Document& document, const std::string& path) {
    const auto paper = pageArea(document.setup);
    if (!paper) return detail::refusedSetup;
    if (std::string refused = desktop::refusedTarget(path); !refused.empty()) return refused;
    // The pages go out as they are, texts and lines in embedded fonts, as the
    // grid report writes its PDF: a small file whose text can be searched and
    // copied. libharu writes the file itself, under a name of our own beside it.
    const std::string temporary = desktop::temporaryBeside(path);
    if (temporary.empty()) return namingFile(path, std::strerror(errno));
    std::string failure;
    try {
        pdf::TextPages pages(paper->width, paper->height, pdf::TextRow::Top);
        for (std::size_t i = 0; i < document.pageCount(); ++i) pages.add(document.page(i));
        pages.saveToFile(temporary);
        failure = desktop::renameInto(temporary, path);
    } catch (const pdf::Error& e) {
        failure = e.what();
    }
    if (!failure.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
    }
    return namingFile(path, failure);
}

std::vector<std::string> existingPictures(const Document& document, const std::string& folder) {
    std::vector<std::string> found;
    std::error_code ignored;
    for (std::size_t i = 0; i < document.pageCount(); ++i)
        if (const std::string name = pictureName(i + 1); std::filesystem::exists(std::filesystem::path(folder) / name, ignored))
            found.push_back(name);
    return found;
}

std::string savePictures(const Document& document, const std::string& folder) {
    const auto paper = pageArea(document.setup);
    if (!paper) return detail::refusedSetup;
    for (std::size_t i = 0; i < document.pageCount(); ++i) {
        const std::string png = encoded(detail::picture(document.page(i), *paper, pictureDpi), "PNG");
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
        if (temporary.empty()) return namingFile(target, std::strerror(errno));
        printer->setOutputFileName(QString::fromStdString(temporary));
    }
    QPainter painter;
    if (!painter.begin(printer.get())) return detail::refusedSetup;
    const double dotsPerMm = printer->resolution() / 25.4;
    for (std::size_t i = 0; i < document.pageCount(); ++i) {
        if (i > 0) printer->newPage();
        paintPage(painter, document.page(i), dotsPerMm);
    }
    const bool done = painter.end();
    if (target.empty()) return done ? "" : "Печатењето не успеа.";
    const std::string failure = done ? desktop::renameInto(temporary, target) : notWritten;
    if (failure.empty()) return "";
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return namingFile(target, failure);
}

}  // namespace detail

}  // namespace print
