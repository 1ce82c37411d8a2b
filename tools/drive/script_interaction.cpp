#include "tools/drive/script_interaction.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <optional>

#include "platform/ui/quote.h"
#include "platform/ui/controls.h"

namespace drive {

namespace ud = ui::detail;

namespace {

std::string withoutAmpersand(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != '&') out += c;
    return out;
}

// The window a user can work in: no modal window shown after it.
ud::Window& reachable(const std::string& name) {
    ud::Window* w = ud::findWindow(name);
    if (!w || !w->shown) throw Failed("window " + name + " is not open");
    bool after = false;
    for (ud::Window* other : ud::windows()) {
        if (other == w) after = true;
        else if (after && other->shown && other->definition.kind == ui::WindowKind::Modal)
            throw Failed("window " + name + " is behind modal window " + other->name());
    }
    return *w;
}

ud::Control& usable(const Line& l) {
    ud::Window& w = reachable(l.window);
    ud::Control* c = w.find(l.control);
    if (!c) throw Failed("window " + l.window + " has no control " + l.control);
    if (!c->visible()) throw Failed("control " + l.window + "." + l.control + " is hidden");
    if (!c->enabled()) throw Failed("control " + l.window + "." + l.control + " is disabled");
    return *c;
}

// `set`, `click`, `dblclick` and `cell` move the focus first, as a user's hand does.
void focusOn(ud::Control& c) {
    if (c.focusable()) ud::moveFocus(c.window(), &c);
}

std::string shown(const Line& l) {
    if (l.control.empty()) {
        ud::Window* w = ud::findWindow(l.window);
        if (!w) throw Failed("window " + l.window + " is not defined");
        return l.window + " = " + ui::quote(ui::Win(l.window).title());
    }
    ud::Window* w = ud::findWindow(l.window);
    if (!w) throw Failed("window " + l.window + " is not defined");
    const std::string head = l.window + "." + l.control + " = ";
    if (ud::lower(l.control) == "statusbar") {
        std::string items;
        for (const auto& i : w->statusItems) items += (items.empty() ? "" : " ") + ui::quote(i);
        return head + items;
    }
    ud::Control* c = w->find(l.control);
    if (!c) throw Failed("window " + l.window + " has no control " + l.control);
    std::string value = c->show();
    std::string suffix;
    if (!c->enabled()) suffix += " [disabled]";
    if (!c->visible()) suffix += " [hidden]";
    const std::size_t firstLineEnd = value.find('\n');
    if (firstLineEnd == std::string::npos) return head + value + suffix;
    return head + value.substr(0, firstLineEnd) + suffix + value.substr(firstLineEnd);
}

// The window's hot key a key line names; Backspace is none.
std::optional<ui::Key> hotKeyOf(const std::string& k) {
    if (k == "Insert") return ui::Key::Insert;
    if (k == "Delete") return ui::Key::Delete;
    if (k == "Enter") return ui::Key::Enter;
    if (k == "Escape") return ui::Key::Escape;
    return std::nullopt;
}

// A key pressed and released in the control, as a person's hand presses it:
// the control's own key handling decides what it does.
void pressKey(const ud::Control& c, Qt::Key key, const QString& text = {}) {
    QWidget* target = c.widget();
    while (target->focusProxy()) target = target->focusProxy();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

// The control that has the focus, where typing goes.
ud::Control& focused(const Line& l) {
    ud::Control& c = usable(l);
    if (c.window().focus != &c) throw Failed("control " + l.window + "." + l.control + " does not have the focus");
    if (c.readOnly()) throw Failed("control " + l.window + "." + l.control + " is read-only");
    const ud::Kind k = c.kind();
    if (k != ud::Kind::Text && k != ud::Kind::Masked && k != ud::Kind::Number && k != ud::Kind::Date &&
        k != ud::Kind::Edit)
        throw Failed("control " + l.window + "." + l.control + " takes no typing");
    return c;
}

const char* dialogName(ui::DialogKind k) {
    switch (k) {
        case ui::DialogKind::Open: return "open";
        case ui::DialogKind::Save: return "save";
        case ui::DialogKind::Folder: return "folder";
    }
    return "";
}

}  // namespace

template <class Done>
void ScriptInteraction::runUntil(Done done) {
    while (!done()) {
        // Widgets of released windows go now, while no handler of theirs runs.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto line = script_.next();
        if (!line) {
            ui::releaseAllWindows();
            throw Ended{0};
        }
        run(*line);
    }
}

void ScriptInteraction::mainLoop() {
    runUntil([] { return false; });
}

void ScriptInteraction::modalLoop(const std::string& window) {
    runUntil([&] { return !ui::windowExists(window); });
}

void ScriptInteraction::run(const Line& l) {
    try {
        switch (l.verb) {
            case Verb::Menu: {
                const std::string popup = l.value.substr(0, l.value.find('/'));
                const std::string item = l.value.substr(l.value.find('/') + 1);
                for (ud::Window* w : ud::windows()) {
                    if (w->definition.kind != ui::WindowKind::Main) continue;
                    reachable(w->name());
                    for (const auto& p : w->menu) {
                        if (withoutAmpersand(p.caption) != popup) continue;
                        for (const auto& i : p.items)
                            if (!i.caption.empty() && withoutAmpersand(i.caption) == item) {
                                ud::invoke(i.action);
                                return;
                            }
                    }
                }
                throw Failed("no menu item " + l.value);
            }
            case Verb::Click: {
                ud::Control& c = usable(l);
                focusOn(c);
                if (ud::Control* still = ud::findControl(l.window, l.control)) ud::invoke(still->on.click);
                return;
            }
            case Verb::Set: {
                ud::Control& c = usable(l);
                if (c.readOnly()) throw Failed("control " + l.window + "." + l.control + " is read-only");
                focusOn(c);
                if (ud::Control* still = ud::findControl(l.window, l.control)) still->userSet(l.value);
                return;
            }
            case Verb::Type: {
                const std::string window = l.window, control = l.control;
                focused(l);
                for (const QChar ch : QString::fromStdString(l.value)) {
                    // A handler of one key may release the window.
                    ud::Control* c = ud::findControl(window, control);
                    if (!c) return;
                    pressKey(*c, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch));
                }
                return;
            }
            case Verb::Enter: {
                ud::Control& c = usable(l);
                ud::focusByKey(c.window(), &c);
                return;
            }
            case Verb::Leave: {
                ud::Control& c = usable(l);
                if (c.window().focus != &c) throw Failed("control " + l.control + " does not have the focus");
                ud::focusNext(c.window());
                return;
            }
            case Verb::DblClick: {
                ud::Control& c = usable(l);
                focusOn(c);
                if (ud::Control* still = ud::findControl(l.window, l.control)) ud::invoke(still->on.dblClick);
                return;
            }
            case Verb::Header: {
                ud::Control& c = usable(l);
                if (c.on.headClick) {
                    auto copy = c.on.headClick;
                    copy(l.column);
                }
                return;
            }
            case Verb::Cell: {
                ud::Control& c = usable(l);
                auto* grid = dynamic_cast<ud::GridLike*>(&c);
                if (!grid) throw Failed("control " + l.control + " is no grid");
                focusOn(c);
                if (auto* still = dynamic_cast<ud::GridLike*>(ud::findControl(l.window, l.control)))
                    still->userEditCell(l.line, l.column, l.value);
                return;
            }
            case Verb::Key: {
                ud::Window& w = reachable(l.window);
                const auto key = hotKeyOf(l.value);
                if (auto it = key ? w.keys.find(*key) : w.keys.end(); it != w.keys.end()) {
                    ud::invoke(it->second);
                    return;
                }
                if (key == ui::Key::Enter && w.focus) ud::pressEnter(*w.focus);
                if (key == ui::Key::Escape) ud::pressEscape(w);
                // Delete and Backspace without a hot key act in the control that has the focus.
                if ((key == ui::Key::Delete || !key) && w.focus)
                    pressKey(*w.focus, key ? Qt::Key_Delete : Qt::Key_Backspace);
                return;
            }
            case Verb::Close: {
                ud::Window& w = reachable(l.window);
                if (!w.definition.closeBox) throw Failed("window " + l.window + " has no close box");
                ud::pressCloseBox(w);
                return;
            }
            case Verb::AnswerYes: case Verb::AnswerNo: case Verb::SaveFile: case Verb::OpenFile:
            case Verb::Folder: case Verb::Cancel:
                kept_.push_back(l);
                return;
            case Verb::Show:
                out_ << shown(l) << "\n";
                return;
            case Verb::Expect: {
                const std::string actual = shown(l);
                const std::string first = actual.substr(0, actual.find('\n'));
                const std::string wanted = l.window + (l.control.empty() ? "" : "." + l.control) + " = " + l.value;
                if (first != wanted) throw Failed("expected: " + wanted + "\n  shown:    " + first);
                return;
            }
        }
    } catch (const ud::Refused& r) {
        throw Failed(r.what());
    }
}

Line ScriptInteraction::answer(const std::string& what) {
    if (!kept_.empty()) {
        Line l = kept_.front();
        kept_.pop_front();
        return l;
    }
    auto line = script_.next();
    if (!line) {
        out_ << "\n";  // ends the transcript line of the question or dialog
        throw Failed(what + " left unanswered at the end of the script");
    }
    return *line;
}

void ScriptInteraction::message(ui::MsgKind kind, std::string_view title, std::string_view text) {
    const char* name = kind == ui::MsgKind::Plain  ? "plain"
                       : kind == ui::MsgKind::Info ? "info"
                       : kind == ui::MsgKind::Stop ? "stop"
                                                   : "warning";
    out_ << "msg " << name << " " << ui::quote(title) << " " << ui::quote(text) << "\n";
}

bool ScriptInteraction::question(std::string_view title, std::string_view text) {
    out_ << "msg question " << ui::quote(title) << " " << ui::quote(text);
    const Line a = answer("a question");
    if (a.verb != Verb::AnswerYes && a.verb != Verb::AnswerNo) {
        out_ << "\n";
        throw Failed("line " + std::to_string(a.number) + " does not answer the question: " + a.source);
    }
    const bool yes = a.verb == Verb::AnswerYes;
    out_ << " -> " << (yes ? "yes" : "no") << "\n";
    return yes;
}

std::optional<std::string> ScriptInteraction::dialog(const ui::DialogRequest& r) {
    out_ << "dialog " << dialogName(r.kind) << " " << ui::quote(r.title);
    const Line a = answer("a dialog");
    const Verb fits = r.kind == ui::DialogKind::Open   ? Verb::OpenFile
                      : r.kind == ui::DialogKind::Save ? Verb::SaveFile
                                                       : Verb::Folder;
    if (a.verb == Verb::Cancel) {
        out_ << " -> cancel\n";
        return std::nullopt;
    }
    if (a.verb != fits) {
        out_ << "\n";
        throw Failed("line " + std::to_string(a.number) + " does not answer the dialog: " + a.source);
    }
    out_ << " -> " << a.value << "\n";
    return a.value;
}

void ScriptInteraction::waitShown(std::string_view text) { out_ << "wait " << ui::quote(text) << "\n"; }

bool ScriptInteraction::openExternal(std::string_view target) {
    out_ << "open " << ui::quote(target) << "\n";
    return true;
}

void ScriptInteraction::windowOpened(const std::string& window) { out_ << "window open " << window << "\n"; }

void ScriptInteraction::windowClosed(const std::string& window) { out_ << "window close " << window << "\n"; }

void ScriptInteraction::windowInFront(const std::string& window) { out_ << "window front " << window << "\n"; }

void ScriptInteraction::previewShown(int pages) { out_ << "preview " << pages << " pages\n"; }

void ScriptInteraction::print(int pages, const std::function<void()>&) { out_ << "printed " << pages << " pages\n"; }

void ScriptInteraction::endProcess(int exitCode) { throw Ended{exitCode}; }

}  // namespace drive
