#pragma once
#include <vector>

#include "platform/ui/ui.h"

namespace shell {
// The main window's menu, popup by popup.
std::vector<ui::MenuPopup> mainMenu();
}
