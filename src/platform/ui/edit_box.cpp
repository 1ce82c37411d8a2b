// Multi-line edit boxes.
#include "platform/ui/controls.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>

#include "platform/ui/control_kit.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

// A multi-line box that refuses keys and pastes past its limit.
class PlainEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    int limit = 0;  // characters; 0 for no limit

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool command = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        const bool adds = !command && !e->text().isEmpty() &&
                          (e->text()[0].isPrint() || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
        if (limit > 0 && adds && room() < 1) return;
        QPlainTextEdit::keyPressEvent(e);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (limit <= 0 || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
        insertPlainText(source->text().left(std::max(0, room())));
    }

private:
    // What may still be typed: the selection, which typing replaces, counts as room.
    int room() const {
        return limit - static_cast<int>(toPlainText().size() - textCursor().selectedText().size());
    }
};

class EditBoxControl : public Control, public TextLike {
public:
    EditBoxControl(Window& w, std::string n, PlainEdit* e) : Control(w, std::move(n), Kind::Edit, e), edit_(e) {
        edit_->setTabChangesFocus(true);  // Tab leaves the box; Enter stays a line break
        QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] { fireChange(); });
    }
    std::string text() const override { return boxText(edit_->toPlainText()); }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->setPlainText(q(v));
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return quote(text()); }
    void userSet(std::string_view v) override {
        setText(edit_->limit > 0 ? QString(q(v)).left(edit_->limit).toStdString() : std::string(v));
        fireChange();
    }
    void setPassword(bool) override { unsupported("password"); }
    void setMaxLength(int n) override { edit_->limit = n; }
    void setMask(std::string) override { unsupported("mask"); }
    void setMinusSign(bool) override { unsupported("minus sign"); }
    void setReadOnly(bool on) override { edit_->setReadOnly(on); }
    double number() const override { unsupported("number"); }
    bool numberValid() const override { unsupported("number"); }
    void setNumber(double) override { unsupported("number"); }

private:
    PlainEdit* edit_;
};

}  // namespace

std::unique_ptr<Control> makeEditBox(Window& w, std::string n, QWidget* p) {
    return make<EditBoxControl>(w, std::move(n), new PlainEdit(p));
}

}  // namespace ui::detail
