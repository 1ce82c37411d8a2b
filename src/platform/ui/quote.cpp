#include "platform/ui/quote.h"

namespace ui {

std::string quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out + "\"";
}

std::optional<std::string> unquote(std::string_view in, std::string_view* rest) {
    if (in.empty() || in[0] != '"') return std::nullopt;
    std::string out;
    for (std::size_t i = 1; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '"') {
            if (rest) *rest = in.substr(i + 1);
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == in.size()) return std::nullopt;
        switch (in[i]) {
            case '"': out += '"'; break;
            case '\\': out += '\\'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'n': out += '\n'; break;
            default: return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace ui
