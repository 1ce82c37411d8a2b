#pragma once
// A print document: pages of texts and lines placed in millimetres from the
// top-left corner of the paper, and the printer set-up they are meant for.
// Plain C++ without Qt, so that reports can be built and checked anywhere;
// the print layer shows, prints and saves them (platform/print/preview.h).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace print {

enum class Orientation { Portrait, Landscape };
enum class Align : std::uint8_t { Left, Centre, Right };

struct Font {
    std::string family = "Arial";
    double size = 10;  // points
    bool bold = false;
};

// A text whose top lies at `row`; `col` is its left edge, its middle or its
// right edge by the alignment. Its characters and its font are kept by its
// page (Page::textOf, Page::fontOf): a report of a million texts then holds
// one buffer of characters per page instead of a string per text.
struct Text {
    double row = 0, col = 0;
    std::uint32_t at = 0, size = 0;  // the characters in Page::chars
    std::uint16_t font = 0;          // index in Page::fonts
    Align align = Align::Left;
};

struct Line {
    double row1 = 0, col1 = 0, row2 = 0, col2 = 0;
    double pen = 0.25;  // mm
};

// A page keeps each font it uses once, in a table of its own: a report of
// many thousand texts in a handful of fonts holds each font a handful of times.
// The characters of all its texts stand in one buffer, each text followed by
// a NUL, so that writers taking C strings read them in place.
struct Page {
    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Font> fonts;
    std::string chars;

    const Font& fontOf(const Text& t) const { return fonts[t.font]; }
    std::string_view textOf(const Text& t) const { return {chars.data() + t.at, t.size}; }
    // The same characters ended by a NUL.
    const char* cTextOf(const Text& t) const { return chars.data() + t.at; }

    void text(double row, double col, std::string_view text, const Font& font = {}, Align align = Align::Left) {
        const auto at = static_cast<std::uint32_t>(chars.size());
        chars.append(text).push_back('\0');
        texts.push_back({row, col, at, static_cast<std::uint32_t>(text.size()), fontIndex(font), align});
    }
    void line(double row1, double col1, double row2, double col2, double pen = 0.25) {
        lines.push_back({row1, col1, row2, col2, pen});
    }

private:
    std::uint16_t fontIndex(const Font& font) {
        // The last font used is the likely one; a page has few.
        if (!texts.empty() && sameFont(fonts[texts.back().font], font)) return texts.back().font;
        for (std::size_t i = 0; i < fonts.size(); ++i)
            if (sameFont(fonts[i], font)) return static_cast<std::uint16_t>(i);
        fonts.push_back(font);
        return static_cast<std::uint16_t>(fonts.size() - 1);
    }
    static bool sameFont(const Font& a, const Font& b) {
        return a.size == b.size && a.bold == b.bold && a.family == b.family;
    }
};

// Paper in the printer drivers' numbering: 0 the printer's own paper, 1 to 118
// the named papers (1 Letter, 9 A4, ...), 256 a user-defined size.
struct Paper {
    static constexpr int PrinterDefault = 0;
    static constexpr int UserDefined = 256;
    int number = PrinterDefault;
    double width = 0, height = 0;  // mm, portrait, user-defined paper only
};

struct PageSetup {
    std::string printer;  // empty: the default printer
    Orientation orientation = Orientation::Portrait;
    Paper paper;
};

// The pages are held, or made one at a time when they are asked for: a list
// of thousands of pages then costs one page beside its data, whether it is
// shown, printed or saved.
struct Document {
    PageSetup setup;
    std::vector<Page> pages;  // the pages held; empty when they are made

    Page& newPage() { return pages.emplace_back(); }

    // From now on the document has `count` pages, page i made by `make(i)`
    // when asked for; what `make` reads must outlive the document.
    void makePagesWhenAsked(std::size_t count, std::function<Page(std::size_t)> make) {
        pages.clear();
        madeCount_ = count;
        make_ = std::move(make);
        madeIndex_ = npos;
    }
    std::size_t pageCount() const { return make_ ? madeCount_ : pages.size(); }
    // Page i (0-based): the one held, or made now; the reference lasts until
    // the next call, so callers take the pages one by one.
    const Page& page(std::size_t i) const {
        if (!make_) return pages.at(i);
        if (madeIndex_ != i) {
            made_ = make_(i);
            madeIndex_ = i;
        }
        return made_;
    }

private:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::size_t madeCount_ = 0;
    std::function<Page(std::size_t)> make_;
    mutable Page made_;
    mutable std::size_t madeIndex_ = npos;
};

}  // namespace print
