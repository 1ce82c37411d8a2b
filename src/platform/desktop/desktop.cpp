#include "platform/desktop/desktop.h"

#include <ctime>

#include "platform/ui/interaction.h"

namespace desktop {

namespace {
std::string fixedToday;
}

std::string today() {
    if (!fixedToday.empty()) return fixedToday;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[9];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

void setToday(std::string yyyymmdd) { fixedToday = std::move(yyyymmdd); }

bool open(std::string_view target) { return ui::interaction().openExternal(target); }

}  // namespace desktop
