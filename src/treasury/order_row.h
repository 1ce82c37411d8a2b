#pragma once
// The treasury order row and the treasury file input: what every producer of a
// treasury order file (salary import, treasury orders overview, orders from
// paid items) builds and hands to the one writer, NAPRAVIFAJL.
#include <cstdint>
#include <string>
#include <vector>

#include "registers/current_payer.h"

namespace treasury {

// The file's bytes are the same in both modes; the mode decides how the order
// specification groups its entries and what value 19 holds.
enum class Mode {
    P,  // salary import: value 19 is a free text of the row's kind
    N,  // stored orders: value 19 is the due date
};

// One detail record of the treasury order file: nineteen values in file order.
// Texts are UTF-8 at their width in bytes (the writer fits them again, so a
// longer text is cut at a whole character and a shorter one padded).
struct TreasuryOrderRow {
    std::string recordType = "2";           //  1, 1 byte
    std::string sequence;                   //  2, 6: "000001", "000002", ...
    std::string debitAccount;               //  3, 15: SmetkaZadolzuva
    std::string debitSubAccount;            //  4, 15: PodsmetkaZadolzuva
    std::string expenditureKonto;           //  5, 6: KontoZadolzuva
    std::string debitProgramme;             //  6, 2: ProgramaZadolzuva
    std::string purpose;                    //  7, 70: CelNaDoznaka
    std::string treasuryOffice = "000000";  //  8, 6
    std::int64_t amount = 0;                //  9, cents, 19 bytes in the amount format
    std::string recipientAccount;           // 10, 18: SmetkaPrimac
    std::string recipientName;              // 11, 70: NazivPrimac
    std::string recipientSubAccount;        // 12, 15: PodsmetkaPrimac
    std::string revenueKonto;               // 13, 6: KontoPrimac
    std::string recipientProgramme;         // 14, 2: ProgramaPrimac
    std::string reference;                  // 15, 24: PovikuvanjeNaBroj
    std::string form;                       // 16, 2: Obrazec
    std::string method;                     // 17, 1: Nacin
    std::string taxNumber;                  // 18, 13: DanocenBroj
    std::string closing;                    // 19: mode N the due date yyyymmdd (8); mode P free text
    std::string label;  // not written: how messages name the stored order behind the row; empty when none
};

// One batch for the writer, owned by the producer for the call.
struct TreasuryFileInput {
    std::vector<TreasuryOrderRow> AGFAJL;  // the rows, in file order
    std::string DDATANAPODNESUVANJE;       // submission date, yyyymmdd: names the file
    std::string DDATANAOBRABOTKA;          // processing date, yyyymmdd: the header's date
    std::string CFOLIO;                    // folio, 70 bytes: printed when LODBITOCI is off
    bool LODBITOCI = true;                 // deductions flag
    std::string CSMETKAZADOLZUVA;          // the batch's debited treasury account, 15 bytes
    registers::CurrentPayer payer;

    // Set by the writer.
    char CDEL = 0;          // the batch digit it chose, '1' to '9'
    std::string savedFile;  // the file it wrote, as chosen in the save dialog
    bool LUSPEH = false;    // the file is written; never set back to false

    // The count and total of the header and the order specification come from the
    // rows themselves, so they cannot disagree with the detail records.
    int NBRSTAVK() const { return static_cast<int>(AGFAJL.size()); }
    std::int64_t NUKIZNOS() const {
        std::int64_t total = 0;
        for (const TreasuryOrderRow& r : AGFAJL) total += r.amount;
        return total;
    }
};

}  // namespace treasury
