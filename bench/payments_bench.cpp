// kasavel-payments-bench: the revenue-office XML file of 100,000 items (or of
// the counts given) and the treasury orders of 10,000 paid items, each beside a
// baseline of the same run.
#include <malloc.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "payments/item_row.h"
#include "payments/paid_orders.h"
#include "payments/revenue_xml.h"
#include "platform/desktop/files.h"
#include "shell/sql1.h"
#include "shell/statement.h"
#include "support/recording_interaction.h"
#include "treasury/nalozi_table.h"
#include "treasury/order_file.h"
#include "support/temp_folder.h"
#include "memory.h"
#include "people.h"
#include "synced_write.h"
#include "timing.h"

namespace {

using bench::best, bench::runs;

constexpr int xmlItems = 100000, orderItems = 10000;

void report(const char* what, double ms, const char* baseline, double baseMs) {
    bench::report(what, ms, baseline, baseMs, {.what = 40, .baseline = 34});
}

long peakResidentKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Item rows as the lists show them: some 5,000 recipients spread over the
// rows, varied amounts, decisions and notes.
ui::TextTable items(int count) {
    ui::TextTable rows(payments::item::COLUMNS);
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        const int r = static_cast<int>(bench::mixed(static_cast<std::uint64_t>(i)) % 5000);
        const bench::Person who = bench::person(r);
        const long long gross = bench::amount(i), tax = gross / 10, vat = i % 5 ? 0 : gross / 5;
        char embg[16], account[16], municipality[4];
        std::snprintf(embg, sizeof embg, "%02d%02d9%02d45%04d", r % 28 + 1, r % 12 + 1, 50 + r % 50, r);
        std::snprintf(account, sizeof account, "2100%011d", 7919 * r);
        std::snprintf(municipality, sizeof municipality, "%03d", r % 80 + 1);
        rows.appendRow(std::vector<std::string>{
            std::to_string(i), "05.11.2026", "01.11.2026", "30.11.2026", "788014101263814", "Авторски хонорар", "29",
            "Книжевно дело", "050", "Вирман", "1", who.firstName, who.surname, embg, municipality, account,
            payments::shownAmount(i % 4 ? 0 : 500), payments::shownAmount(gross), payments::shownAmount(0),
            payments::shownAmount(tax), payments::shownAmount(gross - tax), payments::shownAmount(vat),
            i % 2 ? "08-" + std::to_string(i % 3000) + "/" + std::to_string(i % 7 + 1) : "",
            i % 2 ? "15.10.2026" : "  .  .    ", i % 3 ? "" : bench::note(i) + (i % 10 ? "" : "\r\n" + who.place),
            "1", std::to_string(r), "29", "50", "1", "1", std::to_string(r), "722319", i % 2 ? "AB" : "",
            i % 3 ? "123" : "", i % 3 ? "45678" : ""});
    }
    return rows;
}

// The XML of `count` items written through the file writer to a new file,
// beside its own bytes, read back, written, synced and renamed; and the
// memory the writing took above the rows.
void xmlFigures(const payments::XmlExport& header, int count, const std::filesystem::path& folder) {
    const ui::TextTable many = items(count);
    const std::filesystem::path path = folder / "f.xml";
    const auto removeFile = [&] { std::filesystem::remove(path); };
    const auto written = [&] {
        desktop::FileWriter file(path.string());
        payments::writeRevenueOfficeXml(header, many, [&file](std::string_view piece) { return file.write(piece); });
        file.commit();
    };
    ::malloc_trim(0);
    const double rowsMb = bench::residentMb();
    bench::resetPeak();
    written();
    const double xmlMb = bench::peakMb() - rowsMb;
    const double xml = best(written, removeFile);
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const double plain = best([&] { bench::writeSynced(path, bytes); }, removeFile);
    // Of that, the making of the bytes alone, beside one copy of them.
    const double made = best([&] { payments::writeRevenueOfficeXml(header, many, [](std::string_view) { return true; }); });
    std::string copy(bytes.size(), '\0');
    const double copied = best([&] { std::memcpy(copy.data(), bytes.data(), bytes.size()); });
    char what[64];
    std::snprintf(what, sizeof what, "XML of %d items: written", count);
    report(what, xml, "its bytes written, synced, renamed", plain);
    std::printf("  (of that, the bytes made alone %.1f ms; one copy of them takes %.1f ms)\n", made, copied);
    std::printf("  XML file %.1f MB, rows as text %.1f MB; %.1f MB of memory above the rows to write it\n",
                static_cast<double>(bytes.size()) / 1e6, static_cast<double>(many.textBytes()) / 1e6, xmlMb);
}

}  // namespace

// Arguments: the item counts of the XML figures (100000 when none are given).
int main(int argc, char** argv) {
    testing_support::RecordingInteraction seam;  // database errors are recorded, not shown
    const testing_support::TempFolder scratch;
    const std::filesystem::path& folder = scratch.path();

    std::printf("payments, best of %d runs\n", runs);
    const payments::XmlExport header{.taxNumber = "4030990123456", .payerName = "ООУ Браќа Миладиновци",
                                     .payerAccount = "788014101263814", .email = "skola@example.mk",
                                     .periodFrom = "01.11.2026", .periodTo = "30.11.2026", .paymentDate = "05.12.2026"};
    if (argc < 2) xmlFigures(header, xmlItems, folder);
    for (int i = 1; i < argc; ++i) xmlFigures(header, std::atoi(argv[i]), folder);
    const long peakBeforeOrders = peakResidentKb();

    const ui::TextTable paid = items(orderItems);
    payments::PaidOrdersInput input{.payerId = "3", .accountId = "1", .accountNumber = "788014101263814",
                                    .kontoCode = "423110", .submissionDate = "20261210",
                                    .processingDate = "20261211", .dueDate = "20261215", .folio = "UJP 2026/11",
                                    .treasuryAccountRM = "100000000063095", .treasuryAccountFZOM = "100000000063192",
                                    .taxAccount1 = "840", .taxAccount2 = "01242"};
    input.payer.MDANOCENBROJ = "4030990123456";
    input.payer.MKRATENKAINSTITUCIJA = "OBM";
    input.payer.MVIDNATREZOR = "TRZ";
    input.payer.MPROGRAMAZADOLZUVA = "11";
    payments::PaidOrders orders;
    const double rowsBuilt = best([&] { orders = payments::paidOrders(input, paid); });

    sqlite3* db = nullptr;
    sqlite3_open((folder / "Kasavel.db").c_str(), &db);
    shell::MISCSQL1(db, treasury::naloziCreate());
    const auto empty = [&] { shell::MISCSQL1(db, "DELETE FROM Nalozi"); };
    const double stored = best(
        [&] {
            shell::Transaction t(db);
            shell::Statement insert(db, payments::naloziInsert);
            for (std::size_t r = 0; r < orders.orders.rows(); ++r) t.run(insert, orders.orders, r);
            t.commit();
        },
        empty);
    // The baseline: the first order's statement written out as text, run as often.
    std::string fixed = "INSERT INTO Nalozi (DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva, "
                        "PodsmetkaZadolzuva, KontoZadolzuva, ProgramaZadolzuva, CelNaDoznaka, TrezorskaKancelarija, "
                        "Iznos, SmetkaPrimac, NazivPrimac, PodsmetkaPrimac, KontoPrimac, ProgramaPrimac, "
                        "PovikuvanjeNaBroj, Obrazec, Nacin, DanocenBroj, IsplakjaciID, IsplakjaciZiroSmetkiID, "
                        "KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID) VALUES (";
    for (std::size_t c = 0; c < orders.orders.columns(); ++c)
        fixed += (c ? ", " : "") + shell::C2SQL(orders.orders.cell(0, c));
    fixed += ")";
    const double storedFixed = best(
        [&] {
            shell::Transaction t(db);
            for (std::size_t i = 0; i < orders.orders.rows(); ++i) t.run(fixed);
            t.commit();
        },
        empty);
    std::string file;
    const double filed = best([&] { file = treasury::orderFile(orders.file, treasury::TreasuryKind::TRZ, treasury::Mode::N, '1'); });
    report("orders of 10,000: stored", stored, "one fixed statement x 20,000", storedFixed);
    report("orders of 10,000: built, stored, filed", rowsBuilt + stored + filed, "one fixed statement x 20,000",
           storedFixed);
    std::printf("  treasury file %.1f MB, 20,000 statements\n", file.size() / 1e6);
    std::printf("  peak memory grew %.1f MB for the orders; peak of the run %.1f MB\n",
                (peakResidentKb() - peakBeforeOrders) / 1024.0, peakResidentKb() / 1024.0);

    sqlite3_close(db);
}
