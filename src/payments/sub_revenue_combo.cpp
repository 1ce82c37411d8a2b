#include "payments/sub_revenue_combo.h"

#include "payments/transakcii_sql.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

std::vector<std::string> subRevenueItems(const ui::TextTable& subRevenues, bool blankFirst) {
    std::vector<std::string> items;
    if (blankFirst) items.emplace_back();
    for (std::size_t r = 0; r < subRevenues.rows(); ++r)
        items.push_back(shell::trimmed(subRevenues.cell(r, 1)) + "-" + shell::trimmed(subRevenues.cell(r, 2)));
    return items;
}

void CHANGETIPOVIPRIHODI(int position, const std::string& window, const std::string& combo, int offset,
                         RevenueRows& rows) {
    const ui::Ctl subRevenues(window, combo);
    rows.subRevenues = ui::TextTable();
    if (offset == 1 && position == 1) {
        subRevenues.deleteAllItems();
        return;
    }
    const std::string revenueType = shell::comboId(rows.revenueTypes, position - offset);
    if (!revenueType.empty()) rows.subRevenues = shell::SQL(shell::app().DB, subRevenueRows(revenueType));
    if (rows.subRevenues.empty()) {
        subRevenues.deleteAllItems();
        ui::msgInfo(vocab::CPORPRAZNAPOTPRIHODI, vocab::CPORGRESKA);
        return;
    }
    subRevenues.items(subRevenueItems(rows.subRevenues, offset == 1)).value(1);
}

}  // namespace payments
