#include "listkit/filter_dialog.h"

#include "shell/vocabulary.h"

namespace listkit {

void openFilterDialog(const std::string& name, const std::string& title, const std::function<void()>& conditions,
                      ui::Action confirm) {
    using namespace vocab;
    ui::defineWindow({.name = name,
                      .kind = ui::WindowKind::Modal,
                      .title = title,
                      .width = 700,
                      .height = 450,
                      .closeBox = false,
                      .sizable = false});
    conditions();
    ui::addButton(name, "cmdConfirm")
        .at(100, 380, 100, 25)
        .text(CCAPTIONPOTVRDI)
        .picture("img16OK")
        .tooltip(CTOOLTIPPOTVRDI)
        .onClick(std::move(confirm));
    ui::addButton(name, "cmdCancel")
        .at(500, 380, 100, 25)
        .text(CCAPTIONOTKAZI)
        .picture("img16Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([name] { ui::Win(name).release(); });
    ui::Win(name).center().activate();
}

}  // namespace listkit
