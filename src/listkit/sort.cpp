#include "listkit/sort.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "platform/text/utf8.h"

namespace listkit {

int nextSortState(int current) { return current == 0 || current == 1 ? current + 1 : 0; }

std::vector<std::size_t> sortOrder(const ui::TextTable& rows, int column, int state) {
    std::vector<std::size_t> order(rows.rows());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (state == 0) {
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return rows.cell(a, 0) < rows.cell(b, 0); });
        return order;
    }
    // The upper-cased keys are made once per sort, all in one buffer; the
    // result is the same as upper-casing both texts at every comparison.
    const auto c = static_cast<std::size_t>(column - 1);
    std::size_t bytes = 0;
    for (std::size_t r = 0; r < rows.rows(); ++r) bytes += rows.cell(r, c).size();
    std::string buffer;
    buffer.reserve(bytes);
    std::vector<std::size_t> ends(rows.rows());
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        utf8::appendUpper(buffer, rows.cell(r, c));
        ends[r] = buffer.size();
    }
    const auto key = [&](std::size_t r) {
        const std::size_t begin = r == 0 ? 0 : ends[r - 1];
        return std::string_view(buffer.data() + begin, ends[r] - begin);
    };
    if (state == 1)
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    else
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(b) < key(a); });
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
