// Tab controls.
#include "platform/ui/controls.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

#include "platform/ui/control_kit.h"

namespace ui::detail {

namespace {

// The page captions of a tab control in a smaller font when the control is too
// narrow for them, so that every caption shows whole.
class TabCaptionsFit : public QObject {
public:
    explicit TabCaptionsFit(QTabWidget* tabs) : QObject(tabs), tabs_(tabs) { tabs->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) fit();
        return false;
    }

private:
    void fit() {
        QTabBar* bar = tabs_->tabBar();
        QFont font = tabs_->font();
        bar->setFont(font);
        bar->setStyleSheet({});
        if (bar->sizeHint().width() <= tabs_->width()) return;
        bar->setStyleSheet("QTabBar::tab { padding: 4px 5px; }");  // narrower margins first
        while (bar->sizeHint().width() > tabs_->width() && font.pointSizeF() > 6) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
            bar->setFont(font);
        }
    }
    QTabWidget* tabs_;
};

class TabControl : public Control, public TabLike {
public:
    TabControl(Window& w, std::string n, QTabWidget* t, std::vector<std::string> pages)
        : Control(w, std::move(n), Kind::Tab, t), tabs_(t) {
        for (const auto& p : pages) tabs_->addTab(new QWidget, q(p));
        new TabCaptionsFit(tabs_);
        QObject::connect(tabs_, &QTabWidget::currentChanged, [this] { fireChange(); });
    }
    int value() const override { return tabs_->currentIndex() + 1; }
    void setValue(int v) override {
        Quiet quiet(tabs_);
        tabs_->setCurrentIndex(v - 1);
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return std::to_string(value()); }
    void userSet(std::string_view v) override {
        const int p = toPosition(v);
        if (p < 1 || p > tabs_->count()) throw Refused("no page " + std::string(v));
        setValue(p);
        fireChange();
    }
    QWidget* page(int p) const override { return tabs_->widget(p - 1); }

private:
    QTabWidget* tabs_;
};

}  // namespace

std::unique_ptr<Control> makeTab(Window& w, std::string n, QWidget* p, std::vector<std::string> pages) {
    return make<TabControl>(w, std::move(n), new QTabWidget(p), std::move(pages));
}

}  // namespace ui::detail
