#pragma once
// The recipients (Primaci) and their giro accounts (PrimaciZiroSmetki): the
// tables, the list query, and the save's checks and statements.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"
#include "registers/giro_accounts.h"
#include "shell/refusal.h"

struct sqlite3;

namespace registers {

// Opstini first, as for the payers; the last statement drops an index of an
// older database that made EMBG unique.
std::vector<std::string> recipientCreateStatements();
std::string recipientList();
// The list as shown: the VAT flag (column 11) as "v" or " ".
void showRecipientTicks(ui::TextTable& rows);
const AccountTables& recipientAccounts();
// The accounts of one recipient: ID, '', account, in the order they were
// entered (without an order SQLite reads them through the (recipient, account)
// index, sorted as texts).
std::string recipientAccountRows(std::string_view recipientId);

// A recipient as the save writes it: every text as it stands in its box,
// the VAT flag "1" or "0", the municipality's ID.
struct Recipient {
    std::string ime, prezime, adresa, adresaBroj, mesto, opstiniId, maticenBroj, embg, email, ddvObvrznik;
};

// The first check the recipient fails, with the box it is about; `id` is the
// edited recipient's ID, empty for a new one. An empty or blank EMBG is not checked.
std::optional<shell::Refusal> recipientRefusal(sqlite3* db, const Recipient& r, const std::string& id);
std::string recipientInsert(const Recipient& r);
std::string recipientUpdate(const Recipient& r, const std::string& id);
RecordSave recipientSave(const Recipient& r, const std::string& id);

}  // namespace registers
