#pragma once
// A table of text cells. Each row is one record, its cells' end offsets and
// then their text, and the records lie back to back in large blocks: 100,000
// rows of a few dozen columns cost little more than their text and take no heap
// block each, and rows read one after another are read from neighbouring memory
// (after a reorder, once they are laid in row order again).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TextTable {
public:
    TextTable() = default;
    explicit TextTable(std::size_t columns) : columns_(columns) {}
    TextTable(const TextTable& other);
    TextTable& operator=(const TextTable& other);
    TextTable(TextTable&& other) noexcept;
    TextTable& operator=(TextTable&& other) noexcept;

    std::size_t rows() const { return rows_.size(); }
    std::size_t columns() const { return columns_; }
    bool empty() const { return rows_.empty(); }

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
    std::string_view rowText(std::size_t row) const;
    // Where each cell of a row ends in its rowText, for walking a row at once.
    std::span<const std::uint32_t> rowEnds(std::size_t row) const;
    // Calls visit(row, cell) for the cells of one column, row by row. After a
    // reorder the rows lie anywhere: their words are fetched some rows ahead.
    template <class Visit>
    void forEachCell(std::size_t column, Visit visit) const;
    std::string at(std::size_t row, std::size_t column) const { return std::string(cell(row, column)); }
    std::vector<std::string> row(std::size_t row) const;
    void setCell(std::size_t row, std::size_t column, std::string_view value);
    void removeRow(std::size_t row);
    void clear();
    void reserve(std::size_t rows) { rows_.reserve(rows); }

    // Puts row order[i] at position i. `order` may repeat or drop rows. A
    // reorder of every row moves only the rows' places, not their records.
    void reorder(const std::vector<std::size_t>& order);
    // Writes the records afresh in row order when a reorder left them
    // scattered, so that walks through whole rows read neighbouring memory;
    // the old blocks are given back as the new ones fill.
    void layInRowOrder();

    // Rewrites every row, cell by cell: `shape(column, cell, out)` appends the
    // cell's new text to `out`. The blocks already read are given back as the
    // rewrite goes on, so the old and the new text are never held whole at once.
    template <class Shape>
    void reshapeRows(Shape shape);

    // Raw text size of all cells: for memory measurements.
    std::size_t textBytes() const;

    // Changes with every change of the rows' texts or order (not with where
    // their records lie; a row built cell by cell is one change); no two
    // tables share one.
    std::uint64_t version() const { return version_; }

private:
    using Word = std::uint32_t;
    // A block of records; `used` words of it are written.
    struct Block {
        std::unique_ptr<Word[]> words;
        std::size_t size = 0, used = 0;
        bool holds(const Word* record) const {
            return std::less_equal<const Word*>()(words.get(), record) && std::less<const Word*>()(record, words.get() + used);
        }
    };
    // The blocks of a table being rewritten, released as its rows are read.
    class Rewrite {
    public:
        explicit Rewrite(TextTable& table);
        ~Rewrite();
        Rewrite(const Rewrite&) = delete;
        Rewrite& operator=(const Rewrite&) = delete;
        // `record` of the old blocks is being read: the blocks before it are done.
        void reading(const Word* record);

    private:
        TextTable& table_;
        std::vector<Block> old_;
        std::size_t next_ = 0;
        bool inOrder_;
    };

    static std::size_t wordsFor(std::size_t columns, std::size_t bytes) { return columns + (bytes + 3) / 4; }
    const char* textOf(const Word* record) const { return reinterpret_cast<const char*>(record + columns_); }
    std::uint32_t lengthOf(const Word* record) const { return columns_ == 0 ? 0 : record[columns_ - 1]; }
    std::size_t recordWords(const Word* record) const { return wordsFor(columns_, lengthOf(record)); }
    void checkRow(std::size_t row, const char* what) const;
    // Room for `words` more words at the end of the last block; the record being
    // built (from `keep`, to the end of the last block) moves along when a new
    // block is needed. Returns the record's new place.
    Word* room(std::size_t words, Word* keep = nullptr);
    // A copy of a record of `words` words, at the end.
    Word* copy(const Word* record, std::size_t words);
    // A new record of the given ends and text, at the end.
    Word* place(std::span<const Word> ends, std::string_view text);
    void compactWhenWasteful();
    // Whether `order` names every row once.
    bool isPermutation(const std::vector<std::size_t>& order) const;
    // Writes the records afresh in row order, without what edits left behind.
    void rewriteInOrder();
    // The same for records a reorder scattered: they go, block after block, to
    // the part of the rows they belong to, and each part is then laid in row
    // order, so that every block is given back once read.
    void rewriteScattered();
    void changed();

    std::size_t columns_ = 0;
    std::vector<Block> blocks_;
    std::vector<Word*> rows_;      // each row's record
    std::size_t liveWords_ = 0;    // words of the rows' records
    std::size_t garbage_ = 0;      // words of records that no row uses
    bool inOrder_ = true;          // the records lie in row order through the blocks
    std::size_t pendingCells_ = 0;
    std::uint64_t version_ = newVersion();
    static std::uint64_t newVersion();
};

template <class Visit>
void TextTable::forEachCell(std::size_t column, Visit visit) const {
    constexpr std::size_t ahead = 8;
    const std::size_t n = rows();
    for (std::size_t r = 0; r < n; ++r) {
        if (r + 2 * ahead < n) __builtin_prefetch(rows_[r + 2 * ahead] + column);
        if (r + ahead < n) __builtin_prefetch(cell(r + ahead, column).data());
        visit(r, cell(r, column));
    }
}

template <class Shape>
void TextTable::reshapeRows(Shape shape) {
    changed();
    Rewrite rewrite(*this);
    std::string text;
    std::vector<Word> ends(columns_);
    for (Word*& record : rows_) {
        rewrite.reading(record);
        const char* old = textOf(record);
        text.clear();
        Word begin = 0;
        for (std::size_t c = 0; c < columns_; ++c) {
            shape(c, std::string_view(old + begin, record[c] - begin), text);
            begin = record[c];
            ends[c] = static_cast<Word>(text.size());
        }
        record = place(ends, text);
    }
}

}  // namespace ui
