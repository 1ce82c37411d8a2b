#pragma once

// Column captions, widths and alignments shared by the list windows, and the two
// base SELECTs that define the order row (25 values) and the payment item row
// (36 values). Set once before any window exists and only read afterwards.
//
// Widths are pixels, 0 hiding a column whose value is still loaded and used.
// Alignments: 0 left, 1 right, 2 centred. Every width and alignment array has one
// entry per caption of its row.

#include <string>
#include <vector>

namespace layouts {

extern const std::vector<std::string> AHEADERSKORISNICI;
extern const std::vector<std::string> AHEADERSSIMPLEFORMS;
extern const std::vector<std::string> AHEADERSTIPOVIPRIHODI;
extern const std::vector<std::string> AHEADERSPOTPRIHODI;
extern const std::vector<std::string> AHEADERSISPLAKJACI;
extern const std::vector<std::string> AHEADERSPRIMACI;
extern const std::vector<std::string> AHEADERSZIRO;

// Payment orders: order window, treasury overview, treasury report. The overview
// and the report align every column left.
extern const std::vector<std::string> AHEADERSNALOZI;
extern const std::vector<int> AWIDTHSNALOZI;
extern const std::vector<int> AWIDTHSVPREGLEDTREZOR;
extern const std::vector<int> AWIDTHSIZVESTAJTREZOR;
extern const std::vector<int> AJUSTNALOZI;

// Payment items: items window, payments overview, payments report. The overview
// and the report align every column left.
extern const std::vector<std::string> AHEADERSTRANSAKCII;
extern const std::vector<int> AWIDTHSTRANS;
extern const std::vector<int> AWIDTHSVPREGLED;
extern const std::vector<int> AWIDTHSIZVESTAJ;
extern const std::vector<int> AJUSTTRANS;

// Without WHERE or ORDER BY and ending with a blank: a window appends
// " WHERE ..." (and " ORDER BY ...") directly.
extern const std::string STRNALOZI;
extern const std::string STRTRANSAKCII;

}  // namespace layouts
