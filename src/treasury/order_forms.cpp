#include "treasury/order_forms.h"

#include <algorithm>
#include <array>
#include <map>

#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace treasury {

const std::vector<std::string> ANALOZITRZ = {"60", "70", "73", "76", "80"};
const std::vector<std::string> ANALOZIFZM = {"90", "91", "93", "76", "94"};

namespace {

bool listed(const std::vector<std::string>& codes, std::string_view code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

// The looks of the boxes that differ between forms, by column:
// 60, 90, 70 and 91, 73 and 93, 76, 80 and 94 (E enabled, D disabled, H hidden).
// The treasury office is written from the payer, never from its box, so the
// box is disabled on every form.
const std::map<std::string, std::string, std::less<>> LOOKS = {
    {"txtNaloziTrezorskaKancelarija", "DDDDDD"},
    {"txtNaloziIsplakjaciNaziv", "DDDDDD"},
    {"txtNaloziIsplakjaciSediste", "DDDDDD"},
    {"txtNaloziSmetkaZadolzuva", "DHHHDH"},
    {"txtNaloziSmetkaPrimac", "HHHEDH"},
    {"cbNaloziPrimaci", "EEEHEE"},
    {"txtNaloziPrimaci", "HHHEHH"},
    {"cbNaloziPrimaciZiroSmetki", "EEEHEH"},
    {"txtNaloziPrimaciZiroSmetki", "HHHEHH"},
    {"cbNaloziKontaPrimac", "HHEHEH"},
    {"txtNaloziKontaPrimac", "HHHEHE"},
    {"txtNaloziProgramaPrimac", "HHEEEE"},
    {"txtNaloziPovikuvanjeNaBroj", "EEHEHD"},
};

int lookColumn(std::string_view code) {
    if (code == "60") return 0;
    if (code == "90") return 1;
    switch (*formSetOf(code)) {
        case FormSet::Levies: return 2;
        case FormSet::Refund: return 3;
        case FormSet::Between: return 4;
        default: return 5;
    }
}

// Rows of the sheet: the payer's three rows, then the recipient's two.
constexpr int PAYER1 = 54, PAYER2 = 100, PAYER3 = 146, PAYEE1 = 206, PAYEE2 = 252;
constexpr int PAYERSECTION = 40, PAYEESECTION = 192;

// The payer's boxes, the same on every sheet but for the reference's caption.
std::vector<FormBox> payerBoxes(const std::string& referenceCaption) {
    return {
        {"Назив на буџетскиот корисник", 5, PAYER1, 190, {"txtNaloziIsplakjaciNaziv"}},
        {"Седиште", 199, PAYER1, 100, {"txtNaloziIsplakjaciSediste"}},
        {"Трез. канц.", 303, PAYER1, 70, {"txtNaloziTrezorskaKancelarija"}},
        {"Датум на валута", 377, PAYER1, 110, {"txtNaloziDatumNaDospeanost"}},
        {"Износ во денари", 491, PAYER1, 90, {"txtNaloziIznos"}},
        {"Трезорска сметка", 5, PAYER2, 130, {"txtNaloziSmetkaZadolzuva"}},
        {"Сметка на буџетскиот корисник", 139, PAYER2, 210, {"cbNaloziIsplakjaciZiroSmetki"}},
        {"Конто задолжува", 353, PAYER2, 120, {"cbNaloziKontaIsplakjaci"}},
        {"Програма", 477, PAYER2, 50, {"txtNaloziProgramaZadolzuva"}},
        {"Цел на дознака", 5, PAYER3, 280, {"txtNaloziCelNaDoznaka"}},
        {referenceCaption, 289, PAYER3, 250, {"txtNaloziPovikuvanjeNaBroj"}},
    };
}

std::vector<FormBox> sheet(const std::string& referenceCaption, const std::vector<FormBox>& payee) {
    std::vector<FormBox> boxes = payerBoxes(referenceCaption);
    boxes.insert(boxes.end(), payee.begin(), payee.end());
    return boxes;
}

const std::string REFERENCE = "Повикување на број (одобрува)";
const std::vector<std::string> RECIPIENT = {"cbNaloziPrimaci", "txtNaloziPrimaci"};
const std::vector<std::string> RECIPIENTACCOUNT = {"cbNaloziPrimaciZiroSmetki", "txtNaloziPrimaciZiroSmetki"};
const std::vector<std::string> REVENUECODE = {"cbNaloziKontaPrimac", "txtNaloziKontaPrimac"};
const std::vector<std::string> PAYEEPROGRAMME = {"txtNaloziProgramaPrimac"};

const std::map<FormSet, std::vector<FormBox>> BOXES = {
    {FormSet::Outside,
     sheet(REFERENCE, {{"Назив и седиште на примачот", 5, PAYEE1, 250, RECIPIENT},
                       {"Трансакциска сметка на примачот", 259, PAYEE1, 260, RECIPIENTACCOUNT}})},
    {FormSet::Levies,
     sheet(REFERENCE, {{"Назив и седиште на примачот", 5, PAYEE1, 250, RECIPIENT},
                       {"Подсметка на примачот", 259, PAYEE1, 260, RECIPIENTACCOUNT},
                       {"Приходно конто", 5, PAYEE2, 120, REVENUECODE},
                       {"Прог.", 129, PAYEE2, 30, PAYEEPROGRAMME}})},
    {FormSet::Refund,
     sheet(REFERENCE, {{"Назив и седиште на примачот", 5, PAYEE1, 250, RECIPIENT},
                       {"Сметка на примачот", 259, PAYEE1, 130, {"txtNaloziSmetkaPrimac"}},
                       {"Подсметка на примачот", 5, PAYEE2, 260, RECIPIENTACCOUNT},
                       {"Конто", 269, PAYEE2, 65, REVENUECODE},
                       {"Прог.", 338, PAYEE2, 30, PAYEEPROGRAMME}})},
    {FormSet::Between,
     sheet(REFERENCE, {{"Назив и седиште на примачот", 5, PAYEE1, 250, RECIPIENT},
                       {"Трезорска сметка одобрува", 259, PAYEE1, 130, {"txtNaloziSmetkaPrimac"}},
                       {"Подсметка на примачот", 5, PAYEE2, 260, RECIPIENTACCOUNT},
                       {"Приходно конто", 269, PAYEE2, 120, REVENUECODE},
                       {"Прог.", 393, PAYEE2, 30, PAYEEPROGRAMME}})},
    {FormSet::Cash,
     sheet("ЕМБГ на примачот", {{"Име, презиме и место на примачот", 5, PAYEE1, 250, RECIPIENT},
                               {"Лична карта", 5, PAYEE2, 65, REVENUECODE},
                               {"Бр.", 74, PAYEE2, 30, PAYEEPROGRAMME}})},
};

std::string formTitle(FormSet set) {
    switch (set) {
        case FormSet::Outside: return "Барање за плаќање на сметки надвор од трезорската сметка";
        case FormSet::Levies: return "Барање за плаќање на јавни давачки во рамките на трезорската сметка";
        case FormSet::Refund: return "Барање за безготовинско враќање и пренос на средства";
        case FormSet::Between: return "Барање за плаќање меѓу Трезорот на РМ и Трезорот на ФЗОМ";
        case FormSet::Cash: return "Барање за готовинска исплата";
    }
    return {};
}

std::string treasuryName(std::string_view code) {
    if (code == "76") return "Трезор на РМ / Трезор на ФЗОМ";
    return *treasuryKindOf(code) == "TRZ" ? "Трезор на РМ" : "Трезор на ФЗОМ";
}

const ui::Rgb INK{40, 60, 90}, PAPER{250, 248, 238}, BAND{222, 232, 242}, WHITE{255, 255, 255};

ui::Shape rectangle(double col1, double row1, double col2, double row2, std::optional<ui::Rgb> fill) {
    return {.kind = ui::Shape::Kind::Rectangle, .col1 = col1, .row1 = row1, .col2 = col2, .row2 = row2, .pen = INK,
            .fill = fill};
}

ui::Shape line(double col1, double row1, double col2, double row2) {
    return {.kind = ui::Shape::Kind::Line, .col1 = col1, .row1 = row1, .col2 = col2, .row2 = row2, .pen = INK};
}

ui::Shape text(std::string words, double col, double row, double width, int points, bool bold = false,
               ui::Align align = ui::Align::Left) {
    return {.kind = ui::Shape::Kind::Text, .col1 = col, .row1 = row, .col2 = col + width, .row2 = row + 20,
            .pen = INK, .text = std::move(words), .points = points, .bold = bold, .align = align};
}

}  // namespace

std::optional<std::string> treasuryKindOf(std::string_view formCode) {
    if (listed(ANALOZITRZ, formCode)) return "TRZ";
    if (listed(ANALOZIFZM, formCode)) return "FZM";
    return std::nullopt;
}

std::optional<FormSet> formSetOf(std::string_view code) {
    if (code == "60" || code == "90") return FormSet::Outside;
    if (code == "70" || code == "91") return FormSet::Levies;
    if (code == "73" || code == "93") return FormSet::Refund;
    if (code == "76") return FormSet::Between;
    if (code == "80" || code == "94") return FormSet::Cash;
    return std::nullopt;
}

std::string payerRowsQuery(std::string_view formCode, std::string_view kind) {
    const std::string shown = "Naziv || ' ' || Sediste";
    if (formCode == "76") return "select ID, ID, " + shown + " from Isplakjaci order by " + shown;
    return "select ID, ID, " + shown + " from Isplakjaci where Vidnatrezor = " + shell::quoted(kind) + " order by " +
           shown;
}

std::optional<std::string> debitedAccount(std::string_view payerKind, const TreasuryAccounts& accounts) {
    const std::string_view kind = payerKind.substr(0, 3);
    if (kind == "FZM") return padded(accounts.fzom, 15);
    if (kind == "TRZ") return padded(accounts.rm, 15);
    return std::nullopt;
}

std::string payeeAccount(FormSet set, std::string_view payerKind, const TreasuryAccounts& accounts) {
    switch (set) {
        case FormSet::Outside:
        case FormSet::Refund: return std::string(18, ' ');
        case FormSet::Levies: return accounts.rm;
        case FormSet::Between: return payerKind.substr(0, 3) == "FZM" ? accounts.rm : accounts.fzom;
        case FormSet::Cash: return {};
    }
    return {};
}

Look lookOf(std::string_view control, std::string_view formCode) {
    const auto looks = LOOKS.find(control);
    if (looks == LOOKS.end()) return Look::Enabled;
    switch (looks->second[static_cast<std::size_t>(lookColumn(formCode))]) {
        case 'D': return Look::Disabled;
        case 'H': return Look::Hidden;
        default: return Look::Enabled;
    }
}

const std::vector<FormBox>& formBoxes(FormSet set) { return BOXES.at(set); }

std::optional<Place> placeOf(std::string_view control, FormSet set) {
    for (const FormBox& box : formBoxes(set))
        if (std::find(box.controls.begin(), box.controls.end(), control) != box.controls.end())
            return Place{SHEETCOL + box.col + 5, SHEETROW + box.row + 17};
    return std::nullopt;
}

std::string formPictureName(std::string_view formCode) { return "imgPP" + std::string(formCode); }

std::vector<ui::Shape> formSheet(std::string_view formCode) {
    const FormSet set = *formSetOf(formCode);
    const double right = SHEETSHOWN - 1, bottom = SHEETHEIGHT - 1;
    std::vector<ui::Shape> shapes = {
        rectangle(0, 0, right, bottom, PAPER),
        rectangle(0, 0, right, 36, BAND),
        text(vocab::CMENUOBRAZEC + " " + std::string(formCode), 8, 4, 150, 13, true),
        text(treasuryName(formCode), SHEETSHOWN - 250, 4, 242, 7, false, ui::Align::Right),
        text(formTitle(set), 8, 19, SHEETSHOWN - 16, 8, true, ui::Align::Right),
        text("НАЛОГОДАВАЧ (задолжува)", 5, PAYERSECTION, 300, 7, true),
        line(5, PAYEESECTION - 3, right - 5, PAYEESECTION - 3),
        text("ПРИМАЧ (одобрува)", 5, PAYEESECTION, 300, 7, true),
    };
    for (const FormBox& box : formBoxes(set)) {
        const bool shown = std::any_of(box.controls.begin(), box.controls.end(), [&](const std::string& control) {
            return lookOf(control, formCode) != Look::Hidden;
        });
        if (!shown) continue;
        shapes.push_back(rectangle(box.col, box.row, box.col + box.width, box.row + BOXHEIGHT, WHITE));
        shapes.push_back(text(box.caption, box.col + 4, box.row + 2, box.width - 6, 6));
    }
    // The signatures and the stamp, as on the paper form.
    const double signatures = bottom - 22;
    const std::array<std::pair<double, std::string>, 3> feet = {
        {{5, "Датум на поднесување"}, {240, "М.П."}, {460, "Потпис на овластеното лице"}}};
    for (const auto& [col, caption] : feet) {
        shapes.push_back(line(col, signatures, col + 200, signatures));
        shapes.push_back(text(caption, col, signatures + 3, 200, 6, false, ui::Align::Center));
    }
    return shapes;
}

}  // namespace treasury
