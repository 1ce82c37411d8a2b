#include "gridreport/first_page_preview.h"

#include <algorithm>

#include "gridreport/page_output.h"
#include "gridreport/table_columns.h"
#include "platform/text/utf8.h"

namespace gridreport {

namespace {

constexpr double usableWidth = previewRight - previewLeft - 20;
constexpr double usableHeight = previewBottom - previewTop - 20;

// A page is made smaller to fit the area, never larger.
double scaleFor(double width, double height) {
    if (usableWidth >= width && usableHeight >= height) return 1;
    return std::min(usableWidth / width, usableHeight / height);
}

class Drawer {
public:
    Drawer(const ReportState& s, const Settings& v, const Measure& measure)
        : s_(s), v_(v), measure_(measure), columns_(s) {
        size_ = v.fontSize();
        out_.scale = f_ = scaleFor(v.width, v.height);
        out_.top = previewTop + (usableHeight - v.height * f_) / 2 + 10;
        out_.left = previewLeft + (usableWidth - v.width * f_) / 2 + 10;
        out_.bottom = out_.top + v.height * f_;
        out_.right = out_.left + v.width * f_;
        yB_ = out_.top + (v.height - v.bottom) * f_;
        y_ = out_.top + v.top * f_;
        x_ = out_.left + (v.centre ? (v.width - s.CURCOL1) / 2 : v.left) * f_;
        T_ = s.CURCOL1 * f_;
        h_ = lineHeight(size_) * f_;
    }

    PagePreview run() {
        if (v_.pagination == PageNoTop) pageNumber();
        for (const std::string& header : v_.headers)
            if (const auto t = utf8::trimBlanks(header); !t.empty()) centred(t);
        if (!s_.MERGEHEAD.empty())
            mergedHeader();
        else
            rule();
        top_ = y_;
        std::vector<std::string> captions;
        for (std::size_t c : columns_.included())
            captions.push_back(cutCaption(s_.COLUMNARR[c].caption, s_.COLUMNARR[c].width, size_, measure_));
        cells(captions);
        rule();
        for (std::size_t row = 0; row < s_.LINES; ++row) {
            std::vector<std::string> texts;
            for (std::size_t c : columns_.included()) texts.emplace_back(cellText(s_, row, c));
            for (const auto& line : columns_.rowLines(texts, v_.lengthyLine == WordWrap, size_, measure_)) cells(line);
            if (y_ + h_ >= yB_) break;  // the first page is full
            if (v_.rowLines) rule();
        }
        close();
        keepToPage();
        return std::move(out_);
    }

private:
    double length(std::string_view text) const { return measure_(text, size_) * f_; }
    double right() const { return x_ + T_ - f_; }
    double columnLine(std::size_t k) const { return x_ + columns_.columnLine(k) * f_; }

    void across(double row, double from, double to, std::string text = {}) {
        out_.lines.push_back({row, from, row, to, std::move(text)});
    }
    void down(double col, double from, double to) { out_.lines.push_back({from, col, to, col, {}}); }
    void rule() { across(y_, x_, right()); }
    // A text drawn as a line of its length from `from`; an empty one draws nothing.
    void text(double row, double from, std::string_view t) {
        if (!t.empty()) across(row, from, from + length(t), std::string(t));
    }

    void pageNumber() {
        const std::string t = s_.msg(49) + "1";
        text(y_, x_ + T_ - length(t), t);
        y_ += h_;
    }
    // A page header or the footer, centred on the table, measured at the body size.
    void centred(std::string_view t) {
        text(y_ + h_ / 2, x_ + (T_ - length(t)) / 2, t);
        y_ += 2 * h_;
    }

    // One line of cells, each text placed by its column's justification.
    void cells(const std::vector<std::string>& texts) {
        const double row = y_ + h_ / 2;
        double c = x_;
        for (std::size_t k = 0; k < texts.size(); ++k) {
            const std::string_view t = utf8::trimBlanks(texts[k]);
            const Column& column = columns_.column(k);
            const double cell = (column.width + 2) * f_, len = length(t);
            if (column.justify == 0)
                text(row, c, t);
            else if (column.justify == 1)
                text(row, c + cell - len, t);
            else if (column.justify == 2)
                text(row, c + column.width / 2 * f_ - len / 2, t);
            c += cell;
        }
        y_ += h_;
    }

    void mergedHeader() {
        rule();
        for (const MergeRow& m : s_.MERGEHEAD) {
            const auto [start, end] = columns_.span(m);
            if (end <= start) continue;
            const std::string_view t = utf8::trimBlanks(m.text);
            text(y_ + h_ / 2, x_ + start * f_ + (end - start - measure_(t, size_)) / 2 * f_, t);
            across(y_ + h_, x_ + start * f_, x_ + end * f_);
        }
        down(x_, y_, y_ + h_);
        down(right(), y_, y_ + h_);
        if (v_.columnLines)
            for (std::size_t k = 1; k <= columns_.included().size(); ++k)
                if (!columns_.insideMergedRange(k)) down(columnLine(k), y_, y_ + h_);
        y_ += h_;
    }

    // Nothing is drawn outside the page: a table wider than the page, or margins
    // that leave little of it, are cut at its edges. Every line runs across or down.
    void keepToPage() {
        std::vector<PreviewLine> kept;
        const auto cut = [](double& a, double& b, double low, double high) {
            if (std::max(a, b) < low || std::min(a, b) > high) return false;
            a = std::clamp(a, low, high);
            b = std::clamp(b, low, high);
            return true;
        };
        for (PreviewLine l : out_.lines) {
            const bool across = l.row1 == l.row2;
            const double at = across ? l.row1 : l.col1;
            if (at < (across ? out_.top : out_.left) || at > (across ? out_.bottom : out_.right)) continue;
            if (across ? cut(l.col1, l.col2, out_.left, out_.right) : cut(l.row1, l.row2, out_.top, out_.bottom))
                kept.push_back(std::move(l));
        }
        out_.lines = std::move(kept);
    }

    // The end of the table, the footer and the page number at the bottom.
    void close() {
        rule();
        down(x_, top_, y_);
        if (v_.columnLines)
            for (std::size_t k = 1; k <= columns_.included().size(); ++k) down(columnLine(k), top_, y_);
        down(right(), top_, y_);
        if (const auto footer = utf8::trimBlanks(v_.footer); !footer.empty()) centred(footer);
        if (v_.pagination == PageNoBottom) pageNumber();
    }

    const ReportState& s_;
    const Settings& v_;
    const Measure& measure_;
    const TableColumns columns_;
    PagePreview out_;
    double size_ = 0, f_ = 1, yB_ = 0, y_ = 0, x_ = 0, T_ = 0, h_ = 0, top_ = 0;
};

}  // namespace

PagePreview firstPagePreview(const ReportState& s, const Settings& v, const Measure& measure) {
    return Drawer(s, v, measure).run();
}

}  // namespace gridreport
