// Labels and link labels.
#include "platform/ui/controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>

#include "platform/ui/control_kit.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (clicked) clicked();
    }
    // A label given the height of two lines or more holds a text meant to run
    // onto a second line: its words wrap and it reads from the top. A one-line
    // label stays centred beside the boxes of its row.
    void resizeEvent(QResizeEvent* e) override {
        const bool lines = height() >= 2 * fontMetrics().lineSpacing();
        setWordWrap(lines);
        setAlignment((alignment() & Qt::AlignHorizontal_Mask) | (lines ? Qt::AlignTop : Qt::AlignVCenter));
        QLabel::resizeEvent(e);
    }
};

class LabelControl : public Control {
public:
    LabelControl(Window& w, std::string n, ClickLabel* l, bool link)
        : Control(w, std::move(n), link ? Kind::Link : Kind::Label, l), label_(l) {
        if (link) {
            label_->setCursor(Qt::PointingHandCursor);
            QFont f = label_->font();
            f.setUnderline(true);
            label_->setFont(f);
            label_->clicked = [this] { detail::invoke(on.click); };
        }
    }
    std::string text() const override { return s(label_->text()); }
    void setText(std::string_view v) override { label_->setText(q(v)); }
    std::string show() const override { return quote(text()); }

private:
    ClickLabel* label_;
};

}  // namespace

std::unique_ptr<Control> makeLabel(Window& w, std::string n, QWidget* p, bool link) {
    return make<LabelControl>(w, std::move(n), new ClickLabel(p), link);
}

}  // namespace ui::detail
