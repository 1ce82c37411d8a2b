#include "treasury/salary_import.h"

#include <algorithm>

#include "platform/text/utf8.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/order_file.h"
#include "treasury/salary_files.h"

namespace treasury {

namespace {

using Line = std::vector<std::string>;

// Field n (from 1) of a line whose length is checked.
const std::string& f(const Line& line, std::size_t n) { return line[n - 1]; }

// The fields a file's lines need and the field holding their amount.
struct FileShape {
    std::size_t fields;
    std::size_t amountField;
};
constexpr FileShape SHAPES[] = {{6, 3}, {6, 3}, {7, 4}, {7, 5}};  // by SalaryFile

// Of a contributions group's 8 lines, the first 4 carry amounts; the other 4
// describe their interest.
constexpr std::size_t GROUP = 8, CONTRIBUTIONS = 4;
bool carriesAmount(SalaryFile file, std::size_t index) { return file != PRIDONESI || index % GROUP < CONTRIBUTIONS; }

// A treasury file numbers its rows in six digits. Every line of a salary,
// personal tax or deductions file makes a row, and at least every other line
// of a contributions file: a file with more lines can make no file, and is
// not read on.
constexpr std::size_t MAXROWS = 999'999;
std::size_t maxLines(SalaryFile file) { return file == PRIDONESI ? 2 * MAXROWS : MAXROWS; }
const std::string tooManyLines = "Фајлот има повеќе редови отколку што собира еден фајл за трезор! Ред број: ";

// The chosen file's lines, each checked as it is read, or the message that
// refuses them. `rows` counts the batch's rows so far, this file's included
// (`groupRows` a contributions group's), so that a batch too big for one file
// is refused before anything is built.
std::optional<std::string> readFile(const SalaryImport& import, SalaryFile file, SalaryLines& lines,
                                    std::size_t& rows, std::size_t groupRows) {
    const FileShape shape = SHAPES[file];
    SalaryRead read = MAKEARRY(import.files[file].path, [&](const Line& line, std::size_t index)
                                                            -> std::optional<std::string> {
        if (index >= maxLines(file)) return tooManyLines;
        for (const std::string& field : line)
            if (!utf8::valid(field)) return vocab::CPORNEUTF8;
        if (line.size() < shape.fields) return vocab::CPORKRATOKRED;
        if (carriesAmount(file, index) && !salaryAmount(f(line, shape.amountField))) return vocab::CPORNEISPRAVENIZNOS;
        return std::nullopt;
    });
    if (read.refusal) return read.refusal;
    lines = std::move(read.lines);
    if (file == PRIDONESI && lines.size() % GROUP != 0) return vocab::CPORBROJNAREDOVIVOFAJLOT;
    rows += file == PRIDONESI ? lines.size() / GROUP * groupRows : lines.size();
    return batchSizeRefusal(rows);
}

// The values that follow the payer's treasury kind.
struct KindValues {
    std::string debitAccount, stateAccount, salaryForm, taxForm, contributionForm, deductionForm, contributionMethod;
};

KindValues kindValues(const SalaryImport& import, TreasuryKind kind) {
    const bool trz = kind == TreasuryKind::TRZ;
    return {fieldText(trz ? import.treasuryAccountRM : import.treasuryAccountFZOM, 15),
            fieldText(import.treasuryAccountRM, 18),
            trz ? "62" : "92",
            trz ? "70" : "76",
            trz ? "70" : "76",
            trz ? "60" : "90",
            trz ? "3" : "0"};
}

class RowBuilder {
public:
    RowBuilder(const SalaryImport& import, KindValues kind)
        : import_(import), kind_(std::move(kind)), folio_(fieldText(import.folio, 70)) {}


    void salary(const Line& l) {
        TreasuryOrderRow r = start(f(l, 1), f(l, 2), folio_, amount(l, PLATI));
        r.set(RowValue::recipientAccount, fieldText(f(l, 4), 18));
        r.set(RowValue::recipientName, fieldText(f(l, 5), 70));
        r.set(RowValue::reference, fieldText("101", 24));
        r.set(RowValue::form, kind_.salaryForm);
        r.set(RowValue::method, "2");
        r.set(RowValue::closing, f(l, 6));
        add(std::move(r));
    }

    void tax(const Line& l) {
        TreasuryOrderRow r = toState(f(l, 1), f(l, 2), amount(l, PERSONALEN), "Personalen danok", f(l, 5), f(l, 6));
        r.set(RowValue::closing, "danok za " + import_.month);
        add(std::move(r));
    }

    void taxInterest(const Line& lastTaxLine, std::int64_t cents) {
        TreasuryOrderRow r = toState(f(lastTaxLine, 1), f(lastTaxLine, 2), cents,
                                     "Kamata personalen danok", import_.payer.MOPSTINAKOD, f(lastTaxLine, 6));
        r.set(RowValue::closing, "Kamata personalen danok");
        add(std::move(r));
    }

    // A contribution from `line`, or its interest with the texts and codes of
    // `texts` (the group's interest line) and the typed amount.
    void contribution(const Line& line, const Line& texts, std::int64_t cents) {
        TreasuryOrderRow r = start(f(line, 1), f(texts, 2), folio_, cents);
        r.set(RowValue::recipientAccount, kind_.stateAccount);
        r.set(RowValue::recipientName, fieldText(f(texts, 3), 70));
        r.set(RowValue::recipientSubAccount, fieldText(f(texts, 6), 15));
        r.set(RowValue::revenueKonto, fieldText(f(texts, 7), 6));
        r.set(RowValue::recipientProgramme, "00");
        r.set(RowValue::reference, fieldText(f(texts, 3), 24));
        r.set(RowValue::form, kind_.contributionForm);
        r.set(RowValue::method, kind_.contributionMethod);
        r.set(RowValue::closing, r[RowValue::reference]);
        add(std::move(r));
    }
    std::int64_t contributionAmount(const Line& l) const { return amount(l, PRIDONESI); }

    void deduction(const Line& l) {
        TreasuryOrderRow r = start(f(l, 1), f(l, 2), fieldText(f(l, 4), 70), amount(l, ODBITOCI));
        r.set(RowValue::recipientAccount, fieldText(f(l, 6), 18));
        r.set(RowValue::recipientName, fieldText(f(l, 7), 70));
        r.set(RowValue::reference, fieldText(f(l, 3), 24));
        r.set(RowValue::form, kind_.deductionForm);
        r.set(RowValue::method, "2");
        r.set(RowValue::closing, import_.submissionDate);
        add(std::move(r));
    }

    std::vector<TreasuryOrderRow> rows() && { return std::move(rows_); }

private:
    TreasuryOrderRow start(const std::string& subAccount, const std::string& konto, std::string purpose,
                           std::int64_t cents) const {
        TreasuryOrderRow r;
        r.set(RowValue::debitAccount, kind_.debitAccount);
        r.set(RowValue::debitSubAccount, fieldText(subAccount, 15));
        r.set(RowValue::expenditureKonto, fieldText(konto, 6));
        r.set(RowValue::debitProgramme, import_.payer.MPROGRAMAZADOLZUVA);
        r.set(RowValue::purpose, std::move(purpose));
        r.amount = cents;
        // Rows to a recipient's own account leave the recipient's codes blank.
        r.set(RowValue::recipientSubAccount, std::string(15, ' '));
        r.set(RowValue::revenueKonto, std::string(6, ' '));
        r.set(RowValue::recipientProgramme, std::string(2, ' '));
        r.set(RowValue::taxNumber, import_.payer.MDANOCENBROJ);
        return r;
    }

    // A personal-tax row to the treasury account of the state; its payment
    // account holds the municipality code between two fixed parts.
    TreasuryOrderRow toState(const std::string& subAccount, const std::string& konto, std::int64_t cents,
                             const std::string& reference, const std::string& municipality,
                             const std::string& revenueKonto) const {
        TreasuryOrderRow r = start(subAccount, konto, folio_, cents);
        r.set(RowValue::recipientAccount, kind_.stateAccount);
        r.set(RowValue::recipientName, fieldText("Trezorska smetka", 70));
        r.set(RowValue::recipientSubAccount, fieldText("840" + fieldText(municipality, 3) + "01242", 15));
        r.set(RowValue::revenueKonto, fieldText(revenueKonto, 6));
        r.set(RowValue::recipientProgramme, "00");
        r.set(RowValue::reference, fieldText(reference, 24));
        r.set(RowValue::form, kind_.taxForm);
        r.set(RowValue::method, "2");
        return r;
    }

    void add(TreasuryOrderRow r) {
        r.set(RowValue::sequence, shell::DODAJ0(std::to_string(rows_.size() + 1), 6));
        rows_.push_back(std::move(r));
    }

    static std::int64_t amount(const Line& l, SalaryFile file) { return *salaryAmount(f(l, SHAPES[file].amountField)); }

    const SalaryImport& import_;
    KindValues kind_;
    std::string folio_;
    std::vector<TreasuryOrderRow> rows_;
};

// "mm.yyyy": the month as the shell checks it, and a year of four digits.
bool validMonth(const std::string& month) {
    const bool year = month.size() == 7 &&
                      std::all_of(month.begin() + 3, month.end(), [](char c) { return c >= '0' && c <= '9'; });
    return year && shell::VALIDENMESEC(shell::MESUGOD(month));
}

// The labels of the interest boxes, by Interest: a refusal names its box.
const std::string* const interestBoxes[] = {&vocab::CVALUELBLKAMATAPIO, &vocab::CVALUELBLKAMATAZDRAVSTVO,
                                            &vocab::CVALUELBLKAMATADOPZDRAVSTVO, &vocab::CVALUELBLKAMATAVRABOTUVANJE,
                                            &vocab::CVALUELBLKAMATAPD};

}  // namespace

std::optional<std::int64_t> interestCents(std::string_view typed) {
    const std::string_view digits = utf8::trimBlanks(typed);
    if (digits.size() > 7 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::int64_t whole = 0;
    for (char c : digits) whole = whole * 10 + (c - '0');
    return whole * 100;
}

SalaryBatch salaryBatch(const SalaryImport& import) {
    SalaryBatch batch;
    const auto refuse = [&](std::string message) {
        batch.refusal = std::move(message);
        return batch;
    };
    if (!validMonth(import.month)) return refuse(vocab::CPORNEVALIDENMESEC);
    const auto kind = treasuryKind(import.payer);
    if (!kind) return refuse(vocab::CPORNESEZNAETREZOROT);
    std::array<std::int64_t, 5> interest{};
    for (int i : {KAMATAPIO, KAMATAZDRAVSTVO, KAMATADOPZDRAVSTVO, KAMATAVRABOTUVANJE, KAMATAPD}) {
        const auto cents = interestCents(import.interest[i]);
        if (!cents) return refuse(vocab::CPORNEISPRAVNAKAMATA + "\r\n" + *interestBoxes[i]);
        interest[i] = *cents;
    }

    std::array<SalaryLines, 4> lines;
    // A contributions group gives its four contributions and an interest row for each typed interest.
    const std::size_t groupRows =
        CONTRIBUTIONS + static_cast<std::size_t>(std::count_if(interest.begin(), interest.begin() + CONTRIBUTIONS,
                                                               [](std::int64_t cents) { return cents > 0; }));
    std::size_t rowCount = interest[KAMATAPD] > 0 ? 1 : 0;
    for (SalaryFile file : {PLATI, PERSONALEN, PRIDONESI, ODBITOCI}) {
        if (import.files[file].chosen)
            if (auto why = readFile(import, file, lines[file], rowCount, groupRows)) return refuse(std::move(*why));
        if (file == PERSONALEN && interest[KAMATAPD] > 0 && lines[PERSONALEN].empty())
            return refuse(vocab::CPORKAMATABEZPERSONALEN);
    }

    const KindValues values = kindValues(import, *kind);
    RowBuilder rows(import, values);
    for (const Line& l : lines[PLATI]) rows.salary(l);
    for (const Line& l : lines[PERSONALEN]) rows.tax(l);
    if (interest[KAMATAPD] > 0) rows.taxInterest(lines[PERSONALEN].back(), interest[KAMATAPD]);
    const SalaryLines& groups = lines[PRIDONESI];
    for (std::size_t g = 0; g < groups.size(); g += GROUP)
        for (std::size_t k = 0; k < CONTRIBUTIONS; ++k) {
            const Line& line = groups[g + k];
            rows.contribution(line, line, rows.contributionAmount(line));
            if (interest[k] > 0) rows.contribution(line, groups[g + k + CONTRIBUTIONS], interest[k]);
        }
    for (const Line& l : lines[ODBITOCI]) rows.deduction(l);

    TreasuryFileInput& input = batch.input;
    input.AGFAJL = std::move(rows).rows();
    input.DDATANAPODNESUVANJE = import.submissionDate;
    input.DDATANAOBRABOTKA = import.processingDate;
    input.CFOLIO = fieldText(import.folio, 70);
    input.LODBITOCI = import.files[ODBITOCI].chosen;
    input.CSMETKAZADOLZUVA = values.debitAccount;
    input.payer = import.payer;
    return batch;
}

}  // namespace treasury
