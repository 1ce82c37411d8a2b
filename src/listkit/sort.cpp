#include "listkit/sort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/text/utf8.h"

namespace listkit {

int nextSortState(int current) { return current == 0 || current == 1 ? current + 1 : 0; }

namespace {

// A key in the sort: its first 12 bytes as two big-endian numbers,
// zero-filled, which order as the bytes do; only keys whose first 12 bytes
// agree compare their whole texts.
struct Entry {
    std::uint64_t high;
    std::uint32_t low, row;
};

std::uint64_t bigEndian(std::string_view bytes) {
    unsigned char b[8] = {};
    if (!bytes.empty()) std::memcpy(b, bytes.data(), std::min(bytes.size(), sizeof b));
    std::uint64_t n = 0;
    for (unsigned char byte : b) n = n << 8 | byte;
    return n;
}

Entry entryOf(std::string_view key, std::size_t row) {
    return {bigEndian(key), key.size() > 8 ? static_cast<std::uint32_t>(bigEndian(key.substr(8)) >> 32) : 0,
            static_cast<std::uint32_t>(row)};
}

// The rows of `entries` in the order of a stable sort by their keys, which
// `keyOf(row)` gives whole. Equal keys keep the order of their rows; the sort
// itself needs no room beside the entries.
template <class KeyOf>
std::vector<std::size_t> sortedRows(std::vector<Entry>& entries, KeyOf keyOf) {
    std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        if (const int c = keyOf(a.row).compare(keyOf(b.row))) return c < 0;
        return a.row < b.row;
    });
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    for (const Entry& e : entries) order.push_back(e.row);
    return order;
}

// The distinct texts of a column, each once, back to back.
class DistinctTexts {
public:
    std::size_t count() const { return ends_.size(); }
    std::string_view at(std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    std::uint32_t add(std::string_view text) {
        text_.append(text);
        ends_.push_back(text_.size());
        return static_cast<std::uint32_t>(ends_.size() - 1);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

// The texts of most columns repeat from row to row (names, dates, codes):
// found again through a hash table, each distinct text is upper-cased and
// sorted once. When the first rows show the texts mostly distinct, the rest are
// taken as they come, without looking for their copies: a copy taken twice only
// sorts beside itself.
DistinctTexts distinctTexts(const ui::TextTable& rows, std::size_t column, std::vector<std::uint32_t>& ofRow) {
    const std::size_t n = rows.rows(), trial = std::max<std::size_t>(n / 8, 1024);
    // A slot: the upper half of its text's hash, and the text's index + 1; zero
    // when free. The table grows with the texts, to stay in the cache.
    std::vector<std::uint64_t> slots(1024);
    const auto tagOf = [](std::uint64_t hash) { return hash >> 32 << 32; };
    const auto hashOf = [](std::string_view text) { return std::hash<std::string_view>()(text); };
    const auto freeSlot = [&](std::uint64_t hash) {
        std::size_t s = hash & (slots.size() - 1);
        while (slots[s] != 0) s = (s + 1) & (slots.size() - 1);
        return s;
    };
    DistinctTexts texts;
    bool lookUp = true;
    ofRow.resize(n);
    std::string_view previous;
    rows.forEachCell(column, [&](std::size_t r, std::string_view cell) {
        if (r == trial && 4 * texts.count() > 3 * trial) lookUp = false;
        // Equal texts stand together in a list sorted by them (as before a
        // descending click): the row before is the first place to look.
        if (const std::string_view before = std::exchange(previous, cell); r > 0 && cell == before) {
            ofRow[r] = ofRow[r - 1];
            return;
        }
        if (!lookUp) {
            ofRow[r] = texts.add(cell);
            return;
        }
        const std::uint64_t hash = hashOf(cell), tag = tagOf(hash);
        for (std::size_t s = hash & (slots.size() - 1);; s = (s + 1) & (slots.size() - 1)) {
            const std::uint64_t slot = slots[s];
            if (slot == 0) break;
            const auto index = static_cast<std::uint32_t>(slot - 1);
            if ((slot & ~0xFFFFFFFFull) == tag && texts.at(index) == cell) {
                ofRow[r] = index;
                return;
            }
        }
        ofRow[r] = texts.add(cell);
        if (2 * texts.count() > slots.size()) {
            slots.assign(2 * slots.size(), 0);
            for (std::uint32_t i = 0; i < texts.count(); ++i) {
                const std::uint64_t h = hashOf(texts.at(i));
                slots[freeSlot(h)] = tagOf(h) | (i + std::uint64_t{1});
            }
        } else {
            slots[freeSlot(hash)] = tag | (ofRow[r] + std::uint64_t{1});
        }
    });
    return texts;
}

// The order of a stable sort by the upper-cased text of `column`: the distinct
// texts are sorted, texts equal once upper-cased share a rank, and the rows are
// counted out by rank, ties in the order they stand (descending too).
std::vector<std::size_t> orderByUpperText(const ui::TextTable& rows, std::size_t column, bool descending,
                                          std::vector<std::uint32_t>* runStarts) {
    std::vector<std::uint32_t> ofRow;
    const DistinctTexts texts = distinctTexts(rows, column, ofRow);
    std::string upper;
    std::vector<std::size_t> ends(texts.count());
    for (std::size_t i = 0; i < texts.count(); ++i) {
        utf8::appendUpper(upper, texts.at(i));
        ends[i] = upper.size();
    }
    std::vector<std::string_view> keys(texts.count());
    for (std::size_t i = 0, begin = 0; i < keys.size(); begin = ends[i++])
        keys[i] = std::string_view(upper).substr(begin, ends[i] - begin);

    std::vector<Entry> entries(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) entries[i] = entryOf(keys[i], i);
    const std::vector<std::size_t> sorted = sortedRows(entries, [&](std::uint32_t i) { return keys[i]; });
    std::vector<std::uint32_t> rankOf(keys.size());
    std::uint32_t ranks = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && keys[sorted[i]] != keys[sorted[i - 1]]) ++ranks;
        rankOf[sorted[i]] = ranks;
    }
    if (!sorted.empty()) ++ranks;
    const auto place = [&](std::uint32_t text) { return descending ? ranks - 1 - rankOf[text] : rankOf[text]; };
    std::vector<std::size_t> next(ranks + 1);
    for (std::uint32_t text : ofRow) ++next[place(text) + 1];
    for (std::size_t k = 1; k < next.size(); ++k) next[k] += next[k - 1];
    if (runStarts && !descending) runStarts->assign(next.begin(), next.end() - 1);
    std::vector<std::size_t> order(ofRow.size());
    for (std::size_t r = 0; r < ofRow.size(); ++r) order[next[place(ofRow[r])]++] = r;
    return order;
}

}  // namespace

std::vector<std::size_t> sortOrder(const ui::TextTable& rows, int column, int state,
                                   std::vector<std::uint32_t>* runStarts) {
    if (state != 0) return orderByUpperText(rows, static_cast<std::size_t>(column - 1), state == 2, runStarts);
    // State 0: by the IDs as they stand.
    std::vector<Entry> entries(rows.rows());
    rows.forEachCell(0, [&](std::size_t r, std::string_view cell) { entries[r] = entryOf(cell, r); });
    return sortedRows(entries, [&](std::uint32_t r) { return rows.cell(r, 0); });
}

std::vector<std::size_t> reversedRuns(const std::vector<std::uint32_t>& runStarts, std::size_t rows) {
    std::vector<std::size_t> order;
    order.reserve(rows);
    for (std::size_t run = runStarts.size(), end = rows; run > 0; end = runStarts[--run])
        for (std::size_t r = runStarts[run - 1]; r < end; ++r) order.push_back(r);
    return order;
}

std::vector<std::string> sortCaptions(const std::vector<std::string>& original, int column, int state) {
    std::vector<std::string> captions = original;
    if (state != 0 && column >= 1 && column <= static_cast<int>(captions.size()))
        captions[static_cast<std::size_t>(column - 1)] += state == 1 ? " ^" : " v";
    return captions;
}

SortResult sortList(ListState& s, const ui::TextTable& rows, const std::vector<int>& selection, int column) {
    MA_SETFRN(s, selection);
    int& state = s.ACOLORDER.at(static_cast<std::size_t>(column));
    state = nextSortState(state);
    SortResult result;
    const ListState::AscendingRuns& ascending = s.ascending;
    if (state == 2 && ascending.column == column && ascending.version == rows.version())
        result.order = reversedRuns(ascending.starts, rows.rows());
    else
        result.order = sortOrder(rows, column, state, state == 1 ? &result.runStarts : nullptr);
    result.captions = sortCaptions(s.AORGHEADERS, column, state);
    s.NSORTCOL = state == 0 ? 0 : column;
    std::vector<std::uint32_t> identity;
    identity.reserve(result.order.size());
    for (std::size_t r : result.order) identity.push_back(r < s.identity.size() ? s.identity[r] : 0);
    s.identity = std::move(identity);
    result.line = lineOf(s, s.NCURFRN);
    return result;
}

void MA_SortColumn(ListState& s, int column) {
    if (column < 1 || column > s.NBRKOL) return;
    const ui::Ctl grid = s.gridCtl();
    SortResult sorted = sortList(s, grid.rows(), grid.selection(), column);
    grid.reorderRows(sorted.order);
    s.ascending = {s.ACOLORDER.at(static_cast<std::size_t>(column)) == 1 ? column : 0, grid.rows().version(),
                   std::move(sorted.runStarts)};
    grid.selection(sorted.line > 0 ? std::vector<int>{sorted.line} : std::vector<int>{});
    // At most two captions change: the sorted one and the one that loses its sign.
    for (int c = 1; c <= s.NBRKOL; ++c)
        if (const std::string& caption = sorted.captions[static_cast<std::size_t>(c - 1)]; grid.header(c) != caption)
            grid.header(c, caption);
}

std::function<void(int)> CREATECHEADCLICK(std::shared_ptr<ListState> s) {
    return [s](int column) { MA_SortColumn(*s, column); };
}

}  // namespace listkit
