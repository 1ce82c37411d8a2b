#include "gridreport/page_output.h"

#include <algorithm>
#include <cmath>

#include "gridreport/paper.h"
#include "gridreport/table_columns.h"
#include "platform/text/utf8.h"

namespace gridreport {

namespace {

// The longest leading part of the text that fits in the width.
std::string_view longestFitting(std::string_view text, double width, double size, const Measure& measure) {
    const auto chars = utf8::chars(text);
    std::size_t bytes = text.size();
    for (std::size_t n = chars.size(); n > 0; --n) {
        if (measure(text.substr(0, bytes), size) <= width) return text.substr(0, bytes);
        bytes -= chars[n - 1].size();
    }
    return {};
}

// The fitting part, cut after its last blank when it has one.
std::string_view wrapped(std::string_view text, double width, double size, const Measure& measure) {
    std::string_view part = longestFitting(text, width, size, measure);
    if (const auto blank = part.rfind(' '); blank != std::string_view::npos) part = part.substr(0, blank + 1);
    return part;
}

std::string_view fromChar(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < characters && at < text.size(); ++n) at += utf8::charLength(static_cast<unsigned char>(text[at]));
    return text.substr(std::min(at, text.size()));
}

// One report run: the geometry and the page being filled.
class Writer {
public:
    Writer(ReportState& s, const Settings& v, Target target, const Measure& measure, const PageSink& sink)
        : s_(s), v_(v), pdf_(target == Target::Pdf), measure_(measure), sink_(sink), columns_(s) {
        size_ = v.fontSize();
        h_ = lineHeight(size_);
        T_ = s.CURCOL1;
        L_ = v.centre ? (v.width - T_) / 2 : v.left;
        B_ = v.height - v.bottom;
    }

    void run() {
        startPage();
        const bool footer = !utf8::trimBlanks(v_.footer).empty();
        for (std::size_t row = 0; row < s_.LINES; ++row) {
            placeRow(row);
            if (r_ + (s_.hasSums() ? 3 * h_ : h_) + (footer ? h_ : 0) >= B_)
                breakPage();
            else if (v_.rowLines)
                rule(r_);
        }
        rule(r_);
        if (s_.hasSums()) {
            placeLine(r_, totalsLine());
            r_ += h_;
            rule(r_);
        }
        closePage();
    }

private:
    double R(double r) const { return pdf_ ? r - h_ + 0.5 : r; }
    double U(double r) const { return pdf_ ? r + 0.5 : r + h_; }
    print::Font font(double size) const { return {s_.FONTNAME, size, false}; }
    print::Page& page() { return page_; }

    void rule(double r) { page().line(R(r), L_ - 1, R(r), L_ + T_ - 1); }
    double columnLine(std::size_t k) const { return L_ + columns_.columnLine(k); }
    void pageNumber() {
        const std::string text = s_.msg(49) + std::to_string(pageNo_);
        page().text(r_, L_ + T_ - measure_(text, size_) - 5, text, font(size_));
    }
    void centred(std::string_view text) {
        page().text(r_ + h_ / 2, L_ + std::floor(T_ / 2), std::string(text), font(size_ + 2), print::Align::Centre);
    }

    void startPage() {
        page_ = {};
        r_ = v_.top;
        if (v_.pagination == PageNoTop) {
            pageNumber();
            r_ += h_;
        }
        for (const std::string& header : v_.headers)
            if (const auto t = utf8::trimBlanks(header); !t.empty()) {
                centred(t);
                r_ += 2 * h_;
            }
        if (!s_.MERGEHEAD.empty())
            mergedHeader();
        else
            rule(r_);
        top_ = r_;
        std::vector<std::string> captions;
        for (std::size_t c : columns_.included())
            captions.push_back(cutCaption(s_.COLUMNARR[c].caption, s_.COLUMNARR[c].width, size_, measure_));
        placeLine(r_, captions);
        r_ += h_;
        rule(r_);
    }

    void mergedHeader() {
        rule(r_);
        for (const MergeRow& m : s_.MERGEHEAD) {
            const auto [start, end] = columns_.span(m);
            if (end <= start) continue;
            page().text(r_, L_ + start + std::floor((end - start) / 2), m.text, font(size_), print::Align::Centre);
            page().line(U(r_), L_ - 1 + start, U(r_), L_ - 1 + end);
        }
        page().line(R(r_), L_ - 1, U(r_), L_ - 1);
        page().line(R(r_), L_ + T_ - 1, U(r_), L_ + T_ - 1);
        if (v_.columnLines)
            for (std::size_t k = 1; k <= columns_.included().size(); ++k)
                if (!columns_.insideMergedRange(k)) page().line(R(r_), columnLine(k), U(r_), columnLine(k));
        r_ += h_;
    }

    void placeLine(double row, const std::vector<std::string>& texts) {
        double x = L_;
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const Column& c = columns_.column(k);
            if (c.justify == 0)
                page().text(row, x, texts[k], font(size_));
            else if (c.justify == 1)
                page().text(row, x + c.width, texts[k], font(size_), print::Align::Right);
            else if (c.justify == 2)
                page().text(row, x + c.width / 2, texts[k], font(size_), print::Align::Centre);
            x += c.width + 2;
        }
    }

    void placeRow(std::size_t row) {
        std::vector<std::string> cells;
        for (std::size_t c : columns_.included()) {
            std::string t(cellText(s_, row, c));
            if (s_.sumColumn(c)) {
                t = formatPicture(plainNumber(t), s_.SUMARR[c].picture);
                s_.TOTALARR[c] += plainNumber(t);
            }
            cells.push_back(std::move(t));
        }
        for (const auto& line : columns_.rowLines(cells, v_.lengthyLine == WordWrap, size_, measure_)) {
            placeLine(r_, line);
            r_ += h_;
        }
    }

    std::vector<std::string> totalsLine() const {
        std::vector<std::string> texts;
        for (std::size_t c : columns_.included())
            texts.push_back(s_.sumColumn(c)
                                ? std::string(utf8::trimBlanks(formatPicture(s_.TOTALARR[c], s_.SUMARR[c].picture)))
                                : "");
        return texts;
    }

    void columnLines() {
        page().line(R(top_), L_ - 1, R(r_), L_ - 1);
        if (v_.columnLines)
            for (std::size_t k = 1; k <= columns_.included().size(); ++k)
                page().line(R(top_), columnLine(k), R(r_), columnLine(k));
        page().line(R(top_), L_ + T_ - 1, R(r_), L_ + T_ - 1);
    }

    // Column lines, footer and the page number at the bottom.
    void closePage() {
        columnLines();
        if (const auto footer = utf8::trimBlanks(v_.footer); !footer.empty()) {
            centred(footer);
            r_ += 2 * h_;
        }
        if (v_.pagination == PageNoBottom) {
            r_ += h_;
            pageNumber();
        }
        sink_(page_);
    }

    void breakPage() {
        rule(r_);
        if (s_.hasSums()) {
            r_ += h_;
            rule(r_);
            placeLine(r_, totalsLine());
            r_ += h_;
            rule(r_);
        } else {
            rule(r_);
        }
        closePage();
        ++pageNo_;
        startPage();
        if (s_.hasSums()) {
            placeLine(r_, totalsLine());
            r_ += h_;
            rule(r_);
            r_ += h_;
            rule(r_);
        }
    }

    ReportState& s_;
    const Settings& v_;
    const bool pdf_;
    const Measure& measure_;
    const PageSink& sink_;
    double size_ = 0, h_ = 0, T_ = 0, L_ = 0, B_ = 0, r_ = 0, top_ = 0;
    int pageNo_ = 1;
    const TableColumns columns_;
    print::Page page_;
};

}  // namespace

double lineHeight(double size) { return std::floor(size / 72 * 25.4) + 1; }

CellCut firstLine(std::string_view text, double width, bool wordWrap, double size, const Measure& measure) {
    const std::string_view t = utf8::trimBlanks(text);
    if (measure(t, size) <= width) return {std::string(t), 0};
    if (!wordWrap) return {std::string(longestFitting(text, width, size, measure)), 0};
    const std::string_view part = wrapped(text, width, size, measure);
    return {std::string(part), utf8::length(part)};
}

CellCut continuationLine(std::string_view text, std::size_t offset, double width, double size,
                         const Measure& measure) {
    const std::string_view rest = fromChar(text, offset);
    const std::string_view t = utf8::trimBlanks(rest);
    if (measure(t, size) <= width) return {std::string(t), 0};
    const std::string_view part = wrapped(rest, width, size, measure);
    // A rest whose first character is wider than the column ends the cell.
    if (part.empty()) return {"", 0};
    return {std::string(part), offset + utf8::length(part)};
}

std::string cutCaption(std::string_view caption, double width, double size, const Measure& measure) {
    const std::string_view t = utf8::trimBlanks(caption);
    if (measure(t, size) <= width) return std::string(t);
    return std::string(longestFitting(caption, width, size, measure));
}

print::PageSetup pageSetup(const ReportState& s, const Settings& v) {
    print::PageSetup setup;
    if (v.printer >= 1 && v.printer <= static_cast<int>(s.APRINTERNAMES.size()))
        setup.printer = s.APRINTERNAMES[static_cast<std::size_t>(v.printer - 1)];
    setup.orientation = v.orientation == Landscape ? print::Orientation::Landscape : print::Orientation::Portrait;
    setup.paper.number = paperNumber(v.paper);
    if (setup.paper.number == print::Paper::UserDefined) {
        // The paper is given upright: in landscape the page's height is its width.
        const bool landscape = v.orientation == Landscape;
        setup.paper.width = landscape ? v.height : v.width;
        setup.paper.height = landscape ? v.width : v.height;
    }
    return setup;
}

void reportPages(ReportState& s, const Settings& v, Target target, const Measure& measure, const PageSink& sink) {
    Writer(s, v, target, measure, sink).run();
}

print::Document reportPages(ReportState& s, const Settings& v, Target target, const Measure& measure) {
    print::Document doc;
    doc.setup = pageSetup(s, v);
    reportPages(s, v, target, measure, [&doc](print::Page& page) { doc.pages.push_back(std::move(page)); });
    return doc;
}

}  // namespace gridreport
