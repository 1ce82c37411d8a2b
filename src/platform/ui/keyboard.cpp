#include "platform/ui/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QWidget>

#include "platform/ui/registry.h"

namespace ui::detail {

namespace {

Control* controlOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QVariant c = w->property("kasavel.control");
        if (c.isValid()) return findControl(w->property("kasavel.window").toString().toStdString(), c.toString().toStdString());
    }
    return nullptr;
}

class Behaviour : public QObject {
public:
    Behaviour() {
        connect(qApp, &QApplication::focusChanged, this, [](QWidget*, QWidget* now) {
            if (Control* c = controlOf(now)) moveFocus(c->window(), c);
        });
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return false;
        Control* c = controlOf(qobject_cast<QWidget*>(o));
        if (!c) return false;
        const std::string window = c->window().name();
        if (!pressEnter(*c)) return false;
        if (enterMovesFocus())
            if (Window* w = findWindow(window); w && w->focus) {
                // Focus moved by a key shows its frame, as the Tab key's does.
                w->widget->setAttribute(Qt::WA_KeyboardFocusChange);
                w->focus->widget()->setFocus();
            }
        return true;
    }
};

}  // namespace

void installKeyboard() {
    static Behaviour* behaviour = nullptr;
    if (behaviour) return;
    behaviour = new Behaviour;
    qApp->installEventFilter(behaviour);
}

}  // namespace ui::detail
