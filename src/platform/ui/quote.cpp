#include "platform/ui/quote.h"

namespace ui {

namespace {

void appendEscaped(std::string& out, std::string_view text, bool quotes) {
    static const char hex[] = "0123456789ABCDEF";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '"':
                out += quotes ? "\\\"" : "\"";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    out += "\\x";
                    out += hex[byte >> 4];
                    out += hex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string quote(std::string_view text) {
    std::string out = "\"";
    appendEscaped(out, text, true);
    return out + "\"";
}

std::string escapeCell(std::string_view text) {
    std::string out;
    appendEscaped(out, text, false);
    return out;
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
            case 'x': {
                const int high = i + 2 < in.size() ? hexDigit(in[i + 1]) : -1;
                const int low = high >= 0 ? hexDigit(in[i + 2]) : -1;
                if (low < 0) return std::nullopt;
                out += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default: return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace ui
