#include "platform/ui/registry.h"

#include <QMainWindow>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>

namespace ui::detail {

namespace {
std::vector<std::unique_ptr<Window>>& all() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}
bool enterMoves = false;

// A control on a tab page that is not in front: its page comes to the front
// (running the tab's change handler, as a user's change of page does).
void showPageOf(const Control& c) {
    for (QWidget* w = c.widget(); w && w != c.window().client; w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->currentWidget() != w) tabs->setCurrentWidget(w);
    }
}
}  // namespace

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

Control::Control(Window& window, std::string name, Kind kind, QWidget* widget)
    : window_(window), name_(std::move(name)), kind_(kind), widget_(widget) {}

Control::~Control() = default;

bool Control::focusable() const {
    return kind_ != Kind::Label && kind_ != Kind::Image && kind_ != Kind::Tab && kind_ != Kind::Link &&
           kind_ != Kind::Canvas;
}
bool Control::enabled() const { return widget_->isEnabled(); }
bool Control::visible() const { return !widget_->isHidden(); }
bool Control::readOnly() const { return widget_->property("readOnly").toBool(); }

void Control::unsupported(std::string_view what) const {
    ui::fatal(std::string(what) + " is not a property of control " + name_ + " of window " + window_.name());
}

std::string Control::text() const { unsupported("text"); }
void Control::setText(std::string_view) { unsupported("text"); }
int Control::value() const { unsupported("value"); }
void Control::setValue(int) { unsupported("value"); }

void Control::userSet(std::string_view) { throw Refused("control " + name_ + " takes no value"); }

void Control::fireChange() const { detail::invoke(on.change); }

Window::Window(const WindowSpec& s, QMainWindow* w, QWidget* c) : definition(s), widget(w), client(c) {}

Window::~Window() {
    controls.clear();
    widget->hide();
    widget->deleteLater();
}

Control* Window::find(std::string_view n) const {
    const std::string key = lower(n);
    for (const auto& c : controls)
        if (lower(c->name()) == key) return c.get();
    return nullptr;
}

Window* findWindow(std::string_view name) {
    const std::string key = lower(name);
    for (const auto& w : all())
        if (lower(w->name()) == key) return w.get();
    return nullptr;
}

Window& window(std::string_view name) {
    Window* w = findWindow(name);
    if (!w) ui::fatal("Window " + std::string(name) + " is not defined");
    return *w;
}

Control* findControl(std::string_view w, std::string_view name) {
    Window* win = findWindow(w);
    return win ? win->find(name) : nullptr;
}

Control& control(std::string_view w, std::string_view name) {
    Control* c = window(w).find(name);
    if (!c) ui::fatal("Control " + std::string(name) + " of window " + std::string(w) + " is not defined");
    return *c;
}

std::vector<Window*> windows() {
    std::vector<Window*> out;
    for (const auto& w : all()) out.push_back(w.get());
    return out;
}

Window* activeWindow() {
    for (auto it = all().rbegin(); it != all().rend(); ++it)
        if ((*it)->shown) return it->get();
    return nullptr;
}

void addWindow(std::unique_ptr<Window> w) {
    if (findWindow(w->name())) ui::fatal("Window " + w->name() + " is already defined");
    all().push_back(std::move(w));
}

void removeWindow(std::string_view name) {
    auto& v = all();
    const std::string key = lower(name);
    auto it = std::find_if(v.begin(), v.end(), [&](const auto& w) { return lower(w->name()) == key; });
    if (it == v.end()) return;
    std::unique_ptr<Window> gone = std::move(*it);
    v.erase(it);
}

Control& addControl(Window& w, std::unique_ptr<Control> c) {
    if (w.find(c->name())) ui::fatal("Control " + c->name() + " of window " + w.name() + " is already defined");
    w.controls.push_back(std::move(c));
    return *w.controls.back();
}

void invoke(const Action& a) {
    if (!a) return;
    Action copy = a;
    copy();
}

void moveFocus(Window& w, Control* to) {
    if (w.focus == to) return;
    Control* from = w.focus;
    w.focus = to;
    const std::string windowName = w.name();
    if (from) {
        from->focusLeft();
        detail::invoke(from->on.lostFocus);
    }
    // The lost-focus handler may have released the window or moved the focus itself.
    Window* still = findWindow(windowName);
    if (!still || still->focus != to || !to) return;
    showPageOf(*to);
    still = findWindow(windowName);
    if (!still || still->focus != to) return;
    detail::invoke(to->on.gotFocus);
}

void focusByKey(Window& w, Control* to) {
    const std::string windowName = w.name();
    moveFocus(w, to);
    Window* still = findWindow(windowName);
    if (still && to && still->focus == to) to->focusArrivedByKey();
}

void focusNext(Window& w) {
    const auto& cs = w.controls;
    if (cs.empty()) return;
    std::size_t start = 0;
    for (std::size_t i = 0; i < cs.size(); ++i)
        if (cs[i].get() == w.focus) start = i + 1;
    for (std::size_t k = 0; k < cs.size(); ++k) {
        Control* c = cs[(start + k) % cs.size()].get();
        if (c->focusable() && c->enabled() && c->visible()) {
            focusByKey(w, c);
            return;
        }
    }
}

bool enterMovesFocus() { return enterMoves; }

bool pressEnter(Control& c) {
    if (c.kind() == Kind::Grid || c.kind() == Kind::Edit) return false;
    // A button's own Enter action is its press, as on every desktop.
    const bool button = c.kind() == Kind::Button;
    const Action action = button ? c.on.click : c.on.enter;
    const std::string window = c.window().name(), name = c.name();  // the action may release the window
    detail::invoke(action);
    if (!enterMoves) return button || static_cast<bool>(action);
    // An action that closed the window, or put the focus elsewhere (a refusal
    // on the box it names), leaves it there.
    Window* w = findWindow(window);
    if (w && w->focus && w->focus == w->find(name)) focusNext(*w);
    return true;
}

void pressCloseBox(Window& w) {
    if (w.onCloseBox) detail::invoke(w.onCloseBox);
    else Win(w.name()).release();
}

bool pressEscape(Window& w) {
    if (Control* cancel = w.find(w.cancelButton); cancel && cancel->enabled() && cancel->visible()) {
        detail::invoke(cancel->on.click);
        return true;
    }
    if (w.definition.kind != WindowKind::Modal || !w.definition.closeBox) return false;
    pressCloseBox(w);
    return true;
}

}  // namespace ui::detail

namespace ui {
void setEnterMovesFocus(bool on) { detail::enterMoves = on; }
}  // namespace ui
