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

namespace {

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

std::string insertStatement(const PaidOrdersInput& in, const KindValues& kind, const std::string& folio,
                            const StoredOrder& o, std::string_view recipientId, std::string_view recipientAccountId) {
    const std::string values[] = {
        in.submissionDate, in.dueDate, kind.debitAccount, utf8::fitBytes(in.accountNumber, 15), o.konto,
        in.payer.MPROGRAMAZADOLZUVA, folio, in.payer.MTREZORSKAKANCELARIJA, o.amount, o.recipientAccount,
        o.recipientName, o.recipientSubAccount, o.revenueKonto, o.recipientProgramme, folio, o.form, "2",
        in.payer.MDANOCENBROJ, in.payerId, in.accountId, o.payerKontoId, std::string(recipientId),
        std::string(recipientAccountId), o.recipientKontoId,
    };
    std::string sql =
        "INSERT INTO Nalozi (DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva, PodsmetkaZadolzuva, "
        "KontoZadolzuva, ProgramaZadolzuva, CelNaDoznaka, TrezorskaKancelarija, Iznos, SmetkaPrimac, NazivPrimac, "
        "PodsmetkaPrimac, KontoPrimac, ProgramaPrimac, PovikuvanjeNaBroj, Obrazec, Nacin, DanocenBroj, "
        "IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID) "
        "VALUES (";
    bool first = true;
    for (const std::string& v : values) {
        if (!first) sql += ", ";
        first = false;
        sql += shell::C2SQL(v);
    }
    return sql + ")";
}

}  // namespace

PaidOrders paidOrders(const PaidOrdersInput& in, const ui::TextTable& items) {
    PaidOrders out;
    // Two orders an item: a batch the file cannot hold is refused before anything is built.
    if (auto tooMany = treasury::batchSizeRefusal(2 * items.rows())) {
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
        const std::string name = utf8::fitBytes(
            shell::KONVLAT(shell::trimmed(value(item::FIRSTNAME)) + " " + shell::trimmed(value(item::SURNAME))), 70);
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

        out.inserts.push_back(insertStatement(
            in, k, file.CFOLIO,
            {.konto = "404110", .amount = treasury::amountText(net, 19), .recipientAccount = recipientAccount,
             .recipientName = name, .form = k.netForm, .payerKontoId = "13"},
            value(item::RECIPIENTID), value(item::RECIPIENTACCOUNTID)));
        out.inserts.push_back(insertStatement(
            in, k, file.CFOLIO,
            {.konto = "401320", .amount = treasury::amountText(tax, 19), .recipientAccount = treasuryAccount18,
             .recipientSubAccount = taxAccount, .revenueKonto = "711111", .recipientProgramme = "00",
             .form = k.taxForm, .payerKontoId = "14", .recipientKontoId = "15"},
            value(item::RECIPIENTID), value(item::RECIPIENTACCOUNTID)));

        treasury::TreasuryOrderRow row;
        row.debitAccount = k.debitAccount;
        row.debitSubAccount = utf8::fitBytes(in.accountNumber, 15);
        row.expenditureKonto = utf8::fitBytes(in.kontoCode, 6);
        row.debitProgramme = in.payer.MPROGRAMAZADOLZUVA;
        row.purpose = file.CFOLIO;
        row.method = "2";
        row.taxNumber = in.payer.MDANOCENBROJ;
        row.closing = in.dueDate;

        treasury::TreasuryOrderRow netRow = row;
        netRow.sequence = shell::DODAJ0(std::to_string(file.AGFAJL.size() + 1), 6);
        netRow.amount = net;
        netRow.recipientAccount = recipientAccount;
        netRow.recipientName = name;
        netRow.recipientSubAccount = std::string(15, ' ');
        netRow.revenueKonto = std::string(6, ' ');
        netRow.recipientProgramme = std::string(2, ' ');
        netRow.reference = utf8::fitBytes(name, 24);
        netRow.form = k.netForm;
        file.AGFAJL.push_back(std::move(netRow));

        treasury::TreasuryOrderRow taxRow = row;
        taxRow.sequence = shell::DODAJ0(std::to_string(file.AGFAJL.size() + 1), 6);
        taxRow.amount = tax;
        taxRow.recipientAccount = treasuryAccount18;
        taxRow.recipientName = utf8::fitBytes("Trezorska smetka", 70);
        taxRow.recipientSubAccount = taxAccount;
        taxRow.revenueKonto = revenueKonto;
        taxRow.recipientProgramme = programme;
        taxRow.reference = utf8::fitBytes("Personalen danok", 24);
        taxRow.form = k.taxForm;
        file.AGFAJL.push_back(std::move(taxRow));
    }
    if (auto why = treasury::refusal(file)) out = {.refusal = std::move(why)};
    return out;
}

}  // namespace payments
