#include "treasury/order_values.h"

#include <algorithm>

#include "platform/text/utf8.h"
#include "registers/statements.h"
#include "shell/dates.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_list_row.h"

namespace treasury {

const std::vector<std::string> ORDERCOLUMNS = {
    "DatumNaPodnesuvanje", "DatumNaDospeanost", "SmetkaZadolzuva",   "PodsmetkaZadolzuva",
    "KontoZadolzuva",      "ProgramaZadolzuva", "CelNaDoznaka",      "TrezorskaKancelarija",
    "Iznos",               "SmetkaPrimac",      "NazivPrimac",       "PodsmetkaPrimac",
    "KontoPrimac",         "ProgramaPrimac",    "PovikuvanjeNaBroj", "Obrazec",
    "Nacin",               "DanocenBroj",       "IsplakjaciID",      "IsplakjaciZiroSmetkiID",
    "KontaIsplakjaciID",   "PrimaciID",         "PrimaciZiroSmetkiID", "KontaPrimaciID",
};

std::string orderListQuery(const std::string& formCode, const std::string& payerId) {
    return layouts::STRNALOZI + " WHERE Obrazec = " + shell::quoted(formCode) + " AND t.IsplakjaciID = " + shell::quoted(payerId);
}

void shapeOrderRows(ui::TextTable& rows) {
    std::size_t width = LISTAMOUNTWIDTH;
    for (std::size_t r = 0; r < rows.rows(); ++r)
        width = std::max(width, amountText(parseCents(orderValue(rows, r, order::AMOUNT)).value_or(0)).size());
    shapeOrderRows(rows, width);
}

void shapeOrderRows(ui::TextTable& rows, std::size_t amountWidth) {
    rows.reshapeRows([amountWidth](std::size_t c, std::string_view value, std::string& out) {
        appendShownValue(static_cast<int>(c) + 1, value, amountWidth, out);
    });
}

void appendShownValue(int column, std::string_view value, std::size_t amountWidth, std::string& out) {
    if (column == order::SUBMITTED || column == order::DUE)
        out += shell::shownDate(value);
    else if (column == order::AMOUNT)
        out += amountText(parseCents(value).value_or(0), amountWidth);
    else
        out += value;
}

std::pair<std::string, std::string> identityParts(std::string_view number) {
    std::pair<std::string, std::string> parts;
    std::size_t position = 0;
    for (const std::string_view c : utf8::chars(number)) {
        if (position < 6) parts.first += c;
        else if (position < 8) parts.second += c;
        ++position;
    }
    return parts;
}

std::vector<std::string> orderColumns(const OrderEntry& e) {
    const FormSet set = *formSetOf(e.formCode);
    const bool outside = set == FormSet::Outside, refund = set == FormSet::Refund, cash = set == FormSet::Cash;
    const bool chosenCode = set == FormSet::Levies || set == FormSet::Between;  // revenue code from its combo
    std::string payee;
    switch (set) {
        case FormSet::Outside: payee = e.recipientAccount; break;
        case FormSet::Levies:
        case FormSet::Between: payee = e.payeeAccount; break;
        case FormSet::Refund: payee = e.accountBox; break;
        case FormSet::Cash: payee = e.debitedAccount; break;
    }
    std::string subAccount = chosenCode ? e.recipientAccount : refund ? e.subAccountBox : e.initialSubAccount;
    if (outside) subAccount.clear();
    return {
        "",
        e.dueDate,
        e.debitedAccount,
        e.payerAccount,
        e.konto,
        e.programme,
        e.purpose,
        e.office,
        amountText(e.cents, 19),
        payee,
        refund ? e.nameBox : e.recipientName,
        subAccount,
        outside ? "" : chosenCode ? e.revenueKonto : e.kontoBox,
        outside ? "" : e.programmeBox,
        chosenCode ? e.purpose : e.reference,
        e.formCode,
        e.method,
        cash ? e.reference : e.payerTaxNumber,
        e.payerId,
        e.payerAccountId,
        e.kontoId,
        refund ? "0" : e.recipientId,
        refund || cash ? "0" : e.recipientAccountId,
        chosenCode ? e.revenueKontoId : "0",
    };
}

std::optional<shell::Refusal> orderRefusal(const OrderEntry& e) {
    using namespace vocab;
    const FormSet set = *formSetOf(e.formCode);
    const bool ownAccount = set != FormSet::Refund && set != FormSet::Cash;  // the account comes from a register
    const std::vector<std::string> values = orderColumns(e);
    const auto blank = [&](const std::string& column) {
        for (std::size_t i = 0; i < ORDERCOLUMNS.size(); ++i)
            if (ORDERCOLUMNS[i] == column) return shell::isBlank(values[i]);
        return true;
    };
    using R = shell::Refusal;
    if (ownAccount && e.recipientWithoutAccount) return R{CPORNEMAZIROSMETKAPRIMAC, "cbNaloziPrimaci"};
    // Outside the recipient's account is chosen; the levies' account comes from the parameters.
    if (ownAccount && blank("SmetkaPrimac"))
        return R{CPORNEMAZIROSMETKAPRIMAC, set == FormSet::Outside ? "cbNaloziPrimaciZiroSmetki" : ""};
    if (blank("DatumNaDospeanost")) return R{CPORPRAZENDATUMNADOSPEANOST, "txtNaloziDatumNaDospeanost"};
    if (blank("CelNaDoznaka")) return R{CPORPRAZENCELNADOZNAKA, "txtNaloziCelNaDoznaka"};
    if (e.cents == 0) return R{CPORPRAZENIZNOS, "txtNaloziIznos"};
    if (e.cents < 0) return R{CPORNEGATIVENIZNOS, "txtNaloziIznos"};
    if (set == FormSet::Outside && blank("PovikuvanjeNaBroj"))
        return R{CPORPRAZENPOVIKUVANJENABROJ, "txtNaloziPovikuvanjeNaBroj"};
    // The cash forms take the identity-card number from the reference box.
    if (set == FormSet::Cash && blank("DanocenBroj")) return R{CPORPRAZENEMBG, "txtNaloziPovikuvanjeNaBroj"};
    return std::nullopt;
}

std::string orderStatement(const std::vector<std::string>& values, const std::string& id) {
    if (id.empty()) {
        std::string columns;
        for (const auto& c : ORDERCOLUMNS) columns += (columns.empty() ? "" : ", ") + c;
        return "insert into Nalozi (" + columns + ") values ('" + registers::quotedList(values) + "');";
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i < ORDERCOLUMNS.size(); ++i) pairs.emplace_back(ORDERCOLUMNS[i], values[i]);
    return "update Nalozi set" + registers::assignments(pairs) + "WHERE ID = " + shell::quoted(id) + ";";
}

}  // namespace treasury
