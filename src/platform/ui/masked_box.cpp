// Masked boxes: typed over, position by position, as their mask takes it.
#include "platform/ui/controls.h"

#include "platform/ui/control_kit.h"
#include "platform/ui/line_box.h"
#include "platform/ui/mask.h"

namespace ui::detail {

namespace {

class MaskedBox : public LineBox {
public:
    MaskedBox(Window& w, std::string n, LineEdit* e, std::string m) : LineBox(w, std::move(n), Kind::Masked, e) {
        edit_->typed = [this] { fireChange(); };
        setMask(std::move(m));
    }
    std::string text() const override { return edit_->pristine ? std::string() : boxText(edit_->text()); }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->pristine = v.empty();  // the program's empty text is no typing
        edit_->setText(q(mask::typeOver(edit_->mask, mask::blank(edit_->mask), v)));
    }
    // Typed over from its first position.
    void userSet(std::string_view v) override {
        {
            Quiet quiet(edit_);
            edit_->pristine = false;
            edit_->setText(q(mask::typeOver(edit_->mask, s(edit_->text()), v)));
        }
        fireChange();
    }
    void setMask(std::string m) override {
        edit_->mask = std::move(m);
        edit_->setText(q(mask::blank(edit_->mask)));
        edit_->pristine = true;
    }
};

}  // namespace

std::unique_ptr<Control> makeMaskedBox(Window& w, std::string n, QWidget* p, std::string m) {
    return make<MaskedBox>(w, std::move(n), new LineEdit(p), std::move(m));
}

}  // namespace ui::detail
