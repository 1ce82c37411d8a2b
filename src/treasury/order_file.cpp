#include "treasury/order_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

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

// Control characters (a line end in a purpose) from `from` on as blanks; they
// are single bytes, so cutting before or after blanking them is the same.
void blankControls(std::string& out, std::size_t from) {
    const auto blank = [](char& c) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
    };
    // Eight bytes at a time, looked at one by one only when one of them is a
    // control character: (w - 0x20..) & ~w has a high bit set exactly in a
    // word that holds a byte below 0x20, and so for w ^ 0x7F.. and 0x7F.
    constexpr std::uint64_t ones = 0x0101010101010101, highs = 0x8080808080808080;
    char* c = out.data() + from;
    char* const end = out.data() + out.size();
    for (; end - c >= 8; c += 8) {
        std::uint64_t w;
        std::memcpy(&w, c, 8);
        const std::uint64_t del = w ^ (0x7F * ones);
        if ((((w - 0x20 * ones) & ~w) | ((del - ones) & ~del)) & highs)
            for (int i = 0; i < 8; ++i) blank(c[i]);
    }
    for (; c != end; ++c) blank(*c);
}

}  // namespace

void appendField(std::string& out, std::string_view text, std::size_t width) {
    const std::string_view kept = width ? utf8::cutBytes(text, width) : text;
    const std::size_t from = out.size();
    out += kept;
    if (width) out.append(width - kept.size(), ' ');
    blankControls(out, from);
}

std::string fieldText(std::string_view text, std::size_t width) {
    std::string out;
    out.reserve(width ? width : text.size());
    appendField(out, text, width);
    return out;
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

void appendDetailRecord(std::string& out, const TreasuryOrderRow& r, TreasuryKind kind, Mode mode) {
    using enum RowValue;
    const std::pair<RowValue, std::size_t> before[] = {
        {recordType, 1},       {sequence, 6},       {debitAccount, 15}, {debitSubAccount, 15},
        {expenditureKonto, 6}, {debitProgramme, 2}, {purpose, 70},      {treasuryOffice, 6}};
    const std::pair<RowValue, std::size_t> after[] = {
        {recipientAccount, 18},  {recipientName, 70}, {recipientSubAccount, 15}, {revenueKonto, 6},
        {recipientProgramme, 2}, {reference, 24},     {form, 2},                 {method, 1},
        {taxNumber, 13}};
    char amount[24];
    const std::size_t amountWidth = amountDigits(amount, r.amount);
    const std::size_t closingWidth = kind == TreasuryKind::FZM ? 0 : mode == Mode::N ? 8 : r[closing].size();
    std::size_t width = amountWidth + closingWidth;
    for (const auto& [value, w] : before) width += w;
    for (const auto& [value, w] : after) width += w;
    // The record laid out in blanks at once, each value copied over its place,
    // then blanked once: the amount holds no control character.
    const std::size_t from = out.size();
    out.resize(from + width, ' ');
    char* at = out.data() + from;
    const auto place = [&at](std::string_view text, std::size_t w) {
        const std::string_view kept = text.size() <= w ? text : utf8::cutBytes(text, w);
        std::memcpy(at, kept.data(), kept.size());
        at += w;
    };
    for (const auto& [value, w] : before) place(r[value], w);
    place({amount, amountWidth}, amountWidth);
    for (const auto& [value, w] : after) place(r[value], w);
    place(r[closing], closingWidth);
    blankControls(out, from);
}

std::string detailRecord(const TreasuryOrderRow& r, TreasuryKind kind, Mode mode) {
    std::string record;
    record.reserve(320);
    appendDetailRecord(record, r, kind, mode);
    return record;
}

bool writeOrderFile(const TreasuryFileInput& input, TreasuryKind kind, Mode mode, char batchDigit,
                    const desktop::ByteSink& out) {
    constexpr std::size_t piece = 1 << 20;
    std::string buffer = headerRecord(input, batchDigit) + "\r\n";
    buffer.reserve(piece + 1024);
    for (const TreasuryOrderRow& row : input.AGFAJL) {
        appendDetailRecord(buffer, row, kind, mode);
        buffer += "\r\n";
        if (buffer.size() < piece) continue;
        if (!out(buffer)) return false;
        buffer.clear();
    }
    return buffer.empty() || out(buffer);
}

std::string orderFile(const TreasuryFileInput& input, TreasuryKind kind, Mode mode, char batchDigit) {
    std::string file;
    file.reserve(64 + input.AGFAJL.size() * 301);
    writeOrderFile(input, kind, mode, batchDigit, [&file](std::string_view piece) {
        file += piece;
        return true;
    });
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
        if (!fileHolds(row.amount))
            return (row.amount < 0 ? vocab::CPORNEGATIVENIZNOSNALOG : vocab::CPORPREGOLEMIZNOSNALOG) + orderLabel(row);
        total += row.amount;
        if (total > maxFileCents) return vocab::CPORPREGOLEMVKUPENIZNOS;
    }
    return std::nullopt;
}

}  // namespace treasury
