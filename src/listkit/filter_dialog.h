#pragma once
// The filter dialog of a list whose selection an action takes: a modal window
// of 700 x 450 without close box, the list's own conditions, then the confirm
// and cancel buttons.
#include <functional>
#include <string>

#include "platform/ui/ui.h"

namespace listkit {

// Defines the dialog, its conditions through `conditions`, the buttons
// (cancel releases the dialog), centres and activates it.
void openFilterDialog(const std::string& name, const std::string& title, const std::function<void()>& conditions,
                      ui::Action confirm);

}  // namespace listkit
