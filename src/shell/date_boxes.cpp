#include "shell/date_boxes.h"

#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace shell {

bool datesReady(const std::string& window, const std::vector<DateBox>& boxes) {
    for (const auto& [box, name] : boxes) {
        const ui::Ctl c(window, box);
        if (c.dateValid()) continue;
        std::string_view label = name;
        if (label.ends_with(':')) label.remove_suffix(1);
        const std::string_view said = c.dateComplete() ? vocab::CPORNEPOSTOIDATUM : vocab::CPORNEISPRAVENDATUM;
        ui::msgInfo(std::string(said) + std::string(label), vocab::CPORGRESKA);
        c.focus();
        return false;
    }
    return true;
}

}  // namespace shell
