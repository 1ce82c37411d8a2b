// Buttons.
#include "platform/ui/controls.h"

#include <QPushButton>

#include "platform/ui/control_kit.h"
#include "platform/ui/pictures.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

class ButtonControl : public Control, public Pictured {
public:
    ButtonControl(Window& w, std::string n, QPushButton* b) : Control(w, std::move(n), Kind::Button, b), button_(b) {
        QObject::connect(button_, &QPushButton::clicked, [this] { detail::invoke(on.click); });
    }
    std::string text() const override { return s(button_->text()); }
    void setText(std::string_view v) override { button_->setText(q(v)); }
    std::string show() const override { return quote(text()); }
    // The picture shows at its own size, 16 or 24 pixels.
    void setPicture(std::string_view r) override {
        const QIcon picture = icon(r);
        button_->setIcon(picture);
        if (!picture.isNull()) button_->setIconSize(picture.availableSizes().value(0, button_->iconSize()));
    }

private:
    QPushButton* button_;
};

}  // namespace

std::unique_ptr<Control> makeButton(Window& w, std::string n, QWidget* p) {
    return make<ButtonControl>(w, std::move(n), new QPushButton(p));
}

}  // namespace ui::detail
