#include "registers/account_grid.h"

#include <memory>

#include "listkit/edit_checks.h"
#include "platform/ui/ui.h"
#include "registers/edit_window.h"
#include "shell/app_state.h"
#include "shell/layouts.h"
#include "shell/refusal.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

constexpr int accountWidth = 15;

std::string gridName(const AccountPage& p) { return "grd" + p.name + "2"; }
std::string smallWindow(const AccountPage& p) { return "frm" + p.name + "2Change"; }
std::string accountBox(const AccountPage& p) { return "txt" + p.name + "2ZiroSmetka"; }
ui::Ctl grid(const AccountPage& p) { return ui::Ctl(p.window, gridName(p)); }

// The small window's confirm: the account goes into the grid, nothing into
// the database until the record is saved.
void confirmAccount(const AccountPage& p, int line, bool isNew, const std::string& shown,
                    const std::string& original) {
    const std::string account =
        typedAccount(ui::Ctl(smallWindow(p), accountBox(p)).text(), shown, original, p.keepBlanks);
    if (const auto refusal = accountRefusal(grid(p).rows(), isNew ? 0 : line, account)) {
        shell::refuse(smallWindow(p), {*refusal, accountBox(p)});
        return;
    }
    if (isNew) grid(p).addRow({"", account});
    else grid(p).cell(line, 2, account);
    ui::Win(smallWindow(p)).release();
}

void changeAccount(const AccountPage& p, bool isNew) {
    const int lines = grid(p).itemCount();
    const std::vector<int> selection = grid(p).selection();
    if (!listkit::PROVERIGRID(isNew, lines, selection)) return;
    const int line = isNew ? lines + 1 : selection.front();
    const std::string original =
        isNew ? std::string(p.keepBlanks ? accountWidth : 0, ' ') : grid(p).cell(line, 2);
    auto shown = std::make_shared<std::string>();
    openEditWindow({.name = smallWindow(p),
                    .width = 500,
                    .height = 200,
                    .cancelFromRight = 150,
                    .isNew = isNew,
                    .controls =
                        [&](const std::string& w) {
                            ui::addLabel(w, "lbl" + p.name + "2ZiroSmetka")
                                .at(10, 40, 250, 20)
                                .text(vocab::CVALUELBLZIROSMETKA);
                            requiredMark(w, "lbl" + p.name + "2ZiroSmetkaObavezno", 250, 40);
                            const ui::Ctl box = ui::addMaskedBox(w, accountBox(p), std::string(accountWidth, '!'));
                            box.at(270, 40, 120, 20).tooltip(p.tooltip).text(original);
                            *shown = box.text();
                        },
                    .save = [p, line, isNew, shown, original] { confirmAccount(p, line, isNew, *shown, original); }});
}

// Only the grid changes; the save brings the database in line.
void removeAccounts(const AccountPage& p) {
    using namespace vocab;
    const ui::Ctl g = grid(p);
    const std::vector<int> selection = g.selection();
    if (selection.empty()) {
        ui::msgInfo(CPORNEPOSTOINITUEDENRED, CPORGRESKA);
        return;
    }
    if (!removable(shell::app().DB, p.tables, g.rows(), selection)) return;
    int line = 0;
    if (selection.size() == 1) {
        line = selection.front();
        if (ui::msgYesNo(CPORDALIBRISEZAPIS + g.cell(line, 2) + " ?")) g.deleteRow(line);
    } else if (ui::msgYesNo(CPORDALIBRISESITEREDOVI)) {
        for (auto it = selection.rbegin(); it != selection.rend(); ++it) g.deleteRow(*it);
        line = selection.back() - static_cast<int>(selection.size());
    }
    const int reselected = listkit::reselectedLine(line, g.itemCount());
    g.selection(reselected ? std::vector<int>{reselected} : std::vector<int>{});
}

void addButton(const AccountPage& p, const char* name, int row, const std::string& caption, const char* picture,
               const std::string& tooltip, ui::Action action) {
    ui::addButton(p.window, name)
        .at(510, row, 95, 25)
        .text(caption)
        .picture(picture)
        .tooltip(tooltip)
        .onClick(std::move(action))
        .onPage(p.tab, p.page);
}

}  // namespace

void addAccountPage(const AccountPage& p, ui::TextTable stored) {
    using namespace vocab;
    ui::addLabel(p.window, "lbl" + p.name + "SmetkiNaOrganizacijata")
        .at(150, 150, 300, 20)
        .text(CVALUELBLSOPSTVENIZIROSMETKI)
        .onPage(p.tab, p.page);
    ui::addGrid(p.window, gridName(p))
        .at(150, 170, 350, 90)
        .headers(layouts::AHEADERSZIRO)
        .widths({0, 230})
        .justify({0, 0})
        .multiSelect(true)
        .onDblClick([p] { changeAccount(p, false); })
        .rows(std::move(stored))
        .onPage(p.tab, p.page);
    addButton(p, "btnDodaj", 170, CCAPTIONDODAJNOV, "img16Add", CTOOLTIPDODAJNOV, [p] { changeAccount(p, true); });
    addButton(p, "btnIzmeni", 200, CCAPTIONIZMENI, "img16Edit", CTOOLTIPIZMENI, [p] { changeAccount(p, false); });
    addButton(p, "btnIzbrisi", 230, CCAPTIONIZBRISI, "img16Delete", CTOOLTIPIZBRISI, [p] { removeAccounts(p); });
}

std::vector<std::string> gridAccounts(const AccountPage& p) {
    const ui::TextTable& rows = grid(p).rows();
    std::vector<std::string> accounts;
    for (std::size_t r = 0; r < rows.rows(); ++r) accounts.push_back(rows.at(r, 1));
    return accounts;
}

}  // namespace registers
