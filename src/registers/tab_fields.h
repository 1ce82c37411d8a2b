#pragma once
// Fields on the tab pages of the payer and recipient edit windows: each with
// its label, the star of a field the save requires (red) or of one natural
// persons need (blue, not checked), and the field itself.
#include <string>

#include "platform/ui/ui.h"

namespace registers {

struct TabPage {
    std::string window, tab;
    int page = 1;
    int labelCol = 30, starCol = 210, fieldCol = 230;
};

enum class Star { None, Required, NaturalPersons };

// Places `field` on the page at `row`; returns it for its value. Without a
// width of its own the label reaches the star, or the field on a row without one.
const ui::Ctl& placeField(const TabPage& p, const std::string& label, const std::string& caption, Star star, int row,
                          const ui::Ctl& field, int width, const std::string& tooltip, int labelWidth = 0);

}  // namespace registers
