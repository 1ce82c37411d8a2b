#include "platform/desktop/desktop.h"

#include <ctime>

#include "platform/ui/interaction.h"

namespace desktop {

namespace {
std::string fixedToday;
}

std::string timestamp() {
    if (!fixedToday.empty()) return fixedToday + "_000000";
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d_%H%M%S", &local);
    return text;
}

std::string today() { return timestamp().substr(0, 8); }

void setToday(std::string yyyymmdd) { fixedToday = std::move(yyyymmdd); }

bool open(std::string_view target) { return ui::interaction().openExternal(target); }

}  // namespace desktop
