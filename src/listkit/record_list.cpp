#include "listkit/record_list.h"

#include "listkit/edit_checks.h"
#include "listkit/search_strip.h"
#include "listkit/sort.h"
#include "listkit/toolbar.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace listkit {

namespace {

void layout(const RecordListSpec& definition, const ListState& s) {
    const ui::Win w(definition.window);
    const int width = w.width(), height = w.height();
    ui::Ctl(definition.window, definition.grid).at(0, 40, width - 10, height - 140);
    const char* buttons[] = {"btnDodaj", "btnIzmeni", "btnIzbrisi"};
    for (std::size_t i = 0; i < 3 && i < definition.buttonColumns.size(); ++i)
        ui::Ctl(definition.window, buttons[i])
            .at(definition.buttonColumns[i], height - definition.buttonsFromBottom, definition.buttons[i].width,
                definition.buttons[i].height);
    if (definition.layoutMore) definition.layoutMore(s);
    _RESIZEGRIDTOOLBAR(s);
    _RESIZESEARCH(s);
}

void load(const RecordListSpec& definition, ListState& s) {
    ui::TextTable rows = shell::SQL(shell::app().DB, definition.query());
    if (definition.shape) definition.shape(rows);
    fill(s, std::move(rows));
    layout(definition, s);
}

void addButton(const std::string& window, const char* name, const std::string& caption, const ListButton& look,
               const std::string& tooltip, ui::Action action) {
    ui::addButton(window, name).text(caption).picture(look.picture).tooltip(tooltip).onClick(std::move(action));
}

}  // namespace

void openRecordList(const RecordListSpec& definition) {
    using namespace vocab;
    if (ui::bringToFront(definition.window)) return;
    if (!definition.createStatements.empty()) {
        ui::WaitWindow wait(CPORSEPREZEMAATPODATOCITEODBAZA);
        for (const auto& statement : definition.createStatements) shell::MISCSQL1(shell::app().DB, statement);
    }
    if (definition.admit && !definition.admit()) return;
    ui::defineWindow({.name = definition.window,
                      .kind = ui::WindowKind::Child,
                      .title = definition.title,
                      .width = definition.width,
                      .height = definition.height});
    auto list = newListState(definition.window, definition.grid, definition.captions);
    list->AWIDTHS = definition.widths;
    list->AJUSTIFY = definition.justify;
    list->load = [definition](ListState& s) { listkit::load(definition, s); };
    list->layout = [definition](const ListState& s) { listkit::layout(definition, s); };

    const auto change = definition.change;
    const auto remove = definition.remove;
    const ui::Action insert = [list, change] { change(list, true); };
    const ui::Action edit = [list, change] { change(list, false); };
    const ui::Action erase = [list, remove] { remove(list); };
    shell::STATUSBARB(definition.window);
    if (definition.controls) definition.controls(list);
    ui::addGrid(definition.window, definition.grid)
        .headers(definition.captions)
        .widths(definition.widths)
        .justify(definition.justify)
        .multiSelect(true)
        .onHeadClick(CREATECHEADCLICK(list))
        .onDblClick(edit);
    addButton(definition.window, "btnDodaj", CCAPTIONDODAJNOV, definition.buttons[0], CTOOLTIPDODAJNOV, insert);
    addButton(definition.window, "btnIzmeni", CCAPTIONIZMENI, definition.buttons[1], CTOOLTIPIZMENI, edit);
    addButton(definition.window, "btnIzbrisi", CCAPTIONIZBRISI, definition.buttons[2], CTOOLTIPIZBRISI, erase);
    ui::Win(definition.window).onKey(ui::Key::Insert, insert).onKey(ui::Key::Delete, erase);
    _ADDGRIDTOOLBAR(list);
    _ADDSEARCH(list, insert, erase);
    ui::Win(definition.window)
        .onStart([list] { reload(list); })
        .onSize([list] { list->layout(*list); })
        .center()
        .activate();
}

void reload(const std::shared_ptr<ListState>& s) { s->load(*s); }

void deleteRecords(const std::shared_ptr<ListState>& s, std::string_view table,
                   const std::vector<ReferenceCheck>& checks) {
    deleteSelectedRows(*s, table, checks, [s] { reload(s); });
}

}  // namespace listkit
