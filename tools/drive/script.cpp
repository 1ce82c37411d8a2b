#include "tools/drive/script.h"

#include <charconv>
#include <climits>
#include <map>

#include "platform/ui/quote.h"

namespace drive {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string_view word(std::string_view& rest) {
    rest = trim(rest);
    const std::size_t end = rest.find_first_of(" \t");
    std::string_view w = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : trim(rest.substr(end));
    return w;
}

// VALUE: the rest of the line, or one quoted text.
std::string value(std::string_view rest, const std::string& line) {
    if (!rest.empty() && rest.front() == '"') {
        std::string_view after;
        auto v = ui::unquote(rest, &after);
        if (!v || !trim(after).empty()) throw Unreadable("bad quoted text: " + line);
        return *v;
    }
    return std::string(rest);
}

int number(std::string_view w, const std::string& line) {
    int n = 0;
    const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), n);
    if (w.empty() || w.front() == '-' || error == std::errc::result_out_of_range)
        throw Unreadable("a number from 0 to " + std::to_string(INT_MAX) + " expected: " + line);
    if (error != std::errc() || end != w.data() + w.size()) throw Unreadable("a number expected: " + line);
    return n;
}

void target(Line& l, std::string_view w, bool needControl) {
    const std::size_t dot = w.find('.');
    l.window = std::string(w.substr(0, dot));
    if (dot != std::string_view::npos) l.control = std::string(w.substr(dot + 1));
    if (l.window.empty() || (needControl && l.control.empty())) throw Unreadable("W.C expected: " + l.source);
}

}  // namespace

Line parse(const std::string& text, int lineNumber) {
    static const std::map<std::string_view, Verb> verbs = {
        {"menu", Verb::Menu},     {"click", Verb::Click},       {"set", Verb::Set},
        {"type", Verb::Type},
        {"enter", Verb::Enter},   {"leave", Verb::Leave},       {"dblclick", Verb::DblClick},
        {"header", Verb::Header}, {"cell", Verb::Cell},         {"key", Verb::Key},
        {"close", Verb::Close},   {"savefile", Verb::SaveFile}, {"openfile", Verb::OpenFile},
        {"folder", Verb::Folder}, {"cancel", Verb::Cancel},     {"show", Verb::Show},
        {"expect", Verb::Expect}, {"answer", Verb::AnswerYes},
    };
    Line l;
    l.number = lineNumber;
    l.source = text;
    std::string_view rest = text;
    const std::string_view v = word(rest);
    auto it = verbs.find(v);
    if (it == verbs.end()) throw Unreadable("unknown line: " + text);
    l.verb = it->second;
    switch (l.verb) {
        case Verb::Menu:
            l.value = std::string(rest);
            if (l.value.find('/') == std::string::npos) throw Unreadable("menu A/B expected: " + text);
            break;
        case Verb::Click: case Verb::Enter: case Verb::Leave: case Verb::DblClick:
            target(l, word(rest), true);
            if (!rest.empty()) throw Unreadable("extra text: " + text);
            break;
        case Verb::Set: case Verb::Type:
            target(l, word(rest), true);
            l.value = value(rest, text);
            break;
        case Verb::Header:
            target(l, word(rest), true);
            l.column = number(word(rest), text);
            break;
        case Verb::Cell:
            target(l, word(rest), true);
            l.line = number(word(rest), text);
            l.column = number(word(rest), text);
            l.value = value(rest, text);
            break;
        case Verb::Key:
            target(l, word(rest), false);
            l.value = std::string(word(rest));
            if (l.value != "Insert" && l.value != "Delete" && l.value != "Enter" && l.value != "Escape" &&
                l.value != "Backspace")
                throw Unreadable("key Insert, Delete, Backspace, Enter or Escape expected: " + text);
            break;
        case Verb::Close:
            target(l, word(rest), false);
            break;
        case Verb::AnswerYes: {
            const std::string_view a = word(rest);
            if (a == "no") l.verb = Verb::AnswerNo;
            else if (a != "yes") throw Unreadable("answer yes or answer no expected: " + text);
            break;
        }
        case Verb::SaveFile: case Verb::OpenFile: case Verb::Folder:
            l.value = value(rest, text);
            if (l.value.empty()) throw Unreadable("a path expected: " + text);
            break;
        case Verb::Cancel:
            break;
        case Verb::Show:
            target(l, word(rest), false);
            break;
        case Verb::Expect:
            target(l, word(rest), false);
            l.value = std::string(rest);
            break;
        case Verb::AnswerNo:
            break;
    }
    return l;
}

std::optional<Line> Script::next() {
    std::string text;
    while (std::getline(in_, text)) {
        ++number_;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const std::string_view t = trim(text);
        if (t.empty() || t.front() == '#') continue;
        return parse(std::string(t), number_);
    }
    return std::nullopt;
}

}  // namespace drive
