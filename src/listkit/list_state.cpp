#include "listkit/list_state.h"

#include <algorithm>
#include <numeric>

namespace listkit {

std::shared_ptr<ListState> newListState(std::string window, std::string grid, std::vector<std::string> captions) {
    auto s = std::make_shared<ListState>();
    s->window = std::move(window);
    s->grid = std::move(grid);
    s->NBRKOL = static_cast<int>(captions.size());
    s->ACOLORDER.assign(captions.size() + 1, 0);
    s->AORGHEADERS = captions;
    s->AHEADERS = std::move(captions);
    return s;
}

void fill(ListState& s, ui::TextTable rows) {
    s.identity.resize(rows.rows());
    std::iota(s.identity.begin(), s.identity.end(), 1u);
    std::fill(s.ACOLORDER.begin(), s.ACOLORDER.end(), 0);
    s.gridCtl().rows(std::move(rows));
}

void MA_SETFRN(ListState& s, const std::vector<int>& selection) {
    if (s.identity.empty()) return;
    const int line = selection.empty() ? 1 : selection.front();
    if (line >= 1 && line <= static_cast<int>(s.identity.size()))
        s.NCURFRN = s.identity[static_cast<std::size_t>(line - 1)];
}

int lineOf(const ListState& s, std::uint32_t identity) {
    const auto it = std::find(s.identity.begin(), s.identity.end(), identity);
    return it == s.identity.end() ? 0 : static_cast<int>(it - s.identity.begin()) + 1;
}

}  // namespace listkit
