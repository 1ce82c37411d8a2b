#include "platform/text/text_table.h"

#include <stdexcept>

namespace ui {

void TextTable::beginRow() {
    text_.emplace_back();
    pendingCells_ = 0;
}

void TextTable::appendCell(std::string_view cell) {
    if (pendingCells_ == columns_) return;
    std::string& t = text_.back();
    t.append(cell);
    ends_.push_back(static_cast<std::uint32_t>(t.size()));
    ++pendingCells_;
}

void TextTable::endRow() {
    const auto end = static_cast<std::uint32_t>(text_.back().size());
    for (; pendingCells_ < columns_; ++pendingCells_) ends_.push_back(end);
    text_.back().shrink_to_fit();
}

std::string_view TextTable::cell(std::size_t row, std::size_t column) const {
    if (row >= text_.size() || column >= columns_) return {};
    const std::uint32_t* e = &ends_[row * columns_];
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
    std::uint32_t* e = &ends_[r * columns_];
    const std::uint32_t begin = column == 0 ? 0 : e[column - 1];
    const std::uint32_t oldLength = e[column] - begin;
    text_[r].replace(begin, oldLength, value);
    const auto delta = static_cast<std::int64_t>(value.size()) - oldLength;
    for (std::size_t c = column; c < columns_; ++c) e[c] = static_cast<std::uint32_t>(e[c] + delta);
}

void TextTable::removeRow(std::size_t r) {
    if (r >= text_.size()) return;
    text_.erase(text_.begin() + static_cast<std::ptrdiff_t>(r));
    auto first = ends_.begin() + static_cast<std::ptrdiff_t>(r * columns_);
    ends_.erase(first, first + static_cast<std::ptrdiff_t>(columns_));
}

void TextTable::reserve(std::size_t rows) {
    text_.reserve(rows);
    ends_.reserve(rows * columns_);
}

void TextTable::reorder(const std::vector<std::size_t>& order) {
    std::vector<std::string> text;
    std::vector<std::uint32_t> ends;
    text.reserve(order.size());
    ends.reserve(order.size() * columns_);
    for (std::size_t r : order) {
        text.push_back(std::move(text_.at(r)));
        ends.insert(ends.end(), ends_.begin() + static_cast<std::ptrdiff_t>(r * columns_),
                    ends_.begin() + static_cast<std::ptrdiff_t>((r + 1) * columns_));
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
