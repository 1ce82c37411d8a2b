#include "treasury/specification.h"

#include <filesystem>
#include <memory>
#include <unordered_map>

#include "platform/print/preview.h"
#include "platform/print/printers.h"
#include "platform/text/utf8.h"
#include "shell/transliteration.h"
#include "treasury/amounts.h"
#include "treasury/order_file.h"

namespace treasury {

namespace {

// Page geometry in mm from the paper's top-left corner. The line height and
// the character unit are derived from a height budget and the page width
// expressed in screen pixels (3.7795 per mm).
constexpr double pixelsPerMm = 3.7795275590551185;
constexpr double headTop = 20;
constexpr double leftEdge = 10;
constexpr double heightBudget = 210 - 4 * 20;
constexpr double pageWidth = 287 - 2 * 10;
constexpr double L = heightBudget / (pixelsPerMm * 8) * 0.7;  // line height
constexpr double unit = pageWidth / (pixelsPerMm * 8) * 0.23;  // character unit of the columns
constexpr double lineLimit = heightBudget / L - 14;           // entry lines per page, exceeded ends it

double column(double c) { return leftEdge + c * unit; }
// Amounts stand right-aligned in the nine characters from column 40: blanks
// of a proportional font would not line their digits up.
const double amountEdge = column(40 + 9);

const print::Font entryFont{"Verdana", 8};
const print::Font amountFont{"Arial", 10};
const print::Font headFont{"Arial", 12, true};
const print::Font headingFont{"Arial", 10, true};
const print::Font& footerFont = headingFont;

std::string_view cut(std::string_view text, std::size_t bytes) { return utf8::cutBytes(text, bytes); }

// "dd.mm" and "dd.mm.yyyy" of a stored date.
std::string dayMonth(const std::string& yyyymmdd) {
    const std::string d = utf8::fitBytes(yyyymmdd, 8);
    return d.substr(6, 2) + "." + d.substr(4, 2);
}
std::string fullDate(const std::string& yyyymmdd) {
    return dayMonth(yyyymmdd) + "." + utf8::fitBytes(yyyymmdd, 8).substr(0, 4);
}

// The entry number with its point, right-aligned in 3 characters, its first
// 3 characters when longer: " 7.", "42.", "100".
std::string entryNumber(std::size_t n) {
    std::string s = std::to_string(n) + ".";
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s.substr(0, 3);
}

void assignField(std::string& to, std::string_view text, std::size_t width) {
    to.clear();
    appendField(to, text, width);
}

// The row's entry, written over `e` so that entry after entry reuses its
// strings' room; `scratch` holds a value on its way into Cyrillic letters.
void fillEntry(Mode mode, const TreasuryOrderRow& r, SpecificationEntry& e, std::string& scratch) {
    const auto cyrillic = [&](std::string& to, std::string_view text, std::size_t width) {
        assignField(scratch, text, width);
        to.clear();
        shell::KONVKIR(scratch, to);
    };
    assignField(e.recipientAccount, r[RowValue::recipientAccount], 18);
    e.bank.assign(cut(e.recipientAccount, 3));
    assignField(e.expenditureKonto, r[RowValue::expenditureKonto], 6);
    assignField(e.debitProgramme, r[RowValue::debitProgramme], 2);
    assignField(e.form, r[RowValue::form], 2);
    if (mode == Mode::N)
        cyrillic(e.purpose, r[RowValue::purpose], 70);
    else
        assignField(e.purpose, r[RowValue::purpose], 70);
    assignField(e.revenueKonto, r[RowValue::revenueKonto], 6);
    assignField(e.method, r[RowValue::method], 1);
    assignField(e.recipientSubAccount, r[RowValue::recipientSubAccount], 15);
    if (mode == Mode::N) cyrillic(e.recipientName, r[RowValue::recipientName], 70);
    assignField(e.taxNumber, r[RowValue::taxNumber], 13);
    if (mode == Mode::N) assignField(e.reference, r[RowValue::reference], 24);
    assignField(e.debitSubAccount, r[RowValue::debitSubAccount], 15);
    e.count = 1;
    e.amount = r.amount;
}

// Rows of mode P gather by payer sub-account, bank, kontos, programme and purpose.
std::string groupKey(const SpecificationEntry& e) {
    return e.debitSubAccount + e.bank + e.expenditureKonto + e.revenueKonto + e.debitProgramme + e.purpose;
}

// Entries per page: the entry that passes the line limit ends its page.
constexpr std::size_t perPage(Mode mode) { return mode == Mode::P ? 10 : 15; }
static_assert(3 * 9 <= lineLimit && 3 * 10 > lineLimit, "mode P: 3 lines an entry");
static_assert(2 * 14 <= lineLimit && 2 * 15 > lineLimit, "mode N: 2 lines an entry");

// The pages, each made on its own from the entries that fall on it: the
// current row and the page's entry lines. The entries come one at a time,
// each written over the last by `fill`, so that a long list of single orders
// needs no second copy beside its rows.
class Printout {
public:
    using Fill = std::function<void(std::size_t, SpecificationEntry&)>;

    Printout(Mode mode, const TreasuryFileInput& input, std::string firstSubAccount, std::size_t count, Fill fill,
             const std::string& fileName, const TextWidth& width)
        : mode_(mode), input_(input), firstSubAccount_(std::move(firstSubAccount)), count_(count),
          fill_(std::move(fill)), pageTotal_(static_cast<int>(count / perPage(mode)) + 1) {
        // The widest head is the last page's; the rules end at the page's right edge.
        const auto fits = [&](const std::string& name) {
            return column(80) + width(fileHead(name, pageTotal_), headFont) <= leftEdge + pageWidth;
        };
        fileName_ = fits(fileName) ? fileName : std::filesystem::path(fileName).filename().string();
    }

    int pages() const { return pageTotal_; }

    // Page k (0-based): its head, its entries, and below the last page's
    // entries the closing block.
    print::Page page(std::size_t k) {
        page_ = print::Page();
        pageHead(static_cast<int>(k) + 1);
        SpecificationEntry& e = entry_;
        for (std::size_t i = k * perPage(mode_); i < count_; ++i) {
            fill_(i, e);
            entry(i + 1, e);
            if (pageLines_ > lineLimit) break;
            row_ += L;  // an empty line between entries, not counted
        }
        if (static_cast<int>(k) + 1 == pageTotal_) {
            row_ -= L;
            footer();
        }
        return std::move(page_);
    }

private:
    void text(double row, double c, std::string_view s, const print::Font& font) {
        page_.text(row, column(c), s, font);
    }
    void amount(double row, std::int64_t cents, const print::Font& font) {
        page_.text(row, amountEdge, utf8::trimBlanks(wholeAmount9(cents)), font, print::Align::Right);
    }
    void rule(double row, double fromCol, double toCol) { page_.line(row, fromCol, row, toCol, 0.01); }
    void nextLine() {
        row_ += L;
        ++pageLines_;
    }

    std::string fileHead(const std::string& name, int page) const {
        return "Фајл: " + name + std::string(10, ' ') + std::to_string(page) + "/" + std::to_string(pageTotal_);
    }

    void pageHead(int number) {
        pageLines_ = 0;
        const double r = row_ = headTop;
        const registers::CurrentPayer& payer = input_.payer;
        text(r, 0, payer.MISPLAKJACINAZIV, headFont);
        text(r, 80, fileHead(fileName_, number), headFont);
        text(r + 2 * L, 0, payer.MISPLAKJACISEDISTE, headFont);
        text(r + 2 * L, 80, "Трезор", headFont);
        // Centred on 105 mm from the paper's edge, as on the portrait page the form was made for.
        page_.text(r + 4 * L, 105, "СПЕЦИФИКАЦИЈА НА НАЛОЗИ", {"Verdana", 15, true}, print::Align::Centre);
        text(r + 7 * L, 0,
             "Преглед за датум: " + dayMonth(input_.DDATANAOBRABOTKA) + "/" + fullDate(input_.DDATANAPODNESUVANJE),
             headFont);
        text(r + 7 * L, 60, firstSubAccount_, {"Verdana", 12, true});
        text(r + 9 * L, 0, "Реализиран на датум: _________________ ", headFont);
        text(r + 10 * L, 85, "Расходно/", headingFont);
        text(r + 11 * L, 85, "Приходно", headingFont);
        text(r + 11 * L, 100, "Повикува", headingFont);
        const std::pair<double, const char*> headings[] = {
            {0, "Рб"},     {15, "Цел/Примач"}, {50, "Сметка"}, {65, "Потсметка"},
            {85, "конто"}, {95, "Прг"},        {100, "број"},  {114, "Начин"}, {120, "Даночен бр."},
        };
        for (const auto& [c, caption] : headings) text(r + 12 * L, c, caption, headingFont);
        page_.text(r + 12 * L, amountEdge, "Износ", headingFont, print::Align::Right);
        rule(r + 13.5 * L, leftEdge, leftEdge + pageWidth);
        row_ = r + 14.5 * L;
    }

    void entry(std::size_t number, const SpecificationEntry& e) {
        if (!input_.LODBITOCI) text(row_, 4, input_.CFOLIO, entryFont);
        if (mode_ == Mode::N) text(row_, 8, cut(e.purpose, 22), entryFont);
        text(row_, 30, e.recipientSubAccount, entryFont);
        text(row_, 50, input_.CSMETKAZADOLZUVA, entryFont);
        text(row_, 65, e.debitSubAccount, entryFont);
        text(row_, 85, e.expenditureKonto, entryFont);
        text(row_, 95, e.debitProgramme, entryFont);
        if (mode_ == Mode::N) text(row_, 100, cut(e.reference, 13), entryFont);
        text(row_, mode_ == Mode::N ? 114 : 108, e.form, entryFont);
        nextLine();

        text(row_, 0, entryNumber(number), entryFont);
        if (mode_ == Mode::N) text(row_, 8, cut(e.recipientName, 32), entryFont);
        amount(row_, e.amount, amountFont);
        text(row_, 50, cut(e.recipientAccount, 15), entryFont);
        text(row_, 65, e.recipientSubAccount, entryFont);
        text(row_, 85, e.revenueKonto, entryFont);
        text(row_, 95, input_.payer.MPROGRAMAZADOLZUVA, entryFont);
        text(row_, 114, e.method, entryFont);
        text(row_, 120, e.taxNumber, entryFont);
        nextLine();

        if (mode_ == Mode::P) {
            text(row_, 4, "Банка: " + e.bank, entryFont);
            text(row_, 20, "Збирен налог ставки: " + std::to_string(e.count), entryFont);
            nextLine();
        }
    }

    void footer() {
        const double r = row_;
        rule(r + 1.5 * L, leftEdge, leftEdge + pageWidth);
        text(r + 3 * L, 20, "Вкупен износ: ", footerFont);
        amount(r + 3 * L, input_.NUKIZNOS(), footerFont);
        text(r + 4.5 * L, 93, "Печат и потпис на овластено лице", footerFont);
        rule(r + 8.5 * L, column(93), column(125));
    }

    Mode mode_;
    const TreasuryFileInput& input_;
    std::string firstSubAccount_;
    std::size_t count_;
    Fill fill_;
    int pageTotal_;
    std::string fileName_;
    print::Page page_;  // the page being made
    SpecificationEntry entry_;
    double row_ = headTop;
    int pageLines_ = 0;
};

}  // namespace

std::vector<SpecificationEntry> specificationEntries(Mode mode, const std::vector<TreasuryOrderRow>& rows) {
    std::vector<SpecificationEntry> entries;
    std::unordered_map<std::string, std::size_t> byKey;  // mode P: the entry of each group
    std::string scratch;
    for (const TreasuryOrderRow& row : rows) {
        SpecificationEntry e;
        fillEntry(mode, row, e, scratch);
        if (mode == Mode::P) {
            const auto [at, isNew] = byKey.try_emplace(groupKey(e), entries.size());
            if (!isNew) {
                ++entries[at->second].count;
                entries[at->second].amount += e.amount;
                continue;
            }
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

print::Document specificationDocument(Mode mode, const TreasuryFileInput& input, const std::string& fileName,
                                      const TextWidth& width) {
    const std::vector<TreasuryOrderRow>& rows = input.AGFAJL;
    std::shared_ptr<Printout> printout;
    // A batch without rows has no first entry: its sub-account is left blank.
    if (mode == Mode::P) {
        auto entries = std::make_shared<const std::vector<SpecificationEntry>>(specificationEntries(mode, rows));
        printout = std::make_shared<Printout>(
            mode, input, entries->empty() ? std::string() : entries->front().debitSubAccount, entries->size(),
            [entries](std::size_t i, SpecificationEntry& e) { e = (*entries)[i]; }, fileName, width);
    } else {
        // Mode N: one entry per row, made as its lines are printed.
        printout = std::make_shared<Printout>(
            mode, input, rows.empty() ? std::string() : fieldText(rows.front()[RowValue::debitSubAccount], 15),
            rows.size(),
            [&rows, mode, scratch = std::string()](std::size_t i, SpecificationEntry& e) mutable {
                fillEntry(mode, rows[i], e, scratch);
            },
            fileName, width);
    }
    print::Document doc;
    doc.setup.orientation = print::Orientation::Landscape;
    doc.makePagesWhenAsked(static_cast<std::size_t>(printout->pages()),
                           [printout](std::size_t k) { return printout->page(k); });
    return doc;
}

void PRINTSPECIFIKACIJA(Mode mode, const TreasuryFileInput& input) {
    print::preview(specificationDocument(mode, input, input.savedFile, print::textWidth));
}

}  // namespace treasury
