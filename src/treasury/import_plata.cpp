// The salary import window frmImportPlata: the payer, the four salary files,
// the month, the dates, the interest amounts and the folio; its confirm builds
// the batch and hands it to the treasury order file writer.
#include <array>
#include <memory>

#include "platform/desktop/desktop.h"
#include "platform/ui/ui.h"
#include "registers/current_payer.h"
#include "registers/edit_window.h"
#include "registers/isplakjaci_sql.h"
#include "shell/app_state.h"
#include "shell/date_boxes.h"
#include "shell/dialog_buttons.h"
#include "shell/entries.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/day_after.h"
#include "treasury/salary_import.h"
#include "treasury/treasury_file.h"

namespace treasury {

namespace {

const std::string WINDOW = "frmImportPlata";
const std::string PAYERS = "cbImportPlataIsplakjaci";
const std::string ACCOUNTS = "cbImportPlataIsplakjaciZiroSmetki";

struct State {
    registers::Lookup payers;
    registers::CurrentPayer payer;
    std::array<SalaryFileChoice, 4> files;
};

// The current payer of `id` and its accounts; nothing (after the message)
// when it has none.
std::optional<registers::Lookup> loadPayer(const std::string& id, registers::CurrentPayer& payer) {
    registers::ISPLAKJACICITAJ(id, payer);
    return registers::lookup(registers::payerAccountRows(id),
                             vocab::CPORNEMAZIROSMETKAISPLAKJAC, "", true);
}

void FILTERZIROSMETKIISPLAKJACITREZOR(State& state, int position) {
    const ui::Ctl accounts(WINDOW, ACCOUNTS);
    accounts.deleteAllItems();
    if (const auto found = loadPayer(state.payers.idAt(position), state.payer)) accounts.items(found->items, 1);
}

// One file's button, path label and check box.
struct FileControls {
    SalaryFile file;
    std::string button, label, check;
    const std::string &caption, &title, &tooltip;
    int col;
};

void GETFILEIMPORTPLATA(State& state, const FileControls& c) {
    const auto path = ui::getFile(c.title, {{"CSV Files", "*.csv"}}, shell::app().CFOLDERNAINSTALACIJABAZA);
    SalaryFileChoice& choice = state.files[c.file];
    choice.path = path.value_or("");
    choice.chosen = !choice.path.empty();
    ui::Ctl(WINDOW, c.check).value(choice.chosen ? 1 : 0);
    ui::Ctl(WINDOW, c.label).text(choice.path);
}

std::string typed(const std::string& name) { return ui::Ctl(WINDOW, name).text(); }

void IMPORTPLATASAVE(const State& state) {
    if (!shell::datesReady(WINDOW, {{"txtImportPlataDataNaPodnesuvanje", vocab::CTOOLTIPDATANAPODNESUVANJE},
                                    {"txtImportPlataDataNaObrabotka", vocab::CTOOLTIPDATANAOBRABOTKA}}))
        return;
    SalaryImport import;
    import.files = state.files;
    import.month = typed("txtImportPlataMesec");
    import.submissionDate = ui::Ctl(WINDOW, "txtImportPlataDataNaPodnesuvanje").date();
    import.processingDate = ui::Ctl(WINDOW, "txtImportPlataDataNaObrabotka").date();
    // As typed: the batch refuses what is not a whole number of the box's digits.
    import.interest = {typed("txtImportPlataKamataPIO"), typed("txtImportPlataKamataZdravstvo"),
                       typed("txtImportPlataKamataDopZdravstvo"), typed("txtImportPlataKamataVrabotuvanje"),
                       typed("txtImportPlataKamataPD")};
    import.folio = typed("txtImportPlataFolio");
    import.payer = state.payer;
    import.treasuryAccountRM = shell::app().MTREZORSKASMETKANARM;
    import.treasuryAccountFZOM = shell::app().MTREZORSKASMETKANAFZOM;
    SalaryBatch batch = salaryBatch(import);
    if (batch.refusal) {
        ui::msgInfo(*batch.refusal, vocab::CPORGRESKA);
        return;
    }
    NAPRAVIFAJL(Mode::P, batch.input);
}

void addLabel(const std::string& name, int col, int row, int width, const std::string& text) {
    ui::addLabel(WINDOW, name).at(col, row, width, 20).text(text);
}

void addFileControls(const std::shared_ptr<State>& state, const FileControls& c) {
    ui::addButton(WINDOW, c.button)
        .at(c.col, 60, 130, 35)
        .text(c.caption)
        .picture("img24OpenFile")
        .tooltip(c.tooltip)
        .onClick([state, c] { GETFILEIMPORTPLATA(*state, c); });
    ui::addLabel(WINDOW, c.label).at(c.col, 96, 150, 20).font("Verdana", 6);
    // Shows the choice; only the file dialog changes it.
    ui::addCheckBox(WINDOW, c.check).at(c.col + 135, 70, 20, 20).enabled(false);
}

// A row of the lower block: its label and the box beside it.
const ui::Ctl& lowerRow(const std::string& name, int row, const std::string& label, const ui::Ctl& box, int width,
                        const std::string& tooltip) {
    addLabel("lbl" + name, 130, row, 280, label);
    return box.at(430, row, width, 20).tooltip(tooltip);
}

void defineWindow(const std::shared_ptr<State>& state, const registers::Lookup& accounts) {
    using namespace vocab;
    ui::defineWindow({.name = WINDOW,
                      .kind = ui::WindowKind::Modal,
                      .title = CTITIMPORTPLATA,
                      .width = 850,
                      .height = 550,
                      .closeBox = false,
                      .sizable = false});
    addLabel("lblImportPlataIsplakjaci", 130, 20, 100, CVALUELBLISPLAKJAC);
    ui::addComboBox(WINDOW, PAYERS)
        .at(240, 20, 200, 20)
        .items(state->payers.items, 1)
        .tooltip(CTOOLTIPISPLAKJACI)
        .onChange([state] { FILTERZIROSMETKIISPLAKJACITREZOR(*state, ui::Ctl(WINDOW, PAYERS).value()); });
    addLabel("lblImportPlataIsplakjaciZiroSmetki", 460, 20, 100, CVALUELBLZIROSMETKA);
    ui::addComboBox(WINDOW, ACCOUNTS).at(570, 20, 150, 20).items(accounts.items, 1).tooltip(CTOOLTIPZIROISPLAKJAC);

    const FileControls files[] = {
        {PLATI, "btnGetFilePlati", "lblImportPlataFilePlati", "chkImportPlataPlata", CCAPTIONGETFILEPLATI,
         CTITGETFILEPLATI, CTOOLTIPGETFILEPLATI, 140},
        {PERSONALEN, "btnGetFilePersonalen", "lblImportPlataFilePersonalen", "chkImportPlataPersonalen",
         CCAPTIONGETFILEPERSONALEN, CTITGETFILEPERSONALEN, CTOOLTIPGETFILEPERSONALEN, 300},
        {PRIDONESI, "btnGetFilePridonesi", "lblImportPlataFilePridonesi", "chkImportPlataPridonesi",
         CCAPTIONGETFILEPRIDONESI, CTITGETFILEPRIDONESI, CTOOLTIPGETFILEPRIDONESI, 460},
        {ODBITOCI, "btnGetFileOdbitoci", "lblImportPlataFileOdbitoci", "chkImportPlataOdbitoci",
         CCAPTIONGETFILEODBITOCI, CTITGETFILEODBITOCI, CTOOLTIPGETFILEODBITOCI, 620},
    };
    for (const FileControls& c : files) addFileControls(state, c);

    const std::string today = desktop::today();
    lowerRow("ImportPlataMesec", 120, CVALUELBLMESEC, ui::addMaskedBox(WINDOW, "txtImportPlataMesec", "99.9999"), 100,
             CTOOLTIPMESEC)
        .text(shell::MESODDAT(today));
    lowerRow("ImportPlataDataNaPodnesuvanje", 150, CVALUELBLDATANAPODNESUVANJE,
             ui::addDatePicker(WINDOW, "txtImportPlataDataNaPodnesuvanje"), 100, CTOOLTIPDATANAPODNESUVANJE)
        .date(today);
    lowerRow("ImportPlataDataNaObrabotka", 180, CVALUELBLDATANAOBRABOTKA,
             ui::addDatePicker(WINDOW, "txtImportPlataDataNaObrabotka"), 100, CTOOLTIPDATANAOBRABOTKA)
        .date(dayAfter(today));
    // The day's batch digit is chosen when the file is named; the box only shows the usual one.
    lowerRow("ImportPlataBrojNaPratka", 210, CVALUELBLBROJNAPRATKA,
             ui::addMaskedBox(WINDOW, "txtImportPlataBrojNaPratka", "9"), 20, CTOOLTIPBROJNAPRATKA)
        .text("1");
    const std::pair<const char*, std::pair<const std::string&, const std::string&>> interests[] = {
        {"KamataPIO", {CVALUELBLKAMATAPIO, CTOOLTIPKAMATAPIO}},
        {"KamataZdravstvo", {CVALUELBLKAMATAZDRAVSTVO, CTOOLTIPKAMATAZDRAVSTVO}},
        {"KamataDopZdravstvo", {CVALUELBLKAMATADOPZDRAVSTVO, CTOOLTIPKAMATADOPZDRAVSTVO}},
        {"KamataVrabotuvanje", {CVALUELBLKAMATAVRABOTUVANJE, CTOOLTIPKAMATAVRABOTUVANJE}},
        {"KamataPD", {CVALUELBLKAMATAPD, CTOOLTIPKAMATAPD}},
    };
    int row = 240;
    for (const auto& [name, texts] : interests) {
        const std::string box = std::string("txtImportPlata") + name;
        lowerRow(std::string("ImportPlata") + name, row, texts.first, ui::addNumberBox(WINDOW, box, "9999999"), 70,
                 texts.second)
            .number(0);
        row += 30;
    }
    // Empty, so that a click puts the cursor at its start: the folio is filled
    // to its 70 bytes when the file is written.
    lowerRow("ImportPlataFolio", 390, CVALUELBLFOLIO, ui::addTextBox(WINDOW, "txtImportPlataFolio"), 200,
             CTOOLTIPFOLIO);

    shell::addConfirmButton(WINDOW, 100, 440, [state] { IMPORTPLATASAVE(*state); });
    shell::addCancelButton(WINDOW, 500, 440);
}

}  // namespace

void IMPORTPLATA() {
    if (ui::windowExists(WINDOW)) return;
    // A database that never held a payer has no payer table: no payers either.
    // One that could not be read (a locked file) has been said as it is.
    const std::optional<bool> payerTable = shell::findTable(shell::app().DB, "Isplakjaci");
    if (payerTable == false) ui::msgInfo(vocab::CPORPRAZNAISPLAKJACI, vocab::CPORGRESKA);
    if (payerTable != true) return;
    auto payers = registers::lookup(registers::PAYERROWS, vocab::CPORPRAZNAISPLAKJACI, "", true);
    if (!payers) return;
    auto state = std::make_shared<State>();
    state->payers = std::move(*payers);
    const auto accounts = loadPayer(state->payers.idAt(1), state->payer);
    if (!accounts) return;
    defineWindow(state, *accounts);
    ui::Win(WINDOW).center().activate();
}

}  // namespace treasury
