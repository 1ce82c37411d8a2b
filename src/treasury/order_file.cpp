#include "treasury/order_file.h"

#include <algorithm>
#include <cstdio>

#include "platform/text/utf8.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_label.h"

namespace treasury {

namespace {

// No character that a file name cannot hold or that would lead it into another folder.
bool fitsAFileName(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
    });
}

std::string zeroFilled(long long n, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%0*lld", width, n);
    return text;
}

}  // namespace

std::string fieldText(std::string_view text, std::size_t width) {
    std::string clean(text);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    return width ? utf8::fitBytes(clean, width) : clean;
}

std::optional<TreasuryKind> treasuryKind(const registers::CurrentPayer& payer) {
    const std::string kind = payer.MVIDNATREZOR.substr(0, 3);
    if (kind == "TRZ") return TreasuryKind::TRZ;
    if (kind == "FZM") return TreasuryKind::FZM;
    return std::nullopt;
}

std::string headerRecord(const TreasuryFileInput& input, char batchDigit) {
    return "1" + fieldText(input.payer.MKRATENKAINSTITUCIJA, 3) + fieldText(input.payer.MVIDNATREZOR, 3) +
           fieldText(input.DDATANAOBRABOTKA, 8) + batchDigit + zeroFilled(input.NBRSTAVK(), 6) +
           amountField(input.NUKIZNOS());
}

std::string detailRecord(const TreasuryOrderRow& r, TreasuryKind kind, Mode mode) {
    std::string record = fieldText(r.recordType, 1) + fieldText(r.sequence, 6) + fieldText(r.debitAccount, 15) +
                         fieldText(r.debitSubAccount, 15) + fieldText(r.expenditureKonto, 6) +
                         fieldText(r.debitProgramme, 2) + fieldText(r.purpose, 70) + fieldText(r.treasuryOffice, 6) +
                         amountField(r.amount) + fieldText(r.recipientAccount, 18) + fieldText(r.recipientName, 70) +
                         fieldText(r.recipientSubAccount, 15) + fieldText(r.revenueKonto, 6) +
                         fieldText(r.recipientProgramme, 2) + fieldText(r.reference, 24) + fieldText(r.form, 2) +
                         fieldText(r.method, 1) + fieldText(r.taxNumber, 13);
    if (kind == TreasuryKind::TRZ) record += fieldText(r.closing, mode == Mode::N ? 8 : 0);
    return record;
}

std::string orderFile(const TreasuryFileInput& input, TreasuryKind kind, Mode mode, char batchDigit) {
    std::string file = headerRecord(input, batchDigit) + "\r\n";
    for (const TreasuryOrderRow& row : input.AGFAJL) file += detailRecord(row, kind, mode) + "\r\n";
    return file;
}

std::optional<ProposedName> proposedName(const std::string& submissionDate, const std::string& abbreviation,
                                         const std::vector<std::string>& existingNames) {
    const std::string date = utf8::fitBytes(submissionDate, 8);
    const std::string day = date.substr(6, 2) + date.substr(4, 2) + date.substr(2, 2);
    for (char digit = '1'; digit <= '9'; ++digit) {
        const std::string name = "N" + day + digit + "." + fieldText(abbreviation, 3);
        if (std::find(existingNames.begin(), existingNames.end(), name) == existingNames.end())
            return ProposedName{digit, name};
    }
    return std::nullopt;
}

std::optional<std::string> batchSizeRefusal(std::size_t rows) {
    if (rows <= maxFileRows) return std::nullopt;
    return vocab::CPORPREMNOGUNALOZI + std::to_string(rows);
}

std::optional<std::string> refusal(const TreasuryFileInput& input) {
    if (!treasuryKind(input.payer)) return vocab::CPORNESEZNAETREZOROT;
    if (!fitsAFileName(input.payer.MKRATENKAINSTITUCIJA)) return vocab::CPORNEISPRAVNOIMENAFAJL;
    if (auto tooMany = batchSizeRefusal(input.AGFAJL.size())) return tooMany;
    std::int64_t total = 0;
    for (const TreasuryOrderRow& row : input.AGFAJL) {
        if (row.amount < 0) return vocab::CPORNEGATIVENIZNOSNALOG + orderLabel(row);
        if (row.amount > maxFileCents) return vocab::CPORPREGOLEMIZNOSNALOG + orderLabel(row);
        total += row.amount;
        if (total > maxFileCents) return vocab::CPORPREGOLEMVKUPENIZNOS;
    }
    return std::nullopt;
}

}  // namespace treasury
