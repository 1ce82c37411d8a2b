// Radio groups: a column of options, one of them checked.
#include "platform/ui/controls.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/ui/control_kit.h"

namespace ui::detail {

namespace {

class RadioControl : public Control {
public:
    RadioControl(Window& w, std::string n, QWidget* box, std::vector<std::string> options)
        : Control(w, std::move(n), Kind::Radio, box), group_(new QButtonGroup(box)) {
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        int id = 1;
        for (const auto& o : options) {
            auto* b = new QRadioButton(q(o), box);
            layout->addWidget(b);
            group_->addButton(b, id++);
            // The focus that comes to the group goes to its checked option, where
            // the arrow keys change the choice.
            QObject::connect(b, &QRadioButton::toggled, [box, b](bool on) {
                if (on) box->setFocusProxy(b);
            });
        }
        if (!group_->buttons().isEmpty()) box->setFocusProxy(group_->buttons().front());
        QObject::connect(group_, &QButtonGroup::idClicked, [this] { fireChange(); });
    }
    int value() const override { return std::max(0, group_->checkedId()); }
    void setValue(int v) override {
        if (auto* b = group_->button(v)) {
            Quiet quiet(group_);
            b->setChecked(true);
        }
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return std::to_string(value()); }
    void userSet(std::string_view v) override {
        const int p = toPosition(v);
        if (!group_->button(p)) throw Refused("no option " + std::string(v));
        setValue(p);
        fireChange();
    }

private:
    QButtonGroup* group_;
};

}  // namespace

std::unique_ptr<Control> makeRadioGroup(Window& w, std::string n, QWidget* p, std::vector<std::string> options) {
    return make<RadioControl>(w, std::move(n), new QWidget(p), std::move(options));
}

}  // namespace ui::detail
