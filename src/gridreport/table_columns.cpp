#include "gridreport/table_columns.h"

#include <algorithm>

#include "gridreport/page_output.h"

namespace gridreport {

TableColumns::TableColumns(const ReportState& s) : s_(s) {
    for (std::size_t c = 0; c < s.COLUMNARR.size(); ++c)
        if (s.COLUMNARR[c].included()) included_.push_back(c);
}

double TableColumns::columnLine(std::size_t k) const {
    double c = 0;
    for (std::size_t i = 0; i < k; ++i) c += column(i).width;
    return c + 2.0 * static_cast<double>(k) - 1;
}

bool TableColumns::insideMergedRange(std::size_t k) const {
    const int number = static_cast<int>(included_[k - 1]) + 1;
    const int next = k < included_.size() ? static_cast<int>(included_[k]) + 1 : 0;
    for (const MergeRow& m : s_.MERGEHEAD)
        if (number >= m.from && number < m.to && next != 0 && next <= m.to) return true;
    return false;
}

// The sum of (width + 2) over the included columns numbered up to `last` (1-based).
double TableColumns::spanTo(int last) const {
    double x = 0;
    for (std::size_t c : included_)
        if (static_cast<int>(c) + 1 <= last) x += s_.COLUMNARR[c].width + 2;
    return x;
}

TableColumns::Span TableColumns::span(const MergeRow& m) const { return {spanTo(m.from - 1), spanTo(m.to)}; }

std::vector<std::vector<std::string>> TableColumns::rowLines(const std::vector<std::string>& cells, bool wordWrap,
                                                             double size, const Measure& measure) const {
    std::vector<std::vector<std::string>> lines(1);
    std::vector<std::size_t> offsets;
    for (std::size_t k = 0; k < included_.size(); ++k) {
        const CellCut cut = firstLine(cells[k], column(k).width, wordWrap, size, measure);
        lines[0].push_back(cut.text);
        offsets.push_back(cut.offset);
    }
    while (std::any_of(offsets.begin(), offsets.end(), [](std::size_t o) { return o > 0; })) {
        std::vector<std::string>& line = lines.emplace_back(included_.size());
        for (std::size_t k = 0; k < included_.size(); ++k) {
            if (offsets[k] == 0) continue;
            const CellCut cut = continuationLine(cells[k], offsets[k], column(k).width, size, measure);
            line[k] = cut.text;
            offsets[k] = cut.offset;
        }
    }
    return lines;
}

}  // namespace gridreport
