#pragma once
// A list's sort and search as figures, each beside its baseline.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/search.h"
#include "platform/text/text_table.h"
#include "timing.h"

namespace bench {

// A click on a column's caption that sorts it ascending, the grid refilled,
// beside std::stable_sort of the column's texts. Between the timed clicks two
// more (descending, unsorted) bring the column back to ascending.
inline void reportHeaderClick(const ui::TextTable& rows, int column, const std::function<void(int)>& headClick) {
    std::vector<std::string> keys;
    keys.reserve(rows.rows());
    for (std::size_t r = 0; r < rows.rows(); ++r) keys.emplace_back(rows.cell(r, static_cast<std::size_t>(column - 1)));
    std::vector<std::string> sorted;
    const double stable = best([&] { std::stable_sort(sorted.begin(), sorted.end()); }, [&] { sorted = keys; });
    bool clicked = false;
    const double click = best([&] { headClick(column); },
                              [&] {
                                  if (clicked) {
                                      headClick(column);
                                      headClick(column);
                                  }
                                  clicked = true;
                              });
    report("sort: header click, grid refilled", click, "std::stable_sort of the keys", stable);
}

// The search strip's search in its worst case: no cell begins with the text
// and only the last row contains it, so the whole list is walked; beside one
// plain find of the same text per cell.

// `lastCell` goes into the last row's cell of `column`; `typed` is searched as
// typed (another letter case), `asStored` is what the plain find looks for.
inline void reportSearch(ui::TextTable probe, int column, std::string_view lastCell, std::string_view typed,
                         std::string_view asStored) {
    const auto c = static_cast<std::size_t>(column - 1);
    probe.setCell(probe.rows() - 1, c, lastCell);
    int found = 0;
    const double search = best([&] { found = listkit::findLine(probe, column, typed); });
    std::size_t hits = 0;
    const double scan = best([&] {
        for (std::size_t r = 0; r < probe.rows(); ++r) hits += probe.cell(r, c).find(asStored) != std::string::npos;
    });
    std::printf("  (search found line %d of %zu; the plain finds %zu cell)\n", found, probe.rows(), hits / runs);
    report("search: the whole list", search, "one plain find per cell", scan);
}

}  // namespace bench
