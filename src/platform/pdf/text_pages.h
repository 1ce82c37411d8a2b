#pragma once
// PDF documents of texts and lines: the pages of a print document drawn as
// vector text in embedded TrueType fonts (Cyrillic included) and straight
// lines. Plain C++ over libharu; the caller decides where the bytes go.
#include <memory>
#include <string>

#include "platform/pdf/error.h"
#include "platform/print/document.h"

namespace pdf {

// What a text's row is: its top (as the print layer draws it) or its baseline.
enum class TextRow { Top, Baseline };

// The bytes of a PDF document with one page of `widthMm` x `heightMm` per page
// of the document, streams compressed. Fonts: "Arial" and "Helvetica" are set
// in Liberation Sans, "Times New Roman" and "Times" in Liberation Serif,
// "Courier New" and "Courier" in Liberation Mono, "Verdana" in DejaVu Sans,
// any other family in Liberation Sans. Throws Error when libharu refuses the
// document or a font.
std::string textPages(const print::Document& document, double widthMm, double heightMm, TextRow rows);

// The same document built a page at a time: a page added is drawn into the
// document at once and need not be kept. Throws Error when
// libharu refuses the document or a font.
class TextPages {
public:
    TextPages(double widthMm, double heightMm, TextRow rows);
    ~TextPages();
    TextPages(const TextPages&) = delete;
    TextPages& operator=(const TextPages&) = delete;

    void add(const print::Page& page);
    // Writes the document into the file at `path` (the caller's temporary
    // name); throws Error when it cannot.
    void saveToFile(const std::string& path);

    class Writer;

private:
    std::unique_ptr<Writer> writer_;
    double width_, height_;
    TextRow rows_;
};

// The width in mm of a text as libharu sets it in one of its own fonts
// ("Helvetica", "Times-Roman", ...) in its default encoding; 0 when libharu
// knows no font of that name.
double builtInTextWidth(const std::string& text, double size, const std::string& fontName);

}  // namespace pdf
