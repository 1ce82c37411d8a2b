#include "platform/text/text_table.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

void TextTable::beginRow() {
    if (text_.size() % blockRows == 0) ends_.emplace_back().reserve(blockRows * columns_);
    text_.emplace_back();
    pendingCells_ = 0;
}

void TextTable::appendCell(std::string_view cell) {
    if (pendingCells_ == columns_) return;
    std::string& t = text_.back();
    t.append(cell);
    ends_.back().push_back(static_cast<std::uint32_t>(t.size()));
    ++pendingCells_;
}

void TextTable::endRow() {
    const auto end = static_cast<std::uint32_t>(text_.back().size());
    for (; pendingCells_ < columns_; ++pendingCells_) ends_.back().push_back(end);
    text_.back().shrink_to_fit();
}

std::string_view TextTable::cell(std::size_t row, std::size_t column) const {
    if (row >= text_.size() || column >= columns_) return {};
    const std::uint32_t* e = endsOf(row);
    const std::uint32_t begin = column == 0 ? 0 : e[column - 1];
    return std::string_view(text_[row]).substr(begin, e[column] - begin);
}

std::vector<std::string> TextTable::row(std::size_t r) const {
    std::vector<std::string> cells;
    cells.reserve(columns_);
    for (std::size_t c = 0; c < columns_; ++c) cells.emplace_back(cell(r, c));
    return cells;
}

void TextTable::setCell(std::size_t r, std::size_t column, std::string_view value) {
    if (r >= text_.size() || column >= columns_) throw std::out_of_range("TextTable::setCell");
    std::uint32_t* e = endsOf(r);
    const std::uint32_t begin = column == 0 ? 0 : e[column - 1];
    const std::uint32_t oldLength = e[column] - begin;
    text_[r].replace(begin, oldLength, value);
    const auto delta = static_cast<std::int64_t>(value.size()) - oldLength;
    for (std::size_t c = column; c < columns_; ++c) e[c] = static_cast<std::uint32_t>(e[c] + delta);
}

void TextTable::removeRow(std::size_t r) {
    if (r >= text_.size()) return;
    text_.erase(text_.begin() + static_cast<std::ptrdiff_t>(r));
    // The rows after it move up by one, across their blocks.
    for (std::size_t i = r; i < text_.size(); ++i) std::copy_n(endsOf(i + 1), columns_, endsOf(i));
    ends_.back().resize(ends_.back().size() - columns_);
    if (text_.size() % blockRows == 0) ends_.pop_back();
}

void TextTable::reserve(std::size_t rows) { text_.reserve(rows); }

void TextTable::reorder(const std::vector<std::size_t>& order) {
    std::vector<std::string> text;
    std::vector<std::vector<std::uint32_t>> ends;
    text.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i % blockRows == 0) ends.emplace_back().reserve(blockRows * columns_);
        const std::size_t r = order[i];
        text.push_back(std::move(text_.at(r)));
        ends.back().insert(ends.back().end(), endsOf(r), endsOf(r) + columns_);
    }
    text_ = std::move(text);
    ends_ = std::move(ends);
}

std::size_t TextTable::textBytes() const {
    std::size_t n = 0;
    for (const auto& t : text_) n += t.size();
    return n;
}

}  // namespace ui
