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

void layout(const RecordListSpec& spec, const ListState& s) {
    const ui::Win w(spec.window);
    const int width = w.width(), height = w.height();
    ui::Ctl(spec.window, spec.grid).at(0, 40, width - 10, height - 140);
    const char* buttons[] = {"btnDodaj", "btnIzmeni", "btnIzbrisi"};
    for (std::size_t i = 0; i < 3 && i < spec.buttonColumns.size(); ++i)
        ui::Ctl(spec.window, buttons[i]).at(spec.buttonColumns[i], height - spec.buttonsFromBottom, 105, 25);
    if (spec.layoutMore) spec.layoutMore(s);
    _RESIZEGRIDTOOLBAR(s);
    _RESIZESEARCH(s);
}

void load(const RecordListSpec& spec, ListState& s) {
    ui::TextTable rows = shell::SQL(shell::app().DB, spec.query());
    if (spec.shape) spec.shape(rows);
    fill(s, std::move(rows));
    layout(spec, s);
}

void addButton(const std::string& window, const char* name, const std::string& caption, const char* picture,
               const std::string& tooltip, ui::Action action) {
    ui::addButton(window, name).text(caption).picture(picture).tooltip(tooltip).onClick(std::move(action));
}

}  // namespace

void openRecordList(const RecordListSpec& spec) {
    using namespace vocab;
    if (ui::windowExists(spec.window)) return;
    if (!spec.createStatements.empty()) {
        ui::WaitWindow wait(CPORSEPREZEMAATPODATOCITEODBAZA);
        for (const auto& statement : spec.createStatements) shell::MISCSQL1(shell::app().DB, statement);
    }
    ui::defineWindow({.name = spec.window,
                      .kind = ui::WindowKind::Child,
                      .title = spec.title,
                      .width = spec.width,
                      .height = spec.height});
    auto list = newListState(spec.window, spec.grid, spec.captions);
    list->AWIDTHS = spec.widths;
    list->AJUSTIFY = spec.justify;
    list->load = [spec](ListState& s) { listkit::load(spec, s); };
    list->layout = [spec](const ListState& s) { listkit::layout(spec, s); };

    const auto change = spec.change;
    const auto remove = spec.remove;
    const ui::Action insert = [list, change] { change(list, true); };
    const ui::Action edit = [list, change] { change(list, false); };
    const ui::Action erase = [list, remove] { remove(list); };
    shell::STATUSBARB(spec.window);
    ui::addGrid(spec.window, spec.grid)
        .headers(spec.captions)
        .widths(spec.widths)
        .justify(spec.justify)
        .multiSelect(true)
        .onHeadClick(CREATECHEADCLICK(list))
        .onDblClick(edit);
    addButton(spec.window, "btnDodaj", CCAPTIONDODAJNOV, "img16Add", CTOOLTIPDODAJNOV, insert);
    addButton(spec.window, "btnIzmeni", CCAPTIONIZMENI, "img16Edit", CTOOLTIPIZMENI, edit);
    addButton(spec.window, "btnIzbrisi", CCAPTIONIZBRISI, "img16Delete", CTOOLTIPIZBRISI, erase);
    ui::Win(spec.window).onKey(ui::Key::Insert, insert).onKey(ui::Key::Delete, erase);
    _ADDGRIDTOOLBAR(list);
    _ADDSEARCH(list, insert, erase);
    ui::Win(spec.window)
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
