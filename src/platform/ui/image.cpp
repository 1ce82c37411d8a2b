// Images.
#include "platform/ui/controls.h"

#include <QLabel>

#include "platform/ui/control_kit.h"
#include "platform/ui/pictures.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

class ImageControl : public Control, public Pictured {
public:
    ImageControl(Window& w, std::string n, QLabel* l) : Control(w, std::move(n), Kind::Image, l), label_(l) {
        label_->setScaledContents(true);
    }
    std::string show() const override { return quote(picture_); }
    void setPicture(std::string_view r) override {
        picture_ = std::string(r);
        label_->setPixmap(picture(r));
    }

private:
    QLabel* label_;
    std::string picture_;
};

}  // namespace

std::unique_ptr<Control> makeImage(Window& w, std::string n, QWidget* p) {
    return make<ImageControl>(w, std::move(n), new QLabel(p));
}

}  // namespace ui::detail
