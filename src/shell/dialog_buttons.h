#pragma once
// The confirm and cancel buttons of a window (100 x 25 each, captioned and
// pictured alike everywhere): cmdConfirm runs the window's own action,
// cmdCancel releases the window, and Escape presses it.
#include <string>

#include "platform/ui/ui.h"

namespace shell {

ui::Ctl addConfirmButton(const std::string& window, int col, int row, ui::Action action);
ui::Ctl addCancelButton(const std::string& window, int col, int row);

}  // namespace shell
