#pragma once
// The payers (Isplakjaci) and their giro accounts (IsplakjaciZiroSmetki): the
// tables, the list query, the save's checks and statements, and the current
// payer as the order and payment windows take it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "registers/current_payer.h"
#include "registers/giro_accounts.h"
#include "shell/refusal.h"

struct sqlite3;

namespace registers {

// Opstini first: the list joins it, and the payers may be opened before the
// municipalities ever were.
std::vector<std::string> payerCreateStatements();
std::string payerList();
// The payers every payer combo offers (ID, ID, name and seat) and the accounts
// of one payer (ID, '', account).
extern const std::string PAYERROWS;
std::string payerAccountRows(std::string_view payerId);
// The municipalities the payer and recipient edit windows offer: ID, description, code.
extern const char* const MUNICIPALITYROWS;
const AccountTables& payerAccounts();

// A payer as the save writes it: every text trimmed, the bilingual flag "1"
// or "0", the treasury kind "FZM" or "TRZ", the municipality's ID.
struct Payer {
    std::string naziv, adresaUlica, adresaBroj, sediste, maticenBroj, danocenBroj, kratenkaInstitucija,
        dvojazicenIspis, vidNaTrezor, programa, vidNaSlog, opstiniId, email, trezorskaKancelarija;
};

// The first check the payer fails, in the order the save checks, with the
// box it is about; `id` is the edited payer's ID, empty for a new one.
std::optional<shell::Refusal> payerRefusal(sqlite3* db, const Payer& p, const std::string& id);
std::string payerInsert(const Payer& p);
std::string payerUpdate(const Payer& p, const std::string& id);
RecordSave payerSave(const Payer& p, const std::string& id);

// ISPLAKJACICITAJ on a given database. A payer ID that matches no payer
// leaves the texts empty and the fixed-width fields blank.
void ISPLAKJACICITAJ(sqlite3* db, const std::string& payerId, CurrentPayer& payer);

}  // namespace registers
