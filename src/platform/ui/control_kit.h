#pragma once
// What every control kind shares: texts between Qt and UTF-8, program sets
// that run no Qt signal, and the making of a control around its widget.
#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/controls.h"

namespace ui::detail {

inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string s(const QString& q) { return q.toStdString(); }
// What a text box holds, without NUL characters: one pasted into a box would
// cut every text built from it (a statement, a file line) where it stands.
inline std::string boxText(QString q) { return q.remove(QChar(u'\0')).toStdString(); }

// Program sets never run Qt's signals: the registry fires the change handler itself.
class Quiet {
public:
    explicit Quiet(QObject* o) : o_(o), was_(o->blockSignals(true)) {}
    ~Quiet() { o_->blockSignals(was_); }

private:
    QObject* o_;
    bool was_;
};

inline int toPosition(std::string_view v) {
    try {
        return std::stoi(std::string(v));
    } catch (...) {
        throw Refused("not a position: " + std::string(v));
    }
}

template <class C, class W, class... A>
std::unique_ptr<Control> make(Window& w, std::string name, W* widget, A&&... a) {
    tagWidget(widget, w, name);
    widget->show();
    return std::make_unique<C>(w, std::move(name), widget, std::forward<A>(a)...);
}

}  // namespace ui::detail
