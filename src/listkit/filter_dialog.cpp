#include "listkit/filter_dialog.h"

#include "shell/dialog_buttons.h"

namespace listkit {

void openFilterDialog(const std::string& name, const std::string& title, const std::function<void()>& conditions,
                      ui::Action confirm) {
    ui::defineWindow({.name = name,
                      .kind = ui::WindowKind::Modal,
                      .title = title,
                      .width = 700,
                      .height = 450,
                      .closeBox = false,
                      .sizable = false});
    conditions();
    shell::addConfirmButton(name, 100, 380, std::move(confirm));
    shell::addCancelButton(name, 500, 380);
    ui::Win(name).center().activate();
}

}  // namespace listkit
