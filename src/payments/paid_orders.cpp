#include "payments/paid_orders.h"

#include "payments/item_row.h"
#include "platform/text/utf8.h"
#include "shell/sql1.h"
#include "shell/transliteration.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_file.h"

namespace payments {

const char* const naloziInsert =
    "INSERT INTO Nalozi (DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva, PodsmetkaZadolzuva, "
    "KontoZadolzuva, ProgramaZadolzuva, CelNaDoznaka, TrezorskaKancelarija, Iznos, SmetkaPrimac, NazivPrimac, "
    "PodsmetkaPrimac, KontoPrimac, ProgramaPrimac, PovikuvanjeNaBroj, Obrazec, Nacin, DanocenBroj, "
    "IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID) "
    "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, "
    "?23, ?24)";

namespace {

using treasury::RowValue;

// What the payer's treasury kind decides.
struct KindValues {
    std::string debitAccount;  // 15 bytes
    std::string netForm, taxForm;
};

KindValues kindValues(treasury::TreasuryKind kind, const PaidOrdersInput& in) {
    if (kind == treasury::TreasuryKind::FZM) return {utf8::fitBytes(in.treasuryAccountFZOM, 15), "92", "76"};
    return {utf8::fitBytes(in.treasuryAccountRM, 15), "60", "70"};
}

// One stored order: the columns of Nalozi that it fills, in this order.
struct StoredOrder {
    std::string konto, amount, recipientAccount, recipientName, recipientSubAccount, revenueKonto,
        recipientProgramme, form, payerKontoId, recipientKontoId;
};

// One order's values in the order of naloziInsert's columns, each as C2SQL
// writes it: a blank text stored as the empty one.
void appendOrder(ui::TextTable& orders, const PaidOrdersInput& in, const KindValues& kind, const std::string& folio,
                 const StoredOrder& o, std::string_view recipientId, std::string_view recipientAccountId) {
    const std::string payerSubAccount = utf8::fitBytes(in.accountNumber, 15);
    const std::string_view values[] = {
        in.submissionDate, in.dueDate, kind.debitAccount, payerSubAccount, o.konto,
        in.payer.MPROGRAMAZADOLZUVA, folio, in.payer.MTREZORSKAKANCELARIJA, o.amount, o.recipientAccount,
        o.recipientName, o.recipientSubAccount, o.revenueKonto, o.recipientProgramme, folio, o.form, "2",
        in.payer.MDANOCENBROJ, in.payerId, in.accountId, o.payerKontoId, recipientId,
        recipientAccountId, o.recipientKontoId,
    };
    orders.beginRow();
    for (std::string_view v : values) orders.appendCell(shell::isBlank(v) ? std::string_view() : v);
    orders.endRow();
}

}  // namespace

// Two orders an item.
std::optional<std::string> paidOrdersSizeRefusal(std::size_t items) { return treasury::batchSizeRefusal(2 * items); }

PaidOrders paidOrders(const PaidOrdersInput& in, const ui::TextTable& items) {
    PaidOrders out;
    // A batch the file cannot hold is refused before anything is built.
    if (auto tooMany = paidOrdersSizeRefusal(items.rows())) {
        out.refusal = std::move(tooMany);
        return out;
    }
    treasury::TreasuryFileInput& file = out.file;
    file.payer = in.payer;
    file.DDATANAPODNESUVANJE = in.submissionDate;
    file.DDATANAOBRABOTKA = in.processingDate;
    file.CFOLIO = utf8::fitBytes(in.folio, 70);
    file.LODBITOCI = true;
    const auto kind = treasury::treasuryKind(in.payer);
    if (!kind) {
        out.refusal = treasury::refusal(file);
        return out;
    }
    const KindValues k = kindValues(*kind, in);
    file.CSMETKAZADOLZUVA = k.debitAccount;
    const std::string treasuryAccount18 = utf8::fitBytes(in.treasuryAccountRM, 18);

    for (std::size_t r = 0; r < items.rows(); ++r) {
        const auto value = [&](int v) { return itemValue(items, r, v); };
        const std::string municipality = utf8::fitBytes(shell::trimmed(value(item::MUNICIPALITYCODE)), 3);
        if (shell::isBlank(municipality)) {
            out = {.refusal = vocab::CPORPRIMACBEZOPSTINA + itemLabel(items, r)};
            return out;
        }
        const std::int64_t net = amountOf(value(item::NET)) * 100, tax = amountOf(value(item::TAX)) * 100;
        const std::string name = utf8::fitBytes(shell::KONVLAT(recipientName(items, r)), 70);
        const std::string recipientAccount = utf8::fitBytes(value(item::RECIPIENTACCOUNT), 18);
        const std::string revenueKonto = utf8::fitBytes(value(item::REVENUEKONTO), 6);
        const std::string programme = shell::isBlank(value(item::RECIPIENTPROGRAMME))
                                          ? "00"
                                          : utf8::fitBytes(value(item::RECIPIENTPROGRAMME), 2);
        const bool ownParts = !shell::isBlank(value(item::TAXACCOUNT1)) && !shell::isBlank(value(item::TAXACCOUNT2));
        const std::string taxAccount = utf8::fitBytes(
            ownParts ? shell::trimmed(value(item::TAXACCOUNT1)) + municipality + shell::trimmed(value(item::TAXACCOUNT2))
                     : shell::trimmed(in.taxAccount1) + municipality + shell::trimmed(in.taxAccount2),
            15);

        appendOrder(out.orders, in, k, file.CFOLIO,
                    {.konto = "404110", .amount = treasury::amountText(net, 19), .recipientAccount = recipientAccount,
                     .recipientName = name, .form = k.netForm, .payerKontoId = "13"},
                    value(item::RECIPIENTID), value(item::RECIPIENTACCOUNTID));
        appendOrder(out.orders, in, k, file.CFOLIO,
                    {.konto = "401320", .amount = treasury::amountText(tax, 19), .recipientAccount = treasuryAccount18,
                     .recipientSubAccount = taxAccount, .revenueKonto = "711111", .recipientProgramme = "00",
                     .form = k.taxForm, .payerKontoId = "14", .recipientKontoId = "15"},
                    value(item::RECIPIENTID), value(item::RECIPIENTACCOUNTID));

        treasury::TreasuryOrderRow row;
        row.set(RowValue::debitAccount, k.debitAccount);
        row.set(RowValue::debitSubAccount, utf8::fitBytes(in.accountNumber, 15));
        row.set(RowValue::expenditureKonto, utf8::fitBytes(in.kontoCode, 6));
        row.set(RowValue::debitProgramme, in.payer.MPROGRAMAZADOLZUVA);
        row.set(RowValue::purpose, file.CFOLIO);
        row.set(RowValue::method, "2");
        row.set(RowValue::taxNumber, in.payer.MDANOCENBROJ);
        row.set(RowValue::closing, in.dueDate);

        treasury::TreasuryOrderRow netRow = row;
        netRow.set(RowValue::sequence, shell::DODAJ0(std::to_string(file.AGFAJL.size() + 1), 6));
        netRow.amount = net;
        netRow.set(RowValue::recipientAccount, recipientAccount);
        netRow.set(RowValue::recipientName, name);
        netRow.set(RowValue::recipientSubAccount, std::string(15, ' '));
        netRow.set(RowValue::revenueKonto, std::string(6, ' '));
        netRow.set(RowValue::recipientProgramme, std::string(2, ' '));
        netRow.set(RowValue::reference, utf8::fitBytes(name, 24));
        netRow.set(RowValue::form, k.netForm);
        file.AGFAJL.push_back(std::move(netRow));

        treasury::TreasuryOrderRow taxRow = row;
        taxRow.set(RowValue::sequence, shell::DODAJ0(std::to_string(file.AGFAJL.size() + 1), 6));
        taxRow.amount = tax;
        taxRow.set(RowValue::recipientAccount, treasuryAccount18);
        taxRow.set(RowValue::recipientName, utf8::fitBytes("Trezorska smetka", 70));
        taxRow.set(RowValue::recipientSubAccount, taxAccount);
        taxRow.set(RowValue::revenueKonto, revenueKonto);
        taxRow.set(RowValue::recipientProgramme, programme);
        taxRow.set(RowValue::reference, utf8::fitBytes("Personalen danok", 24));
        taxRow.set(RowValue::form, k.taxForm);
        file.AGFAJL.push_back(std::move(taxRow));
    }
    if (auto why = treasury::refusal(file)) out = {.refusal = std::move(why)};
    return out;
}

}  // namespace payments
