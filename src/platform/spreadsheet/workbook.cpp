#include "platform/spreadsheet/workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>

#include "platform/desktop/files.h"
#include "platform/text/utf8.h"

namespace spreadsheet {

namespace {
bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether the text starts as the sheet format's escape of a character, "_xHHHH_".
bool looksEscaped(std::string_view t) {
    return t.size() >= 7 && t[0] == '_' && (t[1] == 'x' || t[1] == 'X') && t[6] == '_' &&
           std::all_of(t.begin() + 2, t.begin() + 6, isHexDigit);
}
}  // namespace

std::string cellText(std::string_view text) {
    // libxlsxwriter escapes control characters this way but leaves such a
    // text as it is, which a spreadsheet program would read as the escape.
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (looksEscaped(text.substr(at))) out += "_x005F";
        out += text[at];
    }
    return out;
}

bool fitsCell(std::string_view text) {
    // Escaping at most doubles the bytes, and no character counts more than its bytes.
    if (text.size() <= cellLimit / 2) return true;
    std::size_t units = 0;
    for (std::string_view c : utf8::chars(cellText(text))) units += c.size() == 4 ? 2 : 1;
    return units <= cellLimit;
}

Workbook::Workbook(std::string path) : path_(std::move(path)), partial_(desktop::temporaryBeside(path_)) {
    if (partial_.empty()) {
        failed_ = true;
        return;
    }
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    book_ = workbook_new_opt(partial_.c_str(), &options);
    if (book_) sheet_ = workbook_add_worksheet(book_, nullptr);
    failed_ = !sheet_;
}

Workbook::~Workbook() {
    // Closing writes the file; a workbook never saved leaves none behind.
    if (book_) workbook_close(book_);
    std::error_code ignored;
    if (!partial_.empty()) std::filesystem::remove(partial_, ignored);
}

int Workbook::style(const Style& s) {
    if (failed_) return 0;
    lxw_format* f = workbook_add_format(book_);
    format_set_font_name(f, s.font.c_str());
    format_set_font_size(f, s.points);
    if (s.bold) format_set_bold(f);
    if (!s.numberFormat.empty()) format_set_num_format(f, s.numberFormat.c_str());
    if (s.fill) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, *s.fill);
    }
    if (s.bottomBorder) format_set_bottom(f, LXW_BORDER_THIN);
    styles_.push_back(f);
    return static_cast<int>(styles_.size() - 1);
}

void Workbook::columns(int first, int last, double width, int style) {
    if (failed_) return;
    if (worksheet_set_column(sheet_, static_cast<lxw_col_t>(first - 1), static_cast<lxw_col_t>(last - 1), width,
                             styles_.at(static_cast<std::size_t>(style))) != LXW_NO_ERROR)
        failed_ = true;
}

void Workbook::rowStyle(int row, int style) {
    if (failed_) return;
    if (worksheet_set_row(sheet_, static_cast<lxw_row_t>(row - 1), LXW_DEF_ROW_HEIGHT,
                          styles_.at(static_cast<std::size_t>(style))) != LXW_NO_ERROR)
        failed_ = true;
}

void Workbook::freeze(int rows, int columns) {
    if (!failed_) worksheet_freeze_panes(sheet_, static_cast<lxw_row_t>(rows), static_cast<lxw_col_t>(columns));
}

void Workbook::text(int row, int column, std::string_view value, int style) {
    if (failed_) return;
    if (!fitsCell(value)) {
        failed_ = true;
        return;
    }
    const std::string escaped = cellText(value);
    if (worksheet_write_string(sheet_, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(column - 1),
                               escaped.c_str(), styles_.at(static_cast<std::size_t>(style))) != LXW_NO_ERROR)
        failed_ = true;
}

bool Workbook::save() {
    if (!book_) return false;
    const lxw_error closed = workbook_close(book_);
    book_ = nullptr;
    if (failed_ || closed != LXW_NO_ERROR || !desktop::renameInto(partial_, path_).empty()) return false;
    partial_.clear();
    return true;
}

}  // namespace spreadsheet
