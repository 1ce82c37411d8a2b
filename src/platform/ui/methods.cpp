// Control methods by name: one handler per method name, found without regard to case.
#include <algorithm>
#include <map>

#include "platform/ui/ui.h"

namespace ui {

namespace {

std::string folded(std::string_view name) {
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return out;
}

std::map<std::string, MethodHandler>& handlers() {
    static std::map<std::string, MethodHandler> registered;
    return registered;
}

}  // namespace

void registerMethod(std::string_view method, MethodHandler handler) { handlers()[folded(method)] = std::move(handler); }

bool invokeMethod(const std::string& window, const std::string& control, std::string_view method) {
    const auto found = handlers().find(folded(method));
    if (found == handlers().end()) return false;
    const MethodHandler handler = found->second;  // the handler may register others meanwhile
    return handler(window, control, std::string(method));
}

}  // namespace ui
