#pragma once
// What the exports take from a grid: its captions as shown (with a sort sign,
// when there is one), and every line in display order, hidden columns included.
#include <string>
#include <vector>

#include "platform/text/text_table.h"

namespace listkit {

struct ExportTable {
    std::vector<std::string> captions;  // empty: the export without captions
    const ui::TextTable& lines;
};

}  // namespace listkit
