#include "payments/payments_sql.h"

#include "payments/item_row.h"
#include "payments/transakcii_sql.h"
#include "shell/dates.h"
#include "shell/filter_terms.h"
#include "shell/layouts.h"
#include "shell/sql1.h"

namespace payments {

using shell::filterTerm;

std::string overviewQuery(const OverviewFilter& f) {
    const std::string condition = shell::joinTerms({
        filterTerm(" pz.PrimaciID = ", f.recipientId),
        filterTerm(" t.TipoviPrihodiID = ", f.revenueTypeId),
        filterTerm(" t.PotprihodiID = ", f.subRevenueId),
        filterTerm(" t.TipoviPlacanjaID = ", f.paymentTypeId),
        " t.IsplakjaciZiroSmetkiID = " + shell::quoted(f.accountId) + " AND t.DatumNaPlacanje = '' ",
    });
    return layouts::STRTRANSAKCII + " WHERE " + condition + " ORDER BY " + "t.ID";
}

std::string reportQuery(const ReportFilter& f) {
    const char* paid = f.paid == Paid::Yes ? " t.DatumNaPlacanje <> '' "
                       : f.paid == Paid::No ? " t.DatumNaPlacanje = '' "
                                            : " 1 = 1 ";
    const std::string condition = shell::joinTerms({
        filterTerm(" t.IsplakjaciZiroSmetkiID = ", f.accountId),
        filterTerm(" t.DatumNaPlacanje >= ", f.dateFrom),
        filterTerm(" t.DatumNaPlacanje <= ", f.dateTo),
        filterTerm(" pz.PrimaciID = ", f.recipientId),
        filterTerm(" t.TipoviPrihodiID = ", f.revenueTypeId),
        filterTerm(" t.PotprihodiID = ", f.subRevenueId),
        filterTerm(" t.TipoviPlacanjaID = ", f.paymentTypeId),
        paid,
        " iz.IsplakjaciID = " + shell::quoted(f.payerId),
    });
    return layouts::STRTRANSAKCII + " WHERE " + condition + " ORDER BY " + "t.ID";
}

std::string itemsByIdQuery(const std::vector<std::string>& ids) {
    return layouts::STRTRANSAKCII + " WHERE t.ID IN (" + shell::quotedValues(ids) + ")";
}

namespace {

// One row per item: its ID.
ui::TextTable itemIds(const ui::TextTable& items) {
    ui::TextTable ids(1);
    ids.reserve(items.rows());
    for (std::size_t r = 0; r < items.rows(); ++r) ids.appendRow({itemValue(items, r, item::ID)});
    return ids;
}

}  // namespace

shell::RowChange markPaid(const ui::TextTable& items, const std::string& periodFrom, const std::string& periodTo,
                          const std::string& calculationTypeId, const std::string& paymentDate) {
    return {.statement = "update Transakcii set DatumPeriodOd = ?2, DatumPeriodDo = ?3, TipoviKalkulaciiID = ?4, "
                         "DatumNaPlacanje = ?5 WHERE ID = ?1",
            .rows = itemIds(items),
            .fixed = {periodFrom, periodTo, calculationTypeId, paymentDate}};
}

shell::RowChange backToUnpaid(const ui::TextTable& items) {
    return {.statement = "update Transakcii set DatumPeriodOd = '', DatumPeriodDo = '', DatumNaPlacanje = '' "
                         "WHERE ID = ?1",
            .rows = itemIds(items)};
}

shell::RowChange copiesAsNew(const ui::TextTable& items) {
    shell::RowChange change{.statement = itemInsert(), .rows = ui::TextTable(ITEMCOLUMNS)};
    change.rows.reserve(items.rows());
    for (std::size_t row = 0; row < items.rows(); ++row) {
        const auto value = [&](int column) { return itemValue(items, row, column); };
        change.rows.appendRow(savedItemValues({
            .advance = amountOf(value(item::ADVANCE)),
            .gross = amountOf(value(item::GROSS)),
            .deductions = amountOf(value(item::DEDUCTIONS)),
            .tax = amountOf(value(item::TAX)),
            .net = amountOf(value(item::NET)),
            .vat = amountOf(value(item::VAT)),
            .decisionNumber = std::string(value(item::DECISIONNUMBER)),
            .decisionDate = shell::storedDate(value(item::DECISIONDATE)),
            .note = std::string(value(item::NOTE)),
            .payerAccountId = std::string(value(item::PAYERACCOUNTID)),
            .recipientAccountId = std::string(value(item::RECIPIENTACCOUNTID)),
            .revenueTypeId = std::string(value(item::REVENUETYPEID)),
            .subRevenueId = std::string(value(item::SUBREVENUEID)),
            .calculationTypeId = std::string(value(item::CALCULATIONTYPEID)),
            .paymentTypeId = std::string(value(item::PAYMENTTYPEID)),
        }));
    }
    return change;
}

}  // namespace payments
