// Text, masked and number boxes.
#include "platform/ui/controls.h"

#include <QValidator>

#include "platform/ui/control_kit.h"
#include "platform/ui/line_edit.h"
#include "platform/ui/mask.h"
#include "platform/ui/quote.h"
#include "platform/text/utf8.h"

namespace ui::detail {

namespace {

// A number box takes only keys that leave a number that fits its mask; a
// leading zero goes when a digit is typed after it; a minus sign is taken
// only where the box takes one.
class NumberValidator : public QValidator {
public:
    NumberValidator(std::string mask, QObject* parent) : QValidator(parent), mask(std::move(mask)) {}
    std::string mask;
    bool minus = true;
    State validate(QString& input, int& caret) const override {
        if (!minus && input.contains(u'-')) return Invalid;
        const auto held = mask::typedNumber(mask, s(input), &caret);
        if (!held) return Invalid;
        input = q(*held);
        return Acceptable;
    }
};

// Text, masked and number boxes. A number box holds its number without the
// blanks that right-align it, so they never count toward what can be typed;
// its text is the number right-aligned to the mask's width.
class TextControl : public Control, public TextLike {
public:
    TextControl(Window& w, std::string n, LineEdit* e, Kind k, std::string m)
        : Control(w, std::move(n), k, e), edit_(e), mask_(std::move(m)) {
        if (k == Kind::Masked) {
            edit_->mask = mask_;
            edit_->setText(q(mask::blank(mask_)));
            edit_->typed = [this] { fireChange(); };
        } else {
            QObject::connect(edit_, &QLineEdit::textEdited, [this] {
                fitLimit();
                fireChange();
            });
        }
        if (k == Kind::Number) {
            edit_->number = true;
            validator_ = new NumberValidator(mask_, edit_);
            edit_->setValidator(validator_);
            edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setNumber(0);
        }
    }
    std::string text() const override {
        if (kind() == Kind::Masked && edit_->pristine) return {};
        const std::string held = boxText(edit_->text());
        if (kind() == Kind::Number && held.size() < mask_.size()) return std::string(mask_.size() - held.size(), ' ') + held;
        return held;
    }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->pristine = v.empty();  // the program's empty text is no typing
        if (kind() == Kind::Masked) edit_->setText(q(mask::typeOver(mask_, mask::blank(mask_), v)));
        else if (kind() == Kind::Number) edit_->setText(q(utf8::trimBlanks(v)));
        else {
            edit_->setMaxLength(32767);
            edit_->setText(q(v));
            fitLimit();
        }
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return quote(text()); }
    // A masked box is typed over from its first position; a number box is
    // emptied and typed into, its refused keys dropped.
    void userSet(std::string_view v) override {
        if (kind() == Kind::Masked) {
            Quiet quiet(edit_);
            edit_->pristine = false;
            edit_->setText(q(mask::typeOver(mask_, s(edit_->text()), v)));
        } else if (kind() == Kind::Number) {
            std::string typed;
            for (auto c : utf8::chars(v)) {
                if (c == "-" && !validator_->minus) continue;
                if (const auto held = mask::typedNumber(mask_, typed + std::string(c))) typed = *held;
            }
            setText(typed);
        } else {
            setText(limit_ > 0 ? QString(q(v)).left(limit_).toStdString() : std::string(v));
        }
        fireChange();
    }
    void focusArrivedByKey() override { edit_->selectForTyping(); }
    // A number box that is left shows its number through the mask.
    void focusLeft() override {
        if (kind() != Kind::Number || !numberValid()) return;
        if (const auto shown = mask::formatNumber(mask_, number())) setText(*shown);
    }

    void setPassword(bool on) override { edit_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal); }
    // Keys past the limit are refused; a text the program puts in is held
    // whole, so that nothing stored is cut without a word.
    void setMaxLength(int n) override {
        limit_ = n;
        fitLimit();
    }
    void setMinusSign(bool on) override {
        if (!validator_) unsupported("minus sign");
        validator_->minus = on;
    }
    void setMask(std::string m) override {
        mask_ = std::move(m);
        if (kind() == Kind::Masked) {
            edit_->mask = mask_;
            edit_->setText(q(mask::blank(mask_)));
            edit_->pristine = true;
        }
        if (validator_) validator_->mask = mask_;
    }
    void setReadOnly(bool on) override { edit_->setReadOnly(on); }
    double number() const override { return mask::parseNumber(mask_, s(edit_->text())); }
    bool numberValid() const override { return mask::fitsNumber(mask_, s(edit_->text())); }
    void setNumber(double v) override {
        const auto t = mask::formatNumber(mask_, v);
        setText(t ? *t : std::string(mask_.size(), '#'));
    }

private:
    void fitLimit() {
        if (limit_ > 0) edit_->setMaxLength(std::max(limit_, static_cast<int>(edit_->text().size())));
    }
    LineEdit* edit_;
    std::string mask_;
    NumberValidator* validator_ = nullptr;
    int limit_ = 0;  // characters a user may type; 0 for no limit
};

}  // namespace

std::unique_ptr<Control> makeTextBox(Window& w, std::string n, QWidget* p) {
    return make<TextControl>(w, std::move(n), new LineEdit(p), Kind::Text, std::string());
}
std::unique_ptr<Control> makeMaskedBox(Window& w, std::string n, QWidget* p, std::string m) {
    return make<TextControl>(w, std::move(n), new LineEdit(p), Kind::Masked, std::move(m));
}
std::unique_ptr<Control> makeNumberBox(Window& w, std::string n, QWidget* p, std::string m) {
    return make<TextControl>(w, std::move(n), new LineEdit(p), Kind::Number, std::move(m));
}

}  // namespace ui::detail
