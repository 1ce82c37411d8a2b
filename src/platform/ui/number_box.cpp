// Number boxes. A number box holds its number without the blanks that
// right-align it, so they never count toward what can be typed; its text is
// the number right-aligned to the mask's width.
#include "platform/ui/controls.h"

#include "platform/text/utf8.h"
#include "platform/ui/control_kit.h"
#include "platform/ui/line_box.h"
#include "platform/ui/mask.h"
#include "platform/ui/number_edit.h"
#include "platform/ui/number_typing.h"

namespace ui::detail {

namespace {

class NumberBox : public LineBox {
public:
    NumberBox(Window& w, std::string n, NumberEdit* e) : LineBox(w, std::move(n), Kind::Number, e), editor_(e) {
        edit_->typed = [this] { fireChange(); };
        QObject::connect(edit_, &QLineEdit::textEdited, [this] { fireChange(); });
        setNumber(0);
    }
    std::string text() const override {
        const std::string held = boxText(edit_->text());
        const std::string& mask = editor_->numberMask;
        return held.size() < mask.size() ? std::string(mask.size() - held.size(), ' ') + held : held;
    }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->setText(q(utf8::trimBlanks(v)));
    }
    // Emptied and typed into, its refused keys dropped.
    void userSet(std::string_view v) override {
        mask::NumberBox typed;
        mask::typeNumber(editor_->numberMask, editor_->minus, typed, v);
        setText(typed.text);
        fireChange();
    }
    // A box that is left shows its number through the mask.
    void focusLeft() override {
        if (!numberValid()) return;
        if (const auto shown = mask::formatNumber(editor_->numberMask, number())) setText(*shown);
    }
    void setMinusSign(bool on) override { editor_->minus = on; }
    void setMask(std::string m) override { editor_->numberMask = std::move(m); }
    double number() const override { return mask::parseNumber(editor_->numberMask, s(edit_->text())); }
    bool numberValid() const override { return mask::fitsNumber(editor_->numberMask, s(edit_->text())); }
    void setNumber(double v) override {
        const auto t = mask::formatNumber(editor_->numberMask, v);
        setText(t ? *t : std::string(editor_->numberMask.size(), '#'));
    }

private:
    NumberEdit* editor_;  // the base's editor, as a number editor
};

}  // namespace

std::unique_ptr<Control> makeNumberBox(Window& w, std::string n, QWidget* p, std::string m) {
    return make<NumberBox>(w, std::move(n), new NumberEdit(p, std::move(m)));
}

}  // namespace ui::detail
