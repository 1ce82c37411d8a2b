#include "listkit/sort.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "platform/text/utf8.h"

namespace listkit {

int nextSortState(int current) { return current == 0 || current == 1 ? current + 1 : 0; }

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
    std::vector<std::size_t> order(rows.rows());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (state == 2)
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[b] < keys[a]; });
    else
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
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
