// Check boxes.
#include "platform/ui/controls.h"

#include <QCheckBox>

#include "platform/ui/control_kit.h"

namespace ui::detail {

namespace {

class CheckControl : public Control {
public:
    CheckControl(Window& w, std::string n, QCheckBox* c) : Control(w, std::move(n), Kind::Check, c), box_(c) {
        QObject::connect(box_, &QCheckBox::clicked, [this] { fireChange(); });
    }
    int value() const override { return box_->isChecked() ? 1 : 0; }
    void setValue(int v) override {
        Quiet quiet(box_);
        box_->setChecked(v != 0);
    }
    std::string text() const override { return s(box_->text()); }
    void setText(std::string_view v) override { box_->setText(q(v)); }
    bool reportsChange() const override { return true; }
    std::string show() const override { return std::to_string(value()); }
    void userSet(std::string_view v) override {
        if (v != "0" && v != "1") throw Refused("a check box takes 1 or 0");
        setValue(v == "1");
        fireChange();
    }

private:
    QCheckBox* box_;
};

}  // namespace

std::unique_ptr<Control> makeCheckBox(Window& w, std::string n, QWidget* p) {
    return make<CheckControl>(w, std::move(n), new QCheckBox(p));
}

}  // namespace ui::detail
