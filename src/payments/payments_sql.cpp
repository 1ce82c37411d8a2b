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

std::string markPaid(std::string_view id, std::string_view periodFrom, std::string_view periodTo,
                     std::string_view calculationTypeId, std::string_view paymentDate) {
    using shell::quoted;
    return "update Transakcii set DatumPeriodOd = " + quoted(periodFrom) + ", DatumPeriodDo = " + quoted(periodTo) +
           ", TipoviKalkulaciiID = " + quoted(calculationTypeId) + ", DatumNaPlacanje = " + quoted(paymentDate) +
           " WHERE ID = " + quoted(id);
}

std::string backToUnpaid(std::string_view id) {
    return " update Transakcii set  DatumPeriodOd = '' , DatumPeriodDo = '' , DatumNaPlacanje = ''  WHERE ID = " +
           shell::quoted(id);
}

std::string copyAsNew(const ui::TextTable& rows, std::size_t row) {
    const auto value = [&](int column) { return itemValue(rows, row, column); };
    const ItemValues copy{
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
    };
    return itemSave(copy, "");
}

}  // namespace payments
