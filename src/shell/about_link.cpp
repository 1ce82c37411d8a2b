#include "shell/about_link.h"

#include <cctype>

namespace shell {

namespace {
bool beginsWithFolded(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    return true;
}
}  // namespace

std::string linkTarget(std::string_view text) {
    if (beginsWithFolded(text, "http://") || beginsWithFolded(text, "https://")) return std::string(text);
    return "mailto:" + std::string(text);
}

}  // namespace shell
