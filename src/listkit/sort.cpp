#include "listkit/sort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/text/utf8.h"

namespace listkit {

int nextSortState(int current) { return current == 0 || current == 1 ? current + 1 : 0; }

namespace {

// A row in the sort: the first 16 bytes of its key as two big-endian numbers,
// zero-filled, which order as the bytes do; only rows whose first 16 bytes
// agree compare their whole keys.
struct Entry {
    std::uint64_t high, low;
    std::uint32_t row;
};

std::uint64_t bigEndian(std::string_view bytes) {
    unsigned char b[8] = {};
    if (!bytes.empty()) std::memcpy(b, bytes.data(), std::min(bytes.size(), sizeof b));
    std::uint64_t n = 0;
    for (unsigned char byte : b) n = n << 8 | byte;
    return n;
}

// The order of a sort by `keys` (by row), stable; in descending order rows
// with equal keys keep their order too.
std::vector<std::size_t> orderByKeys(const std::vector<std::string_view>& keys, bool descending) {
    std::vector<Entry> entries(keys.size());
    for (std::size_t r = 0; r < keys.size(); ++r) {
        const std::string_view key = keys[r];
        entries[r] = {bigEndian(key), key.size() > 8 ? bigEndian(key.substr(8)) : 0, static_cast<std::uint32_t>(r)};
    }
    // Below zero when a sorts before b, zero when their keys are equal.
    const auto compare = [&](const Entry& a, const Entry& b) {
        if (a.high != b.high) return a.high < b.high ? -1 : 1;
        if (a.low != b.low) return a.low < b.low ? -1 : 1;
        return keys[a.row].compare(keys[b.row]);
    };
    // One walk finds where runs of equal keys begin, and whether the list is
    // in order already (the descending click follows the ascending one); only
    // a list out of order is sorted, and walked again.
    std::vector<std::uint32_t> runStarts;
    const auto findRuns = [&] {
        runStarts.clear();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const int c = i == 0 ? -1 : compare(entries[i - 1], entries[i]);
            if (c > 0) return false;
            if (c < 0) runStarts.push_back(static_cast<std::uint32_t>(i));
        }
        return true;
    };
    if (!findRuns()) {
        std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
        if (descending) findRuns();
    }
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    if (!descending) {
        for (const Entry& e : entries) order.push_back(e.row);
        return order;
    }
    // Descending: the runs of equal keys in the reverse order, each run as it stands.
    for (std::size_t run = runStarts.size(), end = entries.size(); run > 0; end = runStarts[--run])
        for (std::size_t i = runStarts[run - 1]; i < end; ++i) order.push_back(entries[i].row);
    return order;
}

}  // namespace

std::vector<std::size_t> sortOrder(const ui::TextTable& rows, int column, int state) {
    // State 0 sorts by the IDs as they stand; the upper-cased keys are made
    // once per sort, all in one buffer: the result is the same as upper-casing
    // both texts at every comparison.
    const std::size_t c = state == 0 ? 0 : static_cast<std::size_t>(column - 1);
    std::vector<std::string_view> keys(rows.rows());
    std::string buffer;
    if (state == 0) {
        rows.forEachCell(c, [&](std::size_t r, std::string_view cell) { keys[r] = cell; });
    } else {
        std::size_t bytes = 0;
        rows.forEachCell(c, [&](std::size_t, std::string_view cell) { bytes += cell.size(); });
        buffer.reserve(bytes);
        std::vector<std::size_t> ends(rows.rows());
        rows.forEachCell(c, [&](std::size_t r, std::string_view cell) {
            utf8::appendUpper(buffer, cell);
            ends[r] = buffer.size();
        });
        for (std::size_t r = 0, begin = 0; r < keys.size(); begin = ends[r++])
            keys[r] = std::string_view(buffer).substr(begin, ends[r] - begin);
    }
    return orderByKeys(keys, state == 2);
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
    result.order = sortOrder(rows, column, state);
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
    const SortResult sorted = sortList(s, grid.rows(), grid.selection(), column);
    grid.reorderRows(sorted.order);
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
