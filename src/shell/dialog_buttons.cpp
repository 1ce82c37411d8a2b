#include "shell/dialog_buttons.h"

#include "shell/vocabulary.h"

namespace shell {

ui::Ctl addConfirmButton(const std::string& window, int col, int row, ui::Action action) {
    using namespace vocab;
    ui::Ctl button = ui::addButton(window, "cmdConfirm");
    button.at(col, row, 100, 25).text(CCAPTIONPOTVRDI).picture("img16OK").tooltip(CTOOLTIPPOTVRDI).onClick(
        std::move(action));
    return button;
}

ui::Ctl addCancelButton(const std::string& window, int col, int row) {
    using namespace vocab;
    ui::Ctl button = ui::addButton(window, "cmdCancel");
    button.at(col, row, 100, 25).text(CCAPTIONOTKAZI).picture("img16Cancel").tooltip(CTOOLTIPOTKAZI).cancel().onClick(
        [window] { ui::Win(window).release(); });
    return button;
}

}  // namespace shell
