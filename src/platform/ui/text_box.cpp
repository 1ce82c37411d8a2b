// Text boxes.
#include "platform/ui/controls.h"

#include <QValidator>

#include "platform/text/utf8.h"
#include "platform/ui/control_kit.h"
#include "platform/ui/line_box.h"

namespace ui::detail {

namespace {

// A one-line box holds what it shows: a CR LF pair, a CR, a LF or a TAB that
// comes in (pasted, dropped or put in by the program) is one blank.
class OneLine : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& caret) const override {
        caret = static_cast<int>(q(utf8::oneLine(s(input.left(caret)))).size());
        input = q(utf8::oneLine(s(input)));
        return Acceptable;
    }
};

class TextBox : public LineBox {
public:
    TextBox(Window& w, std::string n, LineEdit* e) : LineBox(w, std::move(n), Kind::Text, e) {
        edit_->setValidator(new OneLine(edit_));
        QObject::connect(edit_, &QLineEdit::textEdited, [this] {
            fitLimit();
            fireChange();
        });
    }
    std::string text() const override { return boxText(edit_->text()); }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->setMaxLength(32767);
        edit_->setText(q(v));
        fitLimit();
    }
    void userSet(std::string_view v) override {
        setText(limit_ > 0 ? QString(q(v)).left(limit_).toStdString() : std::string(v));
        fireChange();
    }
    void setPassword(bool on) override { edit_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal); }
    // Keys past the limit are refused; a text the program puts in is held
    // whole, so that nothing stored is cut without a word.
    void setMaxLength(int n) override {
        limit_ = n;
        fitLimit();
    }

private:
    void fitLimit() {
        if (limit_ > 0) edit_->setMaxLength(std::max(limit_, static_cast<int>(edit_->text().size())));
    }
    int limit_ = 0;  // characters a user may type; 0 for no limit
};

}  // namespace

std::unique_ptr<Control> makeTextBox(Window& w, std::string n, QWidget* p) {
    return make<TextBox>(w, std::move(n), new LineEdit(p));
}

}  // namespace ui::detail
