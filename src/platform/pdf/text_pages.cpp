#include "platform/pdf/text_pages.h"

#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "platform/pdf/document.h"
#include "platform/pdf/font_codes.h"

namespace pdf {

namespace {

// The TrueType file that stands in for a font family.
std::string fontFile(const std::string& family, bool bold) {
    const std::string liberation = "/usr/share/fonts/truetype/liberation2/Liberation";
    const std::string style = bold ? "-Bold.ttf" : "-Regular.ttf";
    if (family == "Times New Roman" || family == "Times") return liberation + "Serif" + style;
    if (family == "Courier New" || family == "Courier") return liberation + "Mono" + style;
    if (family == "Verdana")
        return std::string("/usr/share/fonts/truetype/dejavu/DejaVuSans") + (bold ? "-Bold.ttf" : ".ttf");
    return liberation + "Sans" + style;
}

}  // namespace

class TextPages::Writer {
public:
    Writer() {
        HPDF_UseUTFEncodings(doc_.get());
        HPDF_SetCurrentEncoder(doc_.get(), "UTF-8");
        doc_.check();
    }

    void page(const print::Page& p, double widthMm, double heightMm, TextRow rows) {
        HPDF_Page page = HPDF_AddPage(doc_.get());
        check();
        const double height = heightMm * pointsPerMm;
        HPDF_Page_SetWidth(page, static_cast<HPDF_REAL>(widthMm * pointsPerMm));
        HPDF_Page_SetHeight(page, static_cast<HPDF_REAL>(height));
        for (const print::Line& l : p.lines) {
            HPDF_Page_SetLineWidth(page, static_cast<HPDF_REAL>(l.pen * pointsPerMm));
            HPDF_Page_MoveTo(page, pt(l.col1), static_cast<HPDF_REAL>(height - l.row1 * pointsPerMm));
            HPDF_Page_LineTo(page, pt(l.col2), static_cast<HPDF_REAL>(height - l.row2 * pointsPerMm));
            HPDF_Page_Stroke(page);
        }
        // One text object per page, the font set only when it changes: the
        // page's content stays small however many texts it has.
        HPDF_Page_BeginText(page);
        std::optional<std::uint16_t> current;
        FontCodes* f = nullptr;
        double size = 0;
        for (const print::Text& t : p.texts) {
            if (t.size == 0) continue;
            if (current != t.font) {
                current = t.font;
                f = font(p.fontOf(t));
                size = p.fontOf(t).size;
                HPDF_Page_SetFontAndSize(page, f->font(), static_cast<HPDF_REAL>(size));
            }
            const char* codes = f->codes(p.textOf(t));
            double col = t.col * pointsPerMm;
            if (t.align != print::Align::Left) {
                const double width = HPDF_Page_TextWidth(page, codes) + f->widthCorrection() * size / 1000;
                col -= t.align == print::Align::Centre ? width / 2 : width;
            }
            double baseline = height - t.row * pointsPerMm;
            if (rows == TextRow::Top) baseline -= HPDF_Font_GetAscent(f->font()) * size / 1000;
            HPDF_Page_TextOut(page, static_cast<HPDF_REAL>(col), static_cast<HPDF_REAL>(baseline), codes);
        }
        HPDF_Page_EndText(page);
        check();
    }

    std::string bytes() {
        finishFonts();
        return doc_.bytes();
    }
    void saveToFile(const std::string& path) {
        finishFonts();
        doc_.saveToFile(path);
    }

private:
    static HPDF_REAL pt(double mm) { return static_cast<HPDF_REAL>(mm * pointsPerMm); }

    void check() const { doc_.check(); }

    void finishFonts() {
        for (auto& [file, codes] : fonts_) codes.finish();
        check();
    }

    // Each font file is embedded once, whatever the number of its texts.
    FontCodes* font(const print::Font& f) {
        const std::string file = fontFile(f.family, f.bold);
        auto found = fonts_.find(file);
        if (found != fonts_.end()) return &found->second;
        const char* name = HPDF_LoadTTFontFromFile(doc_.get(), file.c_str(), HPDF_TRUE);
        HPDF_Font loaded = name ? HPDF_GetFont(doc_.get(), name, "UTF-8") : nullptr;
        check();
        if (!loaded) throw Error("libharu cannot load the font " + file);
        return &fonts_.emplace(file, FontCodes(loaded, file)).first->second;
    }

    Document doc_;
    std::map<std::string, FontCodes> fonts_;
};

TextPages::TextPages(double widthMm, double heightMm, TextRow rows)
    : writer_(std::make_unique<Writer>()), width_(widthMm), height_(heightMm), rows_(rows) {}
TextPages::~TextPages() = default;

void TextPages::add(const print::Page& page) { writer_->page(page, width_, height_, rows_); }
void TextPages::saveToFile(const std::string& path) { writer_->saveToFile(path); }

double builtInTextWidth(const std::string& text, double size, const std::string& fontName) {
    Document doc;
    HPDF_Page page = HPDF_AddPage(doc.get());
    HPDF_Page_SetWidth(page, 576);
    HPDF_Page_SetHeight(page, 792);
    HPDF_Font font = HPDF_GetFont(doc.get(), fontName.c_str(), nullptr);
    if (!page || !font) return 0;
    HPDF_Page_SetFontAndSize(page, font, static_cast<HPDF_REAL>(size));
    return HPDF_Page_TextWidth(page, text.c_str()) / pointsPerMm;
}

std::string textPages(const print::Document& document, double widthMm, double heightMm, TextRow rows) {
    TextPages::Writer writer;
    for (std::size_t i = 0; i < document.pageCount(); ++i) writer.page(document.page(i), widthMm, heightMm, rows);
    return writer.bytes();
}

}  // namespace pdf
