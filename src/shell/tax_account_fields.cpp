#include "shell/tax_account_fields.h"

#include "platform/ui/ui.h"
#include "shell/column_width.h"
#include "shell/vocabulary.h"

namespace shell {

void addTaxAccountFields(const std::string& window, const std::string& owner, const std::string& table,
                         const TaxAccountPlace& at, const std::string& first, const std::string& second) {
    using namespace vocab;
    ui::addLabel(window, "lbl" + owner + "UplatnaSmetkaZaPD")
        .at(at.labelCol, at.row, 190, 30)
        .text(CVALUELBLUPLATNASMETKAZAPD);
    ui::addTextBox(window, "txt" + owner + "UplatnaSmetkaZaPD1")
        .at(at.fieldCol, at.row, 30, 20)
        .maxLength(columnWidth(table, "UplatnaSmetkaZaPD1"))
        .text(first)
        .tooltip(CTOOLTIPUPLATNASMETKAZAPD1);
    ui::addLabel(window, "lbl" + owner + "OpstinaKodPD")
        .at(at.fieldCol + 34, at.row + 4, 30, 20)
        .text("XXX")
        .tooltip(CTOOLTIPKODNAOPSTINATA);
    ui::addTextBox(window, "txt" + owner + "UplatnaSmetkaZaPD2")
        .at(at.secondCol, at.row, 50, 20)
        .maxLength(columnWidth(table, "UplatnaSmetkaZaPD2"))
        .text(second)
        .tooltip(CTOOLTIPUPLATNASMETKAZAPD2);
}

}  // namespace shell
