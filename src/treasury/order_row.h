#pragma once
// The treasury order row and the treasury file input: what every producer of a
// treasury order file (salary import, treasury orders overview, orders from
// paid items) builds and hands to the one writer, NAPRAVIFAJL.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/utf8.h"
#include "registers/current_payer.h"

namespace treasury {

// The file's bytes are the same in both modes; the mode decides how the order
// specification groups its entries and what value 19 holds.
enum class Mode {
    P,  // salary import: value 19 is a free text of the row's kind
    N,  // stored orders: value 19 is the due date
};

// The values of a treasury order row: the nineteen of its detail record in
// file order (the amount apart), and the label that is not written.
enum class RowValue : std::uint8_t {
    recordType,          //  1, 1 byte
    sequence,            //  2, 6: "000001", "000002", ...
    debitAccount,        //  3, 15: SmetkaZadolzuva
    debitSubAccount,     //  4, 15: PodsmetkaZadolzuva
    expenditureKonto,    //  5, 6: KontoZadolzuva
    debitProgramme,      //  6, 2: ProgramaZadolzuva
    purpose,             //  7, 70: CelNaDoznaka
    treasuryOffice,      //  8, 6
                         //  9, the amount: TreasuryOrderRow::amount
    recipientAccount,    // 10, 18: SmetkaPrimac
    recipientName,       // 11, 70: NazivPrimac
    recipientSubAccount, // 12, 15: PodsmetkaPrimac
    revenueKonto,        // 13, 6: KontoPrimac
    recipientProgramme,  // 14, 2: ProgramaPrimac
    reference,           // 15, 24: PovikuvanjeNaBroj
    form,                // 16, 2: Obrazec
    method,              // 17, 1: Nacin
    taxNumber,           // 18, 13: DanocenBroj
    closing,             // 19: mode N the due date yyyymmdd (8); mode P free text
    label,               // not written: how messages name the stored order behind the row; empty when none
};
inline constexpr std::size_t ROWVALUES = static_cast<std::size_t>(RowValue::label) + 1;

// One detail record of the treasury order file. Texts are UTF-8 at their width
// in bytes (the writer fits them again, so a longer text is cut at a whole
// character and a shorter one padded). All of a row's texts stand in one
// string: a batch of 100,000 rows holds 100,000 strings, not two million.
class TreasuryOrderRow {
public:
    TreasuryOrderRow() {
        set(RowValue::recordType, "2");
        set(RowValue::treasuryOffice, "000000");
    }

    std::string_view operator[](RowValue v) const {
        const std::size_t i = static_cast<std::size_t>(v);
        const End begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }
    // A value that would take the row beyond maxBytes is cut there: only a
    // label or a free closing text could ever be that long.
    void set(RowValue v, std::string_view value) {
        const std::size_t i = static_cast<std::size_t>(v);
        const End begin = i == 0 ? 0 : ends_[i - 1];
        value = utf8::cutBytes(value, maxBytes - (text_.size() - (ends_[i] - begin)));
        text_.replace(begin, ends_[i] - begin, value);
        const auto shift = static_cast<End>(begin + value.size() - ends_[i]);
        for (std::size_t k = i; k < ROWVALUES; ++k) ends_[k] = static_cast<End>(ends_[k] + shift);
    }
    // Room for values of `bytes` in all: a row built value by value then allocates once.
    void reserve(std::size_t bytes) { text_.reserve(bytes); }

    std::int64_t amount = 0;  //  9, cents, 19 bytes in the amount format

    // The most bytes a row's texts take together; a batch of 100,000 rows
    // holds 100,000 sets of ends, which two bytes each keep small.
    static constexpr std::size_t maxBytes = UINT16_MAX;

private:
    using End = std::uint16_t;
    std::string text_;
    std::array<End, ROWVALUES> ends_{};  // where each value ends in text_
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
