// Windows: definition, activation, release, menus, status bars and hot keys.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/ui/interaction.h"
#include "platform/ui/registry.h"

namespace ui {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The owned windows by their last activation, the latest last.
std::vector<std::string>& activationOrder() {
    static std::vector<std::string> names;
    return names;
}

void keepOwnedInFront() {
    for (const std::string& name : activationOrder())
        if (detail::Window* w = detail::findWindow(name); w && w->shown && !w->widget->isMinimized())
            w->widget->raise();
}

// The owned windows are ordinary windows, so that one of them is minimized
// alone (desktops minimize a dialog-type window together with its owner, the
// main window and its menu with it). The main window, when it comes in front,
// puts those not minimized back in front of it, as they last stood; so does a
// modal window, which then stays in front of them (a click on the main window
// behind it gives the focus back to it).
void becameActive(const std::string& name) {
    detail::Window* w = detail::findWindow(name);
    if (!w) return;
    if (w->definition.kind == WindowKind::Child) {
        auto& order = activationOrder();
        order.erase(std::remove(order.begin(), order.end(), name), order.end());
        order.push_back(name);
        return;
    }
    keepOwnedInFront();
    if (w->definition.kind == WindowKind::Modal) w->widget->raise();
}

// The window's frame: its close box, Escape, resizing and activation reach the
// registry by name, since the registry entry may be gone while Qt still
// delivers an event.
class Frame : public QMainWindow {
public:
    Frame(std::string name, QWidget* owner) : QMainWindow(owner), name_(std::move(name)) {}

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        detail::Window* w = detail::findWindow(name_);
        if (!w) return;
        if (w->definition.closeBox) detail::pressCloseBox(*w);
    }
    // Escape that no control of the window took.
    void keyPressEvent(QKeyEvent* e) override {
        detail::Window* w = detail::findWindow(name_);
        if (e->key() == Qt::Key_Escape && w && detail::pressEscape(*w)) return;
        QMainWindow::keyPressEvent(e);
    }
    void resizeEvent(QResizeEvent* e) override {
        QMainWindow::resizeEvent(e);
        if (detail::Window* w = detail::findWindow(name_); w && w->shown) detail::invoke(w->onSize);
    }
    void changeEvent(QEvent* e) override {
        QMainWindow::changeEvent(e);
        if (e->type() == QEvent::ActivationChange && isActiveWindow()) becameActive(name_);
    }

private:
    std::string name_;
};

// A window's size is its outer size, title bar and borders included, as the
// windows were laid out for: the frame of those takes this much of it, and the
// client area, where the controls stand, is the rest.
constexpr int frameWidth = 8, frameHeight = 34;

QKeySequence sequence(Key k) {
    switch (k) {
        case Key::Insert: return QKeySequence(Qt::Key_Insert);
        case Key::Delete: return QKeySequence(Qt::Key_Delete);
        case Key::Enter: return QKeySequence(Qt::Key_Return);
        case Key::Escape: return QKeySequence(Qt::Key_Escape);
    }
    return {};
}

const char* keyProperty(Key k) {
    switch (k) {
        case Key::Insert: return "kasavel.key.insert";
        case Key::Delete: return "kasavel.key.delete";
        case Key::Enter: return "kasavel.key.enter";
        case Key::Escape: return "kasavel.key.escape";
    }
    return "";
}

// Runs the release handler, then forgets the window (the handler may have released it already).
// `name` is a copy: the window that owns the caller's string goes here.
void releaseOne(std::string name) {
    detail::Window* w = detail::findWindow(name);
    if (!w) return;
    const Action onRelease = std::exchange(w->onRelease, nullptr);  // runs once, even if it releases the window
    detail::invoke(onRelease);
    w = detail::findWindow(name);
    if (!w) return;
    const bool wasShown = w->shown;
    detail::removeWindow(name);
    if (wasShown) interaction().windowClosed(name);
}

// The main window, which owns the program's non-modal windows.
QWidget* ownerOf(const WindowSpec& definition) {
    if (definition.kind != WindowKind::Child) return nullptr;
    for (detail::Window* w : detail::windows())
        if (w->definition.kind == WindowKind::Main) return w->widget;
    return nullptr;
}

void toFront(detail::Window& w) {
    if (w.widget->isMinimized()) w.widget->setWindowState(w.widget->windowState() & ~Qt::WindowMinimized);
    w.widget->raise();
    w.widget->activateWindow();
    interaction().windowInFront(w.name());
}

}  // namespace

void defineWindow(const WindowSpec& definition) {
    QWidget* owner = ownerOf(definition);
    auto* frame = new Frame(definition.name, owner);
    auto* client = new QWidget(frame);
    frame->setCentralWidget(client);
    frame->setWindowTitle(q(definition.title));
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (definition.closeBox) flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    if (definition.maximizeBox) flags |= Qt::WindowMaximizeButtonHint;
    if (definition.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    frame->setWindowFlags(flags);
    if (definition.kind == WindowKind::Modal) frame->setWindowModality(Qt::ApplicationModal);
    frame->move(definition.col, definition.row);
    const QSize inner(std::max(definition.width - frameWidth, 1), std::max(definition.height - frameHeight, 1));
    frame->resize(inner);
    if (!definition.sizable) frame->setFixedSize(inner);
    if (definition.background) {
        QPalette p = client->palette();
        p.setColor(QPalette::Window, QColor(definition.background->red, definition.background->green, definition.background->blue));
        client->setAutoFillBackground(true);
        client->setPalette(p);
    }
    detail::addWindow(std::make_unique<detail::Window>(definition, frame, client));
}

bool windowExists(std::string_view name) { return detail::findWindow(name) != nullptr; }

bool bringToFront(std::string_view name) {
    detail::Window* w = detail::findWindow(name);
    if (!w) return false;
    if (w->shown) toFront(*w);
    return true;
}

void Win::activate() const {
    detail::Window& w = detail::window(name_);
    if (w.shown) return toFront(w);
    w.shown = true;
    const WindowKind kind = w.definition.kind;
    if (w.widget->windowState() & Qt::WindowMaximized) w.widget->showMaximized();
    else w.widget->show();
    if (kind == WindowKind::Child) becameActive(w.name());  // shown in front, even if the desktop holds its focus back
    interaction().windowOpened(w.name());
    detail::invoke(w.onSize);
    if (detail::Window* again = detail::findWindow(name_)) {
        detail::focusNext(*again);
        // The first control shows its focus frame, as one reached by a key does.
        again->widget->setAttribute(Qt::WA_KeyboardFocusChange);
        if (again->focus) again->focus->widget()->setFocus();
    }
    if (detail::Window* again = detail::findWindow(name_)) detail::invoke(again->onStart);
    if (kind == WindowKind::Modal && windowExists(name_)) interaction().modalLoop(name_);
    else if (kind == WindowKind::Main && windowExists(name_)) interaction().mainLoop();
}

void Win::release() const {
    detail::Window* w = detail::findWindow(name_);
    if (!w) return;
    const std::string name = w->name();
    if (w->definition.kind == WindowKind::Main) endProgram(0);
    releaseOne(name);
}

void releaseAllWindows() {
    auto all = detail::windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it) releaseOne((*it)->name());
}

void endProgram(int exitCode) {
    releaseAllWindows();
    interaction().endProcess(exitCode);
    std::abort();
}

const Win& Win::center() const {
    detail::Window& w = detail::window(name_);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect r = screen->availableGeometry();
        w.widget->move(r.center() - QPoint(w.widget->width() / 2, w.widget->height() / 2));
    }
    return *this;
}

const Win& Win::maximize() const {
    detail::Window& w = detail::window(name_);
    // A window without a sizing border still fills the screen when the program maximizes it.
    w.widget->setMinimumSize(0, 0);
    w.widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (QScreen* screen = QGuiApplication::primaryScreen()) w.widget->setGeometry(screen->availableGeometry());
    w.widget->setWindowState(w.widget->windowState() | Qt::WindowMaximized);
    return *this;
}

const Win& Win::title(std::string_view text) const {
    detail::window(name_).widget->setWindowTitle(q(text));
    return *this;
}
std::string Win::title() const { return detail::window(name_).widget->windowTitle().toStdString(); }
int Win::width() const { return detail::window(name_).widget->width() + frameWidth; }
int Win::height() const { return detail::window(name_).widget->height() + frameHeight; }

const Win& Win::onStart(Action a) const {
    detail::window(name_).onStart = std::move(a);
    return *this;
}
const Win& Win::onSize(Action a) const {
    detail::window(name_).onSize = std::move(a);
    return *this;
}
const Win& Win::onRelease(Action a) const {
    detail::window(name_).onRelease = std::move(a);
    return *this;
}
const Win& Win::onCloseBox(Action a) const {
    detail::window(name_).onCloseBox = std::move(a);
    return *this;
}

const Win& Win::menu(std::vector<MenuPopup> popups) const {
    detail::Window& w = detail::window(name_);
    QMenuBar* bar = w.widget->menuBar();
    bar->clear();
    const std::string window = w.name();
    for (std::size_t p = 0; p < popups.size(); ++p) {
        QMenu* m = bar->addMenu(q(popups[p].caption));
        for (std::size_t i = 0; i < popups[p].items.size(); ++i) {
            const MenuItem& item = popups[p].items[i];
            if (item.caption.empty()) {
                m->addSeparator();
                continue;
            }
            QAction* a = m->addAction(q(item.caption));
            QObject::connect(a, &QAction::triggered, [window, p, i] {
                if (detail::Window* w = detail::findWindow(window)) detail::invoke(w->menu[p].items[i].action);
            });
        }
    }
    w.menu = std::move(popups);
    return *this;
}

const Win& Win::statusBar(std::vector<std::string> items) const {
    detail::Window& w = detail::window(name_);
    QStatusBar* bar = w.widget->statusBar();
    for (const auto& text : items) bar->addWidget(new QLabel(q(text)), 1);
    w.statusItems = std::move(items);
    return *this;
}

const Win& Win::statusItem(int item, std::string_view text) const {
    detail::Window& w = detail::window(name_);
    if (item < 1 || item > static_cast<int>(w.statusItems.size()))
        fatal("Status bar item " + std::to_string(item) + " of window " + name_ + " is not defined");
    w.statusItems[static_cast<std::size_t>(item - 1)] = std::string(text);
    const auto labels = w.widget->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    if (item <= labels.size()) labels[item - 1]->setText(q(text));
    return *this;
}

std::string Win::statusItem(int item) const {
    const detail::Window& w = detail::window(name_);
    if (item < 1 || item > static_cast<int>(w.statusItems.size())) return {};
    return w.statusItems[static_cast<std::size_t>(item - 1)];
}

const Win& Win::onKey(Key key, Action a) const {
    detail::Window& w = detail::window(name_);
    w.keys[key] = std::move(a);
    auto* shortcut = w.widget->findChild<QShortcut*>(keyProperty(key));
    if (!shortcut) {
        shortcut = new QShortcut(sequence(key), w.widget);
        shortcut->setObjectName(keyProperty(key));
        shortcut->setContext(Qt::WindowShortcut);
        const std::string window = w.name();
        QObject::connect(shortcut, &QShortcut::activated, [window, key] {
            if (detail::Window* w = detail::findWindow(window)) {
                auto it = w->keys.find(key);
                if (it != w->keys.end()) detail::invoke(it->second);
            }
        });
    }
    shortcut->setEnabled(true);
    return *this;
}

const Win& Win::releaseKey(Key key) const {
    detail::Window& w = detail::window(name_);
    w.keys.erase(key);
    if (auto* shortcut = w.widget->findChild<QShortcut*>(keyProperty(key))) shortcut->setEnabled(false);
    return *this;
}

}  // namespace ui
