#pragma once
// The table's columns across the page, as the page output and the first-page
// preview both lay them out: the included columns, the column lines, the
// ranges of merged header rows and the lines a row of cells takes.
#include <string>
#include <vector>

#include "gridreport/column_fit.h"
#include "gridreport/report_state.h"

namespace gridreport {

class TableColumns {
public:
    explicit TableColumns(const ReportState& s);

    // Positions in COLUMNARR of the included columns, left to right.
    const std::vector<std::size_t>& included() const { return included_; }
    const Column& column(std::size_t k) const { return s_.COLUMNARR[included_[k]]; }

    // The column line after the k-th included column (k from 1), in mm from
    // the table's left edge: the widths of columns 1 to k, plus 2k - 1.
    double columnLine(std::size_t k) const;
    // Whether a merged header row spans across that column line: the k-th
    // column lies inside its range with an included column after it there.
    bool insideMergedRange(std::size_t k) const;

    // Where a merged header row starts and ends, in mm from the table's left
    // edge; nothing to draw unless end > start.
    struct Span {
        double start = 0, end = 0;
    };
    Span span(const MergeRow& m) const;

    // The lines a row takes, one cell per included column: its first line cut
    // or wrapped to the widths, then continuation lines while a wrapped cell
    // has text left.
    std::vector<std::vector<std::string>> rowLines(const std::vector<std::string>& cells, bool wordWrap, double size,
                                                   const Measure& measure) const;

private:
    double spanTo(int last) const;

    const ReportState& s_;
    std::vector<std::size_t> included_;
};

}  // namespace gridreport
