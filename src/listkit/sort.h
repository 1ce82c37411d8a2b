#pragma once
// Sorting a list by a click on a column's caption: each column goes from
// unsorted (0) to ascending (1), descending (2) and back to unsorted, where the
// rows return to the text order of their IDs (column 1).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "listkit/list_state.h"
#include "platform/text/text_table.h"

namespace listkit {

// 0 -> 1 -> 2 -> 0.
int nextSortState(int current);

// The order of the rows (order[i] = the row to put at position i), stable:
// state 0 by column 1 as it stands, states 1 and 2 by the upper-cased text of
// `column` (1-based), ascending or descending. Texts compare byte by byte in
// UTF-8, which is code-point order; a text sorts after its own beginning.
// In state 1, `runStarts` (when given) gets where in the new order each run of
// equal keys begins.
std::vector<std::size_t> sortOrder(const ui::TextTable& rows, int column, int state,
                                   std::vector<std::uint32_t>* runStarts = nullptr);

// The descending order of rows that stand ascending, from where their runs of
// equal keys begin: the runs in the reverse order, each as it stands.
std::vector<std::size_t> reversedRuns(const std::vector<std::uint32_t>& runStarts, std::size_t rows);

// The captions for a column's new sort state: " ^" or " v" after that column's
// caption, no sign anywhere else.
std::vector<std::string> sortCaptions(const std::vector<std::string>& original, int column, int state);

struct SortResult {
    std::vector<std::size_t> order;     // to apply to the grid's rows
    std::vector<std::uint32_t> runStarts;  // ascending: where each run of equal keys begins in it
    std::vector<std::string> captions;  // the grid's new captions
    int line = 0;                       // the line to select: the current row at its new place
};

// The sort of a header click on the state alone: remembers the current row,
// advances the column's state, reorders the identities and sets NSORTCOL. A
// descending click on rows that `s.ascending` holds takes their runs.
SortResult sortList(ListState& s, const ui::TextTable& rows, const std::vector<int>& selection, int column);

// MA_SortColumn: the header-click handler of the list's grid.
void MA_SortColumn(ListState& s, int column);

// CREATECHEADCLICK: the grid's header-click handler, sorting by the column clicked.
std::function<void(int column)> CREATECHEADCLICK(std::shared_ptr<ListState> s);

}  // namespace listkit
