#include "platform/text/text_table.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <utility>

namespace ui {

namespace {

// Blocks double from small ones, for the many small tables, up to 1 MB.
constexpr std::size_t firstBlockWords = 256, blockWords = 256 * 1024;
// Edits and removals leave their old records behind until they outweigh the rows.
constexpr std::size_t tolerableGarbage = 16 * 1024;
// Scattered records are laid afresh through this many parts of the rows, each
// held twice for a while: a part's worth more than the table, not the table.
constexpr std::size_t scatteredParts = 8;

// memmove that takes a null pointer for no bytes.
void moveBytes(void* to, const void* from, std::size_t n) {
    if (n > 0) std::memmove(to, from, n);
}

}  // namespace

std::uint64_t TextTable::newVersion() {
    static std::atomic<std::uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

void TextTable::changed() { version_ = newVersion(); }

TextTable::TextTable(const TextTable& other) : columns_(other.columns_) {
    rows_.reserve(other.rows());
    for (const Word* record : other.rows_) rows_.push_back(copy(record, other.recordWords(record)));
}

TextTable::TextTable(TextTable&& other) noexcept { *this = std::move(other); }

// The records stay where they are; the table left behind is empty.
TextTable& TextTable::operator=(TextTable&& other) noexcept {
    if (this == &other) return *this;
    changed();
    other.changed();
    columns_ = other.columns_;
    blocks_ = std::exchange(other.blocks_, {});
    rows_ = std::exchange(other.rows_, {});
    liveWords_ = std::exchange(other.liveWords_, 0);
    garbage_ = std::exchange(other.garbage_, 0);
    inOrder_ = std::exchange(other.inOrder_, true);
    pendingCells_ = other.pendingCells_;
    return *this;
}

TextTable& TextTable::operator=(const TextTable& other) {
    if (this != &other) *this = TextTable(other);
    return *this;
}

TextTable::Word* TextTable::room(std::size_t words, Word* keep) {
    if (blocks_.empty() && words == 0) return nullptr;  // rows without columns
    if (!blocks_.empty() && blocks_.back().size - blocks_.back().used >= words) return blocks_.back().words.get() + blocks_.back().used;
    Block* last = blocks_.empty() ? nullptr : &blocks_.back();
    const std::size_t kept = keep ? static_cast<std::size_t>(last->words.get() + last->used - keep) : 0;
    Block block;
    block.size = std::max(last ? std::min(2 * last->size, blockWords) : firstBlockWords, 2 * (kept + words));
    block.words.reset(new Word[block.size]);
    std::copy_n(keep, kept, block.words.get());
    block.used = kept;
    if (keep) last->used -= kept;
    blocks_.push_back(std::move(block));
    return blocks_.back().words.get() + kept;
}

TextTable::Word* TextTable::copy(const Word* record, std::size_t words) {
    Word* to = room(words);
    if (words > 0) {
        std::copy_n(record, words, to);
        blocks_.back().used += words;
    }
    liveWords_ += words;
    return to;
}

// A row built cell by cell is one change, from its beginning.
void TextTable::beginRow() {
    changed();
    Word* record = room(columns_);
    if (columns_ > 0) blocks_.back().used += columns_;
    rows_.push_back(record);
    pendingCells_ = 0;
}

void TextTable::appendCell(std::string_view cell) {
    if (pendingCells_ == columns_) return;
    Word* record = rows_.back();
    const std::size_t length = pendingCells_ == 0 ? 0 : record[pendingCells_ - 1];
    const std::size_t newWords = wordsFor(columns_, length + cell.size());
    Block& block = blocks_.back();
    const std::size_t haveWords = static_cast<std::size_t>(block.words.get() + block.used - record);
    if (newWords > haveWords) {
        record = room(newWords - haveWords, record) - haveWords;
        rows_.back() = record;
        blocks_.back().used = static_cast<std::size_t>(record - blocks_.back().words.get()) + newWords;
    }
    moveBytes(reinterpret_cast<char*>(record + columns_) + length, cell.data(), cell.size());
    record[pendingCells_++] = static_cast<Word>(length + cell.size());
}

void TextTable::endRow() {
    Word* record = rows_.back();
    const Word end = pendingCells_ == 0 ? 0 : record[pendingCells_ - 1];
    for (; pendingCells_ < columns_; ++pendingCells_) record[pendingCells_] = end;
    liveWords_ += recordWords(record);
}

void TextTable::checkRow(std::size_t row, const char* what) const {
    if (row >= rows()) throw std::out_of_range(what);
}

std::string_view TextTable::cell(std::size_t row, std::size_t column) const {
    if (row >= rows() || column >= columns_) return {};
    const Word* record = rows_[row];
    const Word begin = column == 0 ? 0 : record[column - 1];
    return {textOf(record) + begin, record[column] - begin};
}

std::string_view TextTable::rowText(std::size_t row) const {
    checkRow(row, "TextTable::rowText");
    return {textOf(rows_[row]), lengthOf(rows_[row])};
}

std::span<const std::uint32_t> TextTable::rowEnds(std::size_t row) const {
    checkRow(row, "TextTable::rowEnds");
    return {rows_[row], columns_};
}

std::vector<std::string> TextTable::row(std::size_t r) const {
    std::vector<std::string> cells;
    cells.reserve(columns_);
    for (std::size_t c = 0; c < columns_; ++c) cells.emplace_back(cell(r, c));
    return cells;
}

TextTable::Word* TextTable::place(std::span<const Word> ends, std::string_view text) {
    const std::size_t words = wordsFor(columns_, text.size());
    Word* record = room(words);
    if (words == 0) return record;
    blocks_.back().used += words;
    std::copy(ends.begin(), ends.end(), record);
    moveBytes(record + columns_, text.data(), text.size());
    liveWords_ += words;
    return record;
}

void TextTable::setCell(std::size_t r, std::size_t column, std::string_view value) {
    if (r >= rows() || column >= columns_) throw std::out_of_range("TextTable::setCell");
    changed();
    Word* record = rows_[r];
    const std::size_t length = lengthOf(record), words = recordWords(record);
    const Word begin = column == 0 ? 0 : record[column - 1];
    const Word oldLength = record[column] - begin;
    const std::size_t newLength = length - oldLength + value.size();
    const auto delta = static_cast<std::int64_t>(value.size()) - oldLength;
    if (const std::size_t newWords = wordsFor(columns_, newLength); newWords <= words) {
        // The record's own words still hold it: the rest of the row moves up or
        // down, after the value is safe from that when it is text of this row.
        const std::string_view row(reinterpret_cast<const char*>(record), words * sizeof(Word));
        const bool ofThisRow = !value.empty() && std::less_equal<const char*>()(row.data(), value.data()) &&
                               std::less<const char*>()(value.data(), row.data() + row.size());
        const std::string kept = ofThisRow ? std::string(value) : std::string();
        if (ofThisRow) value = kept;
        char* text = reinterpret_cast<char*>(record + columns_);
        if (delta != 0) moveBytes(text + begin + value.size(), text + begin + oldLength, length - record[column]);
        moveBytes(text + begin, value.data(), value.size());
        for (std::size_t c = column; c < columns_; ++c) record[c] = static_cast<Word>(record[c] + delta);
        liveWords_ -= words - newWords;
        garbage_ += words - newWords;
        return;
    }
    // Grown beyond its words: the row gets a new record at the end, and the old
    // one becomes garbage (which `value` may point into: it stays until then).
    std::string text;
    text.reserve(newLength);
    const std::string_view old(textOf(record), length);
    text.append(old.substr(0, begin)).append(value).append(old.substr(begin + oldLength));
    std::vector<Word> ends(record, record + columns_);
    for (std::size_t c = column; c < columns_; ++c) ends[c] = static_cast<Word>(ends[c] + delta);
    rows_[r] = place(ends, text);
    liveWords_ -= words;
    garbage_ += words;
    inOrder_ = inOrder_ && r + 1 == rows();
    compactWhenWasteful();
}

void TextTable::removeRow(std::size_t r) {
    if (r >= rows()) return;
    changed();
    const std::size_t words = recordWords(rows_[r]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(r));
    liveWords_ -= words;
    garbage_ += words;
    compactWhenWasteful();
}

void TextTable::clear() {
    changed();
    blocks_.clear();
    rows_.clear();
    liveWords_ = garbage_ = 0;
    inOrder_ = true;
}

std::size_t TextTable::textBytes() const {
    std::size_t bytes = 0;
    for (const Word* record : rows_) bytes += lengthOf(record);
    return bytes;
}

void TextTable::compactWhenWasteful() {
    if (garbage_ > tolerableGarbage && garbage_ > liveWords_) rewriteInOrder();
}

TextTable::Rewrite::Rewrite(TextTable& table) : table_(table), old_(std::move(table.blocks_)), inOrder_(table.inOrder_) {
    table.blocks_.clear();
    table.liveWords_ = table.garbage_ = 0;
    table.inOrder_ = true;
}

TextTable::Rewrite::~Rewrite() = default;

void TextTable::Rewrite::reading(const Word* record) {
    if (!inOrder_) return;
    while (next_ < old_.size() && !old_[next_].holds(record)) old_[next_++] = Block();
}

void TextTable::rewriteInOrder() {
    if (!inOrder_) {
        rewriteScattered();
        return;
    }
    Rewrite rewrite(*this);
    for (Word*& record : rows_) {
        rewrite.reading(record);
        record = copy(record, recordWords(record));
    }
}

void TextTable::rewriteScattered() {
    std::vector<Block> old = std::exchange(blocks_, {});
    liveWords_ = garbage_ = 0;
    inOrder_ = true;
    if (old.empty()) return;  // rows without columns
    // The rows whose records each old block holds.
    std::vector<std::size_t> byAddress(old.size());
    for (std::size_t b = 0; b < old.size(); ++b) byAddress[b] = b;
    const auto start = [&](std::size_t b) { return static_cast<const Word*>(old[b].words.get()); };
    std::sort(byAddress.begin(), byAddress.end(),
              [&](std::size_t a, std::size_t b) { return std::less<const Word*>()(start(a), start(b)); });
    std::vector<std::uint32_t> blockOf(rows_.size());
    std::vector<std::size_t> firstOf(old.size() + 1);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const auto after = std::upper_bound(byAddress.begin(), byAddress.end(), rows_[r], [&](const Word* record, std::size_t b) {
            return std::less<const Word*>()(record, start(b));
        });
        blockOf[r] = static_cast<std::uint32_t>(*std::prev(after));
        ++firstOf[blockOf[r] + 1];
    }
    for (std::size_t b = 1; b < firstOf.size(); ++b) firstOf[b] += firstOf[b - 1];
    std::vector<std::uint32_t> rowsOf(rows_.size());
    for (std::size_t r = 0, b; r < rows_.size(); ++r) rowsOf[firstOf[b = blockOf[r]]++] = static_cast<std::uint32_t>(r);
    blockOf = {};
    // Each old block, once its records are copied to the part of the rows they
    // belong to, is given back; then each part, once laid in row order.
    const std::size_t rowsPerPart = (rows_.size() + scatteredParts - 1) / scatteredParts;
    std::vector<TextTable> parts(scatteredParts, TextTable(columns_));
    for (std::size_t b = 0, next = 0; b < old.size(); next = firstOf[b++]) {
        for (std::size_t i = next; i < firstOf[b]; ++i) {
            Word*& record = rows_[rowsOf[i]];
            record = parts[rowsOf[i] / rowsPerPart].copy(record, recordWords(record));
        }
        old[b] = Block();
    }
    for (std::size_t p = 0; p < parts.size(); ++p) {
        for (std::size_t r = p * rowsPerPart; r < std::min(rows_.size(), (p + 1) * rowsPerPart); ++r)
            rows_[r] = copy(rows_[r], recordWords(rows_[r]));
        parts[p] = TextTable();
    }
}

void TextTable::reorder(const std::vector<std::size_t>& order) {
    for (std::size_t r : order) checkRow(r, "TextTable::reorder");
    changed();
    std::vector<Word*> rows;
    rows.reserve(order.size());
    if (isPermutation(order)) {
        // Every row keeps its record where it lies: a sort moves no text, and
        // walks through the rows fetch their records ahead.
        for (std::size_t r : order) rows.push_back(rows_[r]);
        inOrder_ = inOrder_ && std::is_sorted(order.begin(), order.end());
        rows_ = std::move(rows);
        return;
    }
    // Rows repeated or dropped: the records are written afresh in the new
    // order, so that each row gets a record of its own.
    std::vector<Block> old = std::exchange(blocks_, {});
    liveWords_ = garbage_ = 0;
    constexpr std::size_t ahead = 8;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i + ahead < order.size()) __builtin_prefetch(rows_[order[i + ahead]]);
        const Word* record = rows_[order[i]];
        rows.push_back(copy(record, recordWords(record)));
    }
    rows_ = std::move(rows);
    inOrder_ = true;
}

void TextTable::layInRowOrder() {
    if (!inOrder_) rewriteInOrder();
}

bool TextTable::isPermutation(const std::vector<std::size_t>& order) const {
    if (order.size() != rows()) return false;
    std::vector<bool> seen(order.size());
    for (std::size_t r : order) {
        if (seen[r]) return false;
        seen[r] = true;
    }
    return true;
}

}  // namespace ui
