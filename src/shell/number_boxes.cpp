#include "shell/number_boxes.h"

#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace shell {

bool numberBoxReady(const std::string& window, const std::string& box, std::string_view label) {
    const ui::Ctl c(window, box);
    if (c.numberValid()) return true;
    if (label.ends_with(':')) label.remove_suffix(1);
    ui::msgInfo(vocab::CPORNEISPRAVENBROJVOPOLE + std::string(label), vocab::CPORGRESKA);
    c.focus();
    return false;
}

}  // namespace shell
