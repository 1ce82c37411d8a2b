// Combo boxes.
#include "platform/ui/controls.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "platform/ui/control_kit.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

class ComboControl : public Control, public ListLike {
public:
    ComboControl(Window& w, std::string n, QComboBox* c) : Control(w, std::move(n), Kind::Combo, c), combo_(c) {
        QObject::connect(combo_, &QComboBox::activated, [this] { fireChange(); });
    }
    int value() const override { return combo_->currentIndex() + 1; }
    void setValue(int v) override {
        Quiet quiet(combo_);
        combo_->setCurrentIndex(v - 1);
    }
    std::string text() const override { return s(combo_->currentText()); }
    bool reportsChange() const override { return true; }
    std::string show() const override { return std::to_string(value()) + " " + quote(value() > 0 ? text() : ""); }
    void userSet(std::string_view v) override {
        const int p = toPosition(v);
        if (p < 1 || p > count()) throw Refused("no item " + std::string(v));
        setValue(p);
        fireChange();
    }
    void setItems(std::vector<std::string> items, int selected) override {
        Quiet quiet(combo_);
        combo_->clear();
        for (const auto& i : items) combo_->addItem(q(i));
        combo_->setCurrentIndex(selected - 1);
    }
    void addItem(std::string_view item) override {
        Quiet quiet(combo_);
        combo_->addItem(q(item));
        if (combo_->count() == 1) combo_->setCurrentIndex(-1);
    }
    void clearItems() override {
        Quiet quiet(combo_);
        combo_->clear();
    }
    int count() const override { return combo_->count(); }
    std::string item(int p) const override { return s(combo_->itemText(p - 1)); }
    void setListWidth(int pixels) override { combo_->view()->setMinimumWidth(pixels); }

private:
    QComboBox* combo_;
};

}  // namespace

std::unique_ptr<Control> makeComboBox(Window& w, std::string n, QWidget* p) {
    return make<ComboControl>(w, std::move(n), new QComboBox(p));
}

}  // namespace ui::detail
