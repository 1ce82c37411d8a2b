#pragma once
// Windows and controls addressed by name, the way every window of the system
// is written. Plain C++ over UTF-8 std::string: no Qt type crosses this header.
//
// Semantics the windows rely on:
// - A value set by the program fires the control's change handler exactly as a
//   user's change does; filling a combo with a preselected item fires none.
// - A grid's value is its selected lines (1-based) in ascending order; setting
//   it replaces the selection and scrolls to the first listed line.
// - Lines, columns, combo and radio positions are 1-based; 0 means none.
// - Looking up a window or control that does not exist is a fault of the
//   program: it is logged to "ErrorLog.Htm", shown as "Program Error", and the
//   program ends.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"

namespace ui {

using Action = std::function<void()>;

enum class WindowKind { Main, Child, Modal };
enum class Key { Insert, Delete, Enter, Escape };
enum class Align { Left = 0, Right = 1, Center = 2 };

struct Rgb {
    int red = 0, green = 0, blue = 0;
};

// One shape of a canvas's drawing or a drawn picture, in pixels, drawn with a
// 1-pixel pen: a line from (col1, row1) to (col2, row2), a rectangle with
// those corners, filled when it has a fill, or a text on one line inside that
// rectangle, in the pen's colour, aligned left, right or centred, from its top.
struct Shape {
    enum class Kind { Line, Rectangle, Text };
    Kind kind = Kind::Line;
    double col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    Rgb pen;
    std::optional<Rgb> fill;
    std::string text;
    int points = 8;
    bool bold = false;
    Align align = Align::Left;
};

// How a grid column's cells are edited in place (where the grid allows
// editing): not at all, as text, through a number mask such as "9999.99"
// (digits before and after the point), or by choosing one of the items, the
// cell holding the item's text.
struct CellEditor {
    enum class Kind { None, Text, Masked, Choice };
    Kind kind = Kind::Text;
    std::string mask;
    std::vector<std::string> items;
};

struct WindowSpec {
    std::string name;
    WindowKind kind = WindowKind::Child;
    std::string title;
    int col = 0, row = 0, width = 640, height = 480;  // outer size: the client area is less the frame
    bool closeBox = true;     // modal edit windows have none
    bool sizable = true;
    bool maximizeBox = true;
    bool minimizeBox = true;
    std::optional<Rgb> background;
};

struct MenuItem {
    std::string caption;  // with '&' before the accelerator; empty = separator
    Action action;
};
struct MenuPopup {
    std::string caption;
    std::vector<MenuItem> items;
};

// ---- windows -------------------------------------------------------------

void defineWindow(const WindowSpec& definition);
bool windowExists(std::string_view name);
// An open window comes in front of the others as the active window, as the
// entry of a window that is open already brings it back; false when there is
// no such window.
bool bringToFront(std::string_view name);

class Win {
public:
    explicit Win(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }

    // Shows the window and runs its start handler; a modal window then runs a
    // nested loop until it is released, the main window the main loop.
    void activate() const;
    // Runs the release handler, closes the window and forgets its controls.
    void release() const;
    const Win& center() const;
    const Win& maximize() const;
    const Win& title(std::string_view text) const;
    std::string title() const;
    // Outer size, title bar and borders included, as WindowSpec gives it.
    int width() const;
    int height() const;

    const Win& onStart(Action a) const;
    const Win& onSize(Action a) const;
    const Win& onRelease(Action a) const;
    // Replaces the close box's default (release the window).
    const Win& onCloseBox(Action a) const;

    const Win& menu(std::vector<MenuPopup> popups) const;
    const Win& statusBar(std::vector<std::string> items) const;
    const Win& statusItem(int item, std::string_view text) const;
    std::string statusItem(int item) const;

    // Hot keys of this window, active only while it is the active window.
    const Win& onKey(Key key, Action a) const;
    const Win& releaseKey(Key key) const;

private:
    std::string name_;
};

// Releases every window (each release handler runs) and ends the process.
[[noreturn]] void endProgram(int exitCode = 0);
void releaseAllWindows();

// The Enter key moves the focus to the next control after the control's own action.
void setEnterMovesFocus(bool on);

// ---- controls ------------------------------------------------------------

class Ctl {
public:
    Ctl(std::string window, std::string name) : window_(std::move(window)), name_(std::move(name)) {}
    const std::string& window() const { return window_; }
    const std::string& name() const { return name_; }
    bool exists() const;
    bool isGrid() const;

    // Geometry in pixels of the window's client area; for controls on a tab page
    // relative to the page.
    const Ctl& at(int col, int row, int width, int height) const;
    const Ctl& move(int col, int row) const;
    const Ctl& size(int width, int height) const;
    int col() const;
    int row() const;
    int width() const;
    int height() const;
    const Ctl& onPage(std::string_view tab, int page) const;

    const Ctl& tooltip(std::string_view text) const;
    const Ctl& enabled(bool on) const;
    bool enabled() const;
    const Ctl& visible(bool on) const;
    bool visible() const;
    const Ctl& readOnly(bool on) const;
    // Moves the focus here; a box selects its whole text, as the focus that
    // comes by Enter or Tab does, so that typing replaces it.
    const Ctl& focus() const;
    const Ctl& font(std::string_view family, int points, bool bold = false) const;
    const Ctl& color(Rgb text) const;
    const Ctl& align(Align a) const;
    const Ctl& picture(std::string_view resource) const;

    // Labels, link labels, buttons (caption), text, masked, number and edit
    // boxes (the text as held), date pickers ("dd.mm.yyyy" or empty).
    const Ctl& text(std::string_view value) const;
    std::string text() const;

    // Text and edit boxes. Keys that would make the text longer than maxLength
    // are refused (0: no limit); a longer text set by the program is kept whole.
    const Ctl& password(bool on) const;
    const Ctl& maxLength(int characters) const;
    // Masked and number boxes: "9" a digit, "!" upper case; number masks such
    // as "999,999.99" or "999".
    const Ctl& mask(std::string_view m) const;
    // Number boxes: whether a minus sign can be typed in front (it can unless
    // turned off, for sizes that cannot be negative).
    const Ctl& minusSign(bool on) const;
    // A number box reads 0 when its text is no number that fits its mask;
    // numberValid() tells that apart from a 0 typed (an empty box reads 0).
    const Ctl& number(double value) const;
    double number() const;
    bool numberValid() const;

    // Date pickers: "yyyymmdd", or empty where the window allows an empty date.
    // A date is typed with or without its points and may be emptied; the box
    // holds what was typed. date() reads "" unless the box holds a whole date
    // that exists; dateValid() tells an empty box that may be empty, or a
    // whole existing date, from anything else (31.02.2026, 15.11.20);
    // dateComplete() tells a date typed whole (31.02.2026) from one that is not.
    const Ctl& allowEmptyDate(bool on) const;
    const Ctl& date(std::string_view yyyymmdd) const;
    std::string date() const;
    bool dateValid() const;
    bool dateComplete() const;

    // Combo boxes (1-based position), check boxes (0/1), radio groups, tabs.
    const Ctl& value(int v) const;
    int value() const;
    const Ctl& items(std::vector<std::string> items, int selected = 0) const;
    // The width of the open list, when it is to be wider than the box.
    const Ctl& listWidth(int pixels) const;
    const Ctl& addItem(std::string_view item) const;
    const Ctl& deleteAllItems() const;
    int itemCount() const;
    std::string item(int position) const;

    // Grids.
    const Ctl& headers(std::vector<std::string> captions) const;
    const Ctl& header(int column, std::string_view caption) const;
    std::string header(int column) const;
    const Ctl& widths(std::vector<int> pixels) const;   // 0 hides a column
    const Ctl& justify(std::vector<int> codes) const;   // 0 left, 1 right, 2 centred
    std::vector<int> justify() const;
    const Ctl& multiSelect(bool on) const;
    const Ctl& allowEdit(bool on) const;
    // Column 1-based; a column without an editor of its own is edited as text.
    const Ctl& columnEditor(int column, CellEditor editor) const;
    const Ctl& rows(TextTable table) const;
    const TextTable& rows() const;
    // Moves the lines in place: line order[i] + 1 becomes line i + 1.
    const Ctl& reorderRows(const std::vector<std::size_t>& order) const;
    const Ctl& addRow(const std::vector<std::string>& cells) const;
    const Ctl& deleteRow(int line) const;
    const Ctl& cell(int line, int column, std::string_view value) const;
    std::string cell(int line, int column) const;
    std::vector<int> selection() const;
    const Ctl& selection(const std::vector<int>& lines) const;

    // Buttons: Escape in the button's window presses it.
    const Ctl& cancel(bool on = true) const;

    // Canvases: replaces the drawing, which the canvas keeps and repaints.
    const Ctl& drawing(std::vector<Shape> shapes) const;

    // Handlers.
    const Ctl& onChange(Action a) const;
    const Ctl& onClick(Action a) const;
    const Ctl& onDblClick(Action a) const;
    const Ctl& onGotFocus(Action a) const;
    const Ctl& onLostFocus(Action a) const;
    const Ctl& onEnter(Action a) const;
    const Ctl& onHeadClick(std::function<void(int column)> a) const;
    const Ctl& onCellEdit(std::function<void(int line, int column)> a) const;
    // Runs before a user's cell edit is stored; false refuses it: the cell keeps
    // its value and, on the screen, the editor stays open for another value.
    const Ctl& onCellCheck(std::function<bool(int line, int column, const std::string& value)> a) const;

private:
    std::string window_, name_;
};

Ctl addLabel(std::string window, std::string name);
Ctl addLink(std::string window, std::string name);  // a label that reacts to clicks
Ctl addTextBox(std::string window, std::string name);
Ctl addMaskedBox(std::string window, std::string name, std::string_view mask);
Ctl addNumberBox(std::string window, std::string name, std::string_view mask);
Ctl addEditBox(std::string window, std::string name);
Ctl addComboBox(std::string window, std::string name);
Ctl addCheckBox(std::string window, std::string name);
Ctl addRadioGroup(std::string window, std::string name, std::vector<std::string> options);
Ctl addDatePicker(std::string window, std::string name);
Ctl addButton(std::string window, std::string name);
Ctl addGrid(std::string window, std::string name);
Ctl addTab(std::string window, std::string name, std::vector<std::string> pages);
Ctl addImage(std::string window, std::string name);
Ctl addCanvas(std::string window, std::string name);  // takes no input

// ---- control methods -----------------------------------------------------

// A named method that any code may invoke on a control: the handler registered
// for the name (compared without regard to case) carries it out and answers
// whether it did; a call it leaves alone goes on to the control's own handling.
using MethodHandler =
    std::function<bool(const std::string& window, const std::string& control, const std::string& method)>;
void registerMethod(std::string_view method, MethodHandler handler);
// True when a registered handler carried the method out.
bool invokeMethod(const std::string& window, const std::string& control, std::string_view method);

// ---- message boxes, dialogs, waiting -------------------------------------

void msgPlain(std::string_view text);
void msgInfo(std::string_view text, std::string_view title = "");
void msgStop(std::string_view text, std::string_view title = "");
void msgWarning(std::string_view text, std::string_view title = "");
// Only Yes consents.
bool msgYesNo(std::string_view text, std::string_view title = "");

struct FileFilter {
    std::string name;     // "Text files"
    std::string pattern;  // "*.txt"
};
// Leaves the current folder unchanged.
std::optional<std::string> getFile(std::string_view title, const std::vector<FileFilter>& filters,
                                   std::string_view folder = "");
// Asks before an existing file is chosen, adds no extension, and leaves the
// current folder at the folder saved into.
std::optional<std::string> putFile(std::string_view title, const std::vector<FileFilter>& filters,
                                   std::string_view folder = "", std::string_view fileName = "");
std::optional<std::string> getFolder(std::string_view title, std::string_view folder = "");

// The wait window, shown while the object lives.
class WaitWindow {
public:
    explicit WaitWindow(std::string_view text);
    ~WaitWindow();
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;
};

// A picture drawn by the program on a white sheet of the given size, kept
// under a resource name: images and buttons showing that name show it.
void definePicture(std::string_view resource, int width, int height, const std::vector<Shape>& shapes);

// A program fault: logged to "ErrorLog.Htm", shown as "Program Error", then the end.
[[noreturn]] void fatal(std::string_view what);

}  // namespace ui
