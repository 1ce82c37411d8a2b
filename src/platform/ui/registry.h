#pragma once
// The windows and controls that exist, by name (case-insensitive), in the order
// they were defined. Internal to the platform layer and the scenario driver.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui.h"

class QWidget;
class QMainWindow;

namespace ui::detail {

enum class Kind { Label, Link, Text, Masked, Number, Edit, Combo, Check, Radio, Date, Button, Grid, Tab, Image, Canvas };

struct Handlers {
    Action change, click, dblClick, gotFocus, lostFocus, enter;
    std::function<void(int)> headClick;
    std::function<void(int, int)> cellEdit;
    // Answers whether a user's cell edit is taken, before it is stored.
    std::function<bool(int, int, const std::string&)> cellCheck;
};

// A script or user action the control cannot take (a label cannot be typed into).
struct Refused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Window;

class Control {
public:
    Control(Window& window, std::string name, Kind kind, QWidget* widget);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Window& window() const { return window_; }
    QWidget* widget() const { return widget_; }
    Handlers on;

    // Whether focus can rest here (labels, images and tabs take none).
    bool focusable() const;
    bool enabled() const;
    bool visible() const;

    virtual std::string text() const;
    virtual void setText(std::string_view value);
    virtual int value() const;
    virtual void setValue(int value);
    // Whether a program's text()/value() set runs the change handler.
    virtual bool reportsChange() const { return false; }

    // The driver: the VALUE that `show` prints, and a user's `set`.
    virtual std::string show() const = 0;
    virtual void userSet(std::string_view value);
    void fireChange() const;
    // The focus leaves the control (before its lost-focus handler runs).
    virtual void focusLeft() {}
    // The focus came by a key (Enter, Tab) or from the program: a box selects
    // its whole text, so that typing replaces it.
    virtual void focusArrivedByKey() {}
    // A text box the user cannot type into.
    bool readOnly() const;

protected:
    [[noreturn]] void unsupported(std::string_view what) const;

private:
    Window& window_;
    std::string name_;
    Kind kind_;
    QWidget* widget_;
};

class Window {
public:
    Window(const WindowSpec& definition, QMainWindow* widget, QWidget* client);
    ~Window();

    const WindowSpec definition;
    QMainWindow* const widget;
    QWidget* const client;  // the area controls are placed on
    std::vector<std::unique_ptr<Control>> controls;  // definition order = focus order
    Control* focus = nullptr;
    std::string cancelButton;  // the button Escape presses
    bool shown = false;
    Action onStart, onSize, onRelease, onCloseBox;
    std::map<Key, Action> keys;
    std::vector<MenuPopup> menu;
    std::vector<std::string> statusItems;

    Control* find(std::string_view name) const;
    const std::string& name() const { return definition.name; }
};

Window* findWindow(std::string_view name);
Window& window(std::string_view name);  // a missing window is a program fault
Control& control(std::string_view window, std::string_view name);
Control* findControl(std::string_view window, std::string_view name);
std::vector<Window*> windows();  // in definition order
Window* activeWindow();          // the window the user works in: the newest shown
void addWindow(std::unique_ptr<Window> w);
// Takes the window out of the registry; Qt deletes its widgets later.
void removeWindow(std::string_view name);

Control& addControl(Window& w, std::unique_ptr<Control> c);

// Moves the focus inside `w` to `to`, running the lost-focus handler of the
// control that had it and then the got-focus handler of `to`.
void moveFocus(Window& w, Control* to);
// moveFocus for a focus that comes by a key or from the program: the control
// then selects its text for typing.
void focusByKey(Window& w, Control* to);
// The focus moves on, as by a key, to the next focusable, enabled, visible control.
void focusNext(Window& w);
// Runs a copy of the handler, so that it survives its control being released.
// Call it as detail::invoke: unqualified, argument lookup prefers std::invoke,
// which throws on an empty handler.
void invoke(const Action& a);

bool enterMovesFocus();

// The Enter key on the control that has the focus: its own Enter action (a
// button's is its press), then the focus moves on when the program asks for
// that and the action left it on the control. Grids and edit boxes keep the
// key for themselves. False when the key is left to the control.
bool pressEnter(Control& c);

// The window's close box: its own action, else the window is released.
void pressCloseBox(Window& w);
// Escape presses the window's cancel button; in a modal window without one it
// acts as the close box. False when nothing happens.
bool pressEscape(Window& w);

std::string lower(std::string_view s);

}  // namespace ui::detail
