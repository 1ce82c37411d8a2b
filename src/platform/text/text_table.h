#pragma once
// A table of text cells, stored row by row in one string per row, so that
// 100,000 rows of a few dozen columns cost little more than their text.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TextTable {
public:
    TextTable() = default;
    explicit TextTable(std::size_t columns) : columns_(columns) {}

    std::size_t rows() const { return text_.size(); }
    std::size_t columns() const { return columns_; }
    bool empty() const { return text_.empty(); }

    // Cells beyond `columns` are dropped; missing cells are empty.
    template <class Cells>
    void appendRow(const Cells& cells) {
        beginRow();
        std::size_t c = 0;
        for (const auto& cell : cells) {
            if (c++ == columns_) break;
            appendCell(std::string_view(cell));
        }
        endRow();
    }
    void appendRow(std::initializer_list<std::string_view> cells) {
        appendRow<std::initializer_list<std::string_view>>(cells);
    }

    // Row building cell by cell, for producers that have no container at hand.
    void beginRow();
    void appendCell(std::string_view cell);
    void endRow();

    std::string_view cell(std::size_t row, std::size_t column) const;
    // All cells of a row, concatenated.
    std::string_view rowText(std::size_t row) const { return text_.at(row); }
    // Where each cell of a row ends in its rowText, for walking a row at once.
    std::span<const std::uint32_t> rowEnds(std::size_t row) const { return {&ends_.at(row * columns_), columns_}; }
    std::string at(std::size_t row, std::size_t column) const { return std::string(cell(row, column)); }
    std::vector<std::string> row(std::size_t row) const;
    void setCell(std::size_t row, std::size_t column, std::string_view value);
    void removeRow(std::size_t row);
    void clear() { text_.clear(); ends_.clear(); }
    void reserve(std::size_t rows);

    // Puts row order[i] at position i.
    void reorder(const std::vector<std::size_t>& order);

    // Rewrites every row in place, cell by cell: `shape(column, cell, out)`
    // appends the cell's new text to `out`. Beside the table only one row's
    // new text is held at a time.
    template <class Shape>
    void reshapeRows(Shape shape);

    // Raw text size of all cells: for memory measurements.
    std::size_t textBytes() const;

private:
    std::size_t columns_ = 0;
    std::vector<std::string> text_;    // all cells of one row, concatenated
    std::vector<std::uint32_t> ends_;  // columns_ end offsets per row, into its text
    std::size_t pendingCells_ = 0;
};

template <class Shape>
void TextTable::reshapeRows(Shape shape) {
    std::string row;
    for (std::size_t r = 0; r < text_.size(); ++r) {
        row.clear();
        std::uint32_t* ends = &ends_[r * columns_];
        std::uint32_t begin = 0;
        for (std::size_t c = 0; c < columns_; ++c) {
            shape(c, std::string_view(text_[r]).substr(begin, ends[c] - begin), row);
            begin = ends[c];
            ends[c] = static_cast<std::uint32_t>(row.size());
        }
        text_[r] = std::string(row);  // exactly as long as its text
    }
}

}  // namespace ui
