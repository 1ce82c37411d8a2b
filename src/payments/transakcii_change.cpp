// The payment item edit window frmTransakciiChange: the payer's and the
// recipient's giro accounts, the classification of the income, the six
// amounts with the gross/net calculation, and the decision and note. Every
// save leaves the item unpaid with an empty period.
#include <cmath>

#include "payments/gross_net.h"
#include "payments/item_row.h"
#include "payments/sub_revenue_combo.h"
#include "payments/transakcii.h"
#include "payments/transakcii_sql.h"
#include "platform/ui/ui.h"
#include "registers/edit_window.h"
#include "registers/recipient_account_combo.h"
#include "registers/register_cells.h"
#include "shell/app_state.h"
#include "shell/date_boxes.h"
#include "shell/dates.h"
#include "shell/number_boxes.h"
#include "shell/refusal.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

const std::string EDIT = "frmTransakciiChange";

using registers::Lookup;

// The edit window's state, from its opening to its closing.
struct ItemEdit {
    registers::EditState edit;
    Lookup payerAccounts, recipients, recipientAccounts, calculationTypes, paymentTypes;
    RevenueRows revenue;  // revenue types and the sub-revenues of the one shown
    Lookup revenueTypes, subRevenues;  // their combo items at opening
    bool LGRESKANEMAZIROPRIMAC = false;
};

// The amount boxes, in the order the window creates them.
struct AmountBox {
    const char* name;
    const std::string& label;
    const std::string& tooltip;
    int row;
};
const AmountBox AMOUNTBOXES[] = {
    {"IznosAvans", vocab::CVALUELBLIZNOSAVANS, vocab::CTOOLTIPIZNOSAVANS, 240},
    {"IznosBruto", vocab::CVALUELBLIZNOSBRUTO, vocab::CTOOLTIPIZNOSBRUTO, 270},
    {"IznosOdbitoci", vocab::CVALUELBLIZNOSODBITOCI, vocab::CTOOLTIPIZNOSODBITOCI, 300},
    {"IznosDanok", vocab::CVALUELBLIZNOSDANOK, vocab::CTOOLTIPIZNOSDANOK, 330},
    {"IznosNeto", vocab::CVALUELBLIZNOSNETO, vocab::CTOOLTIPIZNOSNETO, 360},
    {"IznosDDV", vocab::CVALUELBLIZNOSDDV, vocab::CTOOLTIPIZNOSDDV, 390},
};

ui::Ctl box(const std::string& name) { return ui::Ctl(EDIT, "txtTransakcii" + name); }

// Amount boxes hold whole numbers of at most 8 digits, which a double holds exactly.
std::int64_t amountIn(const std::string& name) { return std::llround(box(name).number()); }

// The label of an amount box without its colon, to name the box in a message.
std::string boxLabel(std::string_view control) {
    for (const AmountBox& b : AMOUNTBOXES)
        if (control == "txtTransakcii" + std::string(b.name)) {
            std::string label = b.label;
            if (!label.empty() && label.back() == ':') label.pop_back();
            return label;
        }
    return std::string(control);
}

std::int64_t numberAt(const ui::TextTable& rows, int position, std::size_t column) {
    if (position < 1 || static_cast<std::size_t>(position) > rows.rows()) return 0;
    return registers::numberIn(rows.cell(static_cast<std::size_t>(position) - 1, column));
}

// What the chosen sub-revenue, revenue type and recipient give the calculation;
// nothing when no sub-revenue is chosen.
std::optional<TaxRates> chosenRates(const ItemEdit& state) {
    const int subRevenue = ui::Ctl(EDIT, "cbTransakciiPotprihodi").value();
    if (subRevenue < 1 || static_cast<std::size_t>(subRevenue) > state.revenue.subRevenues.rows()) return std::nullopt;
    return TaxRates{
        .deductionPercent = numberAt(state.revenue.subRevenues, subRevenue, 3),
        .taxWithheld = numberAt(state.revenue.subRevenues, subRevenue, 4) == 1,
        .progressive = numberAt(state.revenue.revenueTypes, ui::Ctl(EDIT, "cbTransakciiTipoviPrihodi").value(), 3) == 1,
        .vatLiable = numberAt(state.recipients.rows, ui::Ctl(EDIT, "cbTransakciiPrimaci").value(), 2) == 1};
}

// Writes a calculation's amounts in its order; a calculation with an amount
// that does not fit its box empties its boxes instead and says which one.
void putAmounts(const BoxValues& values) {
    for (const BoxFill& fill : boxFills(values)) {
        const ui::Ctl target(EDIT, std::string(fill.box));
        if (fill.value) target.number(static_cast<double>(*fill.value));
        else target.text("");
    }
    if (const auto tooWide = firstTooWide(values))
        ui::msgInfo(vocab::CPORIZNOSNESOBIRA + boxLabel(*tooWide), vocab::CPORGRESKA);
}

// A box that holds no valid amount gives no calculation; the save names it.
void CHANGEBRUTO(const ItemEdit& state) {
    const auto rates = chosenRates(state);
    if (rates && box("IznosBruto").numberValid()) putAmounts(grossToNet(amountIn("IznosBruto"), *rates));
}

void CHANGENETO(const ItemEdit& state) {
    const auto rates = chosenRates(state);
    if (rates && box("IznosNeto").numberValid()) putAmounts(netToGross(amountIn("IznosNeto"), *rates));
}

void FILTERZIROSMETKIPRIMACI(ItemEdit& state, int recipientPosition) {
    state.recipientAccounts = Lookup();
    state.recipientAccounts.rows =
        shell::SQL(shell::app().DB, recipientAccountRows(state.recipients.idAt(recipientPosition)));
    auto items = registers::showRecipientAccounts(ui::Ctl(EDIT, "cbTransakciiPrimaciZiroSmetki"),
                                                  state.recipientAccounts.rows);
    state.LGRESKANEMAZIROPRIMAC = !items;
    if (items) state.recipientAccounts.items = std::move(*items);
}

ItemValues typedItem(const ItemEdit& state) {
    const auto chosen = [&](const char* combo) { return ui::Ctl(EDIT, combo).value(); };
    return {
        .advance = amountIn("IznosAvans"),
        .gross = amountIn("IznosBruto"),
        .deductions = amountIn("IznosOdbitoci"),
        .tax = amountIn("IznosDanok"),
        .net = amountIn("IznosNeto"),
        .vat = amountIn("IznosDDV"),
        .decisionNumber = box("BrojResenieDo").text(),
        .decisionDate = box("DatumResenieDo").date(),
        .note = box("Komentar").text(),
        .payerAccountId = state.payerAccounts.idAt(chosen("cbTransakciiIsplakjaciZiroSmetki")),
        .recipientAccountId = state.recipientAccounts.idAt(chosen("cbTransakciiPrimaciZiroSmetki")),
        .revenueTypeId = shell::comboId(state.revenue.revenueTypes, chosen("cbTransakciiTipoviPrihodi")),
        .subRevenueId = shell::comboId(state.revenue.subRevenues, chosen("cbTransakciiPotprihodi")),
        .calculationTypeId = state.calculationTypes.idAt(chosen("cbTransakciiTipoviKalkulacii")),
        .paymentTypeId = state.paymentTypes.idAt(chosen("cbTransakciiTipoviPlacanja"))};
}

// The refusal of a save, in the order the checks run, with the control it is about.
std::optional<shell::Refusal> refusal(const ItemEdit& state, const ItemValues& item) {
    using namespace vocab;
    if (state.LGRESKANEMAZIROPRIMAC) return shell::Refusal{CPORNEMAZIROSMETKAPRIMAC, "cbTransakciiPrimaci"};
    if (item.subRevenueId.empty()) return shell::Refusal{CPORPRAZNAPOTPRIHODI, "cbTransakciiPotprihodi"};
    if (item.gross == 0) return shell::Refusal{CPORPRAZENIZNOSBRUTO, "txtTransakciiIznosBruto"};
    if (item.net == 0) return shell::Refusal{CPORPRAZENIZNOSNETO, "txtTransakciiIznosNeto"};
    return std::nullopt;
}

void TRANSAKCIISAVE(const std::shared_ptr<ItemsWindow>& window, const std::shared_ptr<listkit::ListState>& list,
                    const ItemEdit& state) {
    for (const AmountBox& b : AMOUNTBOXES)
        if (!shell::numberBoxReady(EDIT, "txtTransakcii" + std::string(b.name), b.label)) return;
    if (!shell::datesReady(EDIT, {{"txtTransakciiDatumResenieDo", vocab::CVALUELBLDATUMRESENIEDO}})) return;
    const ItemValues item = typedItem(state);
    if (const auto refused = refusal(state, item)) {
        shell::refuse(EDIT, *refused);
        return;
    }
    registers::writeAndClose(EDIT, itemSave(item, state.edit.MID),
                             [window, list] { TRANSAKCIIGETDATA(*window, list, window->MISPLAKJACIID); });
}

// The start values of the boxes: zero and empty for a new item, the item's
// own from its list line for an edit.
struct StartValues {
    std::int64_t amounts[6] = {};
    std::string decisionNumber, decisionDate, note;
};

StartValues startValues(const ui::Ctl& grid, const registers::EditState& edit) {
    StartValues v;
    if (edit.isNew) return v;
    const auto value = [&](int column) { return grid.cell(edit.LINENO, column); };
    for (int i = 0; i < 6; ++i) v.amounts[i] = amountOf(value(item::ADVANCE + i));
    v.decisionNumber = value(item::DECISIONNUMBER);
    v.decisionDate = shell::storedDate(value(item::DECISIONDATE));
    v.note = value(item::NOTE);
    return v;
}

ui::Ctl field(const ui::Ctl& control, const std::string& labelName, const std::string& label, int row, int width,
              const std::string& tooltip) {
    ui::addLabel(EDIT, labelName).at(50, row, 300, 20).text(label);
    return control.at(350, row, width, 20).tooltip(tooltip);
}

ui::Ctl comboField(const std::string& name, const std::string& label, int row, const std::string& tooltip,
                   const Lookup& lookup) {
    return field(ui::addComboBox(EDIT, "cbTransakcii" + name), "lblTransakcii" + name, label, row, 300, tooltip)
        .items(lookup.items, lookup.items.empty() ? 0 : lookup.initial);
}

void addControls(const std::shared_ptr<ItemEdit>& state, const StartValues& start) {
    using namespace vocab;
    ItemEdit& s = *state;
    comboField("IsplakjaciZiroSmetki", CVALUELBLISPLAKJACZIRO, 30, CTOOLTIPZIROISPLAKJAC, s.payerAccounts);
    comboField("Primaci", CVALUELBLPRIMAC, 60, CTOOLTIPPRIMAC, s.recipients)
        .onChange([state] { FILTERZIROSMETKIPRIMACI(*state, ui::Ctl(EDIT, "cbTransakciiPrimaci").value()); });
    comboField("PrimaciZiroSmetki", CVALUELBLPRIMACZIRO, 90, CTOOLTIPZIROPRIMAC, s.recipientAccounts);
    comboField("TipoviPrihodi", CVALUELBLTIPOVIPRIHODI, 120, CTOOLTIPTIPOVIPRIHODI, s.revenueTypes)
        .listWidth(650)
        .onChange([state] {
            CHANGETIPOVIPRIHODI(ui::Ctl(EDIT, "cbTransakciiTipoviPrihodi").value(), EDIT, "cbTransakciiPotprihodi", 0,
                                state->revenue);
        });
    comboField("Potprihodi", CVALUELBLPOTPRIHODI, 150, CTOOLTIPPOTPRIHODI, s.subRevenues)
        .listWidth(650)
        .onChange([state] { CHANGEBRUTO(*state); });
    comboField("TipoviKalkulacii", CVALUELBLTIPOVIKALKULACII, 180, CTOOLTIPTIPOVIKALKULACII, s.calculationTypes);
    comboField("TipoviPlacanja", CVALUELBLTIPOVIPLACANJA, 180, CTOOLTIPTIPOVIPLACANJA, s.paymentTypes);
    // The amounts go on into the calculation and the revenue office's file,
    // which take none below zero.
    for (int i = 0; i < 6; ++i) {
        const AmountBox& b = AMOUNTBOXES[i];
        field(ui::addNumberBox(EDIT, std::string("txtTransakcii") + b.name, "99999999").minusSign(false),
              std::string("lblTransakcii") + b.name, b.label, b.row, 80, b.tooltip)
            .number(static_cast<double>(start.amounts[i]));
        if (std::string_view(b.name) == "IznosNeto")
            ui::addButton(EDIT, "btnNetoBruto")
                .at(450, 345, 180, 50)
                .text(CCAPTIONNETOBRUTO)
                .picture("img24Calc")
                .tooltip(CTOOLTIPNETOBRUTO)
                .onClick([state] { CHANGENETO(*state); });
    }
    box("IznosBruto").onLostFocus([state] { CHANGEBRUTO(*state); });
    field(ui::addTextBox(EDIT, "txtTransakciiBrojResenieDo"), "lblTransakciiBrojResenieDo", CVALUELBLBROJRESENIEDO,
          420, 200, CTOOLTIPBROJRESENIEDO)
        .text(start.decisionNumber);
    field(ui::addDatePicker(EDIT, "txtTransakciiDatumResenieDo"), "lblTransakciiDatumResenieDo",
          CVALUELBLDATUMRESENIEDO, 450, 80, CTOOLTIPDATUMRESENIEDO)
        .allowEmptyDate(true)
        .date(start.decisionDate);
    field(ui::addEditBox(EDIT, "txtTransakciiKomentar"), "lblTransakciiKomentar", CVALUELBLKOMENTAR, 480, 300,
          CTOOLTIPKOMENTAR)
        .size(300, 100)
        .text(start.note);
    ui::Ctl(EDIT, "lblTransakciiTipoviKalkulacii").visible(false);
    ui::Ctl(EDIT, "cbTransakciiTipoviKalkulacii").visible(false);
}

// The opening's lookups in their order; false when one of them refused (its
// message has been shown) and no window opens.
bool loadLookups(ItemEdit& s, const ui::Ctl& grid, const std::string& payerId) {
    using namespace vocab;
    const bool isNew = s.edit.isNew;
    const auto own = [&](int column) { return isNew ? std::string() : grid.cell(s.edit.LINENO, column); };
    auto revenueTypes = registers::lookup(revenueTypeRows(isNew), CPORPRAZNATIPOVIPRIHODI, own(item::REVENUETYPEID),
                                          isNew);
    if (!revenueTypes) return false;
    s.revenueTypes = std::move(*revenueTypes);
    const std::string revenueType = isNew ? s.revenueTypes.idAt(1) : own(item::REVENUETYPEID);
    auto subRevenues =
        registers::lookup(subRevenueRows(revenueType), CPORPRAZNAPOTPRIHODI, own(item::SUBREVENUEID), isNew);
    if (!subRevenues) return false;
    s.subRevenues = std::move(*subRevenues);
    s.revenue = {s.revenueTypes.rows, s.subRevenues.rows};

    std::string recipient;
    if (!isNew) {
        const shell::QueryResult owner =
            shell::query(shell::app().DB, recipientOfAccount(own(item::RECIPIENTACCOUNTID)));
        if (owner.busy) return false;  // a locked file is no missing account: said as it is
        if (owner.rows.empty()) {
            ui::msgInfo(CPORPRIMACPROBLEMI, CPORGRESKA);
            return false;
        }
        recipient = owner.rows.at(0, 0);
    }
    auto payerAccounts =
        registers::lookup(payerAccountRows(payerId), CPORNEMAZIROSMETKAISPLAKJAC, own(item::PAYERACCOUNTID), isNew);
    if (!payerAccounts) return false;
    s.payerAccounts = std::move(*payerAccounts);
    auto recipients = registers::lookup(RECIPIENTROWS, CPORPRAZNAPRIMACI, recipient, isNew);
    if (!recipients) return false;
    s.recipients = std::move(*recipients);
    if (isNew) recipient = s.recipients.idAt(1);
    s.recipientAccounts.rows = shell::SQL(shell::app().DB, recipientAccountRows(recipient));
    s.LGRESKANEMAZIROPRIMAC = s.recipientAccounts.rows.empty();
    s.recipientAccounts.initial = shell::NAPUNINIZIZAKOMBO(s.recipientAccounts.items, s.recipientAccounts.rows,
                                                           own(item::RECIPIENTACCOUNTID), isNew);
    auto calculationTypes =
        registers::lookup(CALCULATIONTYPEROWS, CPORPRAZNATIPOVIKALKULACII, own(item::CALCULATIONTYPEID), isNew);
    if (!calculationTypes) return false;
    s.calculationTypes = std::move(*calculationTypes);
    auto paymentTypes = registers::lookup(PAYMENTTYPEROWS, CPORPRAZNATIPOVIPLACANJA, own(item::PAYMENTTYPEID), isNew);
    if (!paymentTypes) return false;
    s.paymentTypes = std::move(*paymentTypes);
    return true;
}

}  // namespace

void TransakciiChange(const std::shared_ptr<ItemsWindow>& window, const std::shared_ptr<listkit::ListState>& list,
                      bool isNew) {
    auto edit = registers::beginEdit(*list, isNew);
    if (!edit) return;
    auto state = std::make_shared<ItemEdit>();
    state->edit = *edit;
    const ui::Ctl grid = list->gridCtl();
    if (!loadLookups(*state, grid, window->MISPLAKJACIID)) return;
    const StartValues start = startValues(grid, state->edit);
    // Setting up the window runs no calculation: an edited item shows its stored amounts.
    registers::openEditWindow({.name = EDIT,
                               .width = 700,
                               .height = 680,
                               .cancelFromRight = 200,
                               .confirmCol = 100,
                               .buttonsFromBottom = 70,
                               .isNew = isNew,
                               .controls = [&](const std::string&) { addControls(state, start); },
                               .save = [window, list, state] { TRANSAKCIISAVE(window, list, *state); }});
}

}  // namespace payments
