// Date pickers.
#include "platform/ui/controls.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>

#include "platform/ui/control_kit.h"
#include "platform/desktop/desktop.h"
#include "platform/ui/line_edit.h"
#include "platform/ui/mask.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

const char* const DATEMASK = "99.99.9999";

// A date box: a masked box that holds the date as typed, "dd.mm.yyyy" with its
// points in place, and a button that opens a calendar. Nothing typed is ever
// changed into another date: a date that does not exist stays as typed, and
// the window that reads the box refuses it (dateValid()).
class DateControl : public Control, public DateLike {
public:
    DateControl(Window& w, std::string n, QWidget* box) : Control(w, std::move(n), Kind::Date, box) {
        edit_ = new LineEdit(box);
        edit_->mask = DATEMASK;
        edit_->wholeOnClick = true;
        edit_->typed = [this] { fireChange(); };
        edit_->setText(q(mask::blank(DATEMASK)));
        auto* button = new QToolButton(box);
        button->setFocusPolicy(Qt::NoFocus);
        button->setArrowType(Qt::DownArrow);
        button->setFixedWidth(kButtonWidth);
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(edit_, 1);
        layout->addWidget(button);
        box->setFocusProxy(edit_);
        box->setMinimumWidth(wholeDateWidth() + kButtonWidth);
        QObject::connect(button, &QToolButton::clicked, [this] { openCalendar(); });
        // Today of the program's clock, which the scenario driver fixes.
        setDate(desktop::today());
    }
    void setAllowEmpty(bool on) override { allowEmpty_ = on; }
    std::string date() const override { return whole().value_or(std::string()); }
    bool dateValid() const override { return held() == mask::blank(DATEMASK) ? allowEmpty_ : whole().has_value(); }
    bool dateComplete() const override { return !edit_->text().contains(u' '); }
    void setDate(std::string_view v) override {
        const QDate d = QDate::fromString(q(v), "yyyyMMdd");
        edit_->setText(q(d.isValid() ? s(d.toString("dd.MM.yyyy")) : mask::blank(DATEMASK)));
    }
    std::string text() const override {
        const std::string t = held();
        return t == mask::blank(DATEMASK) ? std::string() : t;
    }
    // The program's text and the driver's `set` are typed into the emptied
    // box, points or not.
    void setText(std::string_view v) override {
        edit_->setText(q(mask::typeOver(DATEMASK, mask::blank(DATEMASK), v)));
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return quote(text()); }
    void userSet(std::string_view v) override {
        setText(v);
        fireChange();
    }
    void focusArrivedByKey() override { edit_->selectForTyping(); }

private:
    static constexpr int kButtonWidth = 18;
    std::string held() const { return s(edit_->text()); }
    // "yyyymmdd" when the box holds a whole date that exists.
    std::optional<std::string> whole() const {
        const QDate d = QDate::fromString(edit_->text(), "dd.MM.yyyy");
        if (!d.isValid() || edit_->text().contains(u' ')) return std::nullopt;
        return s(d.toString("yyyyMMdd"));
    }
    // The width of the box part that shows a whole date, its frame included.
    int wholeDateWidth() const {
        QStyleOptionFrame option;
        option.initFrom(edit_);
        option.lineWidth = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit_);
        const QFontMetrics metrics = edit_->fontMetrics();
        const QSize text(metrics.horizontalAdvance(QStringLiteral("00.00.0000")) + 6, metrics.height());
        return edit_->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, edit_).width();
    }
    // The calendar opens at the box's date, at today's when the box holds none.
    void openCalendar() {
        auto* calendar = new QCalendarWidget(widget());
        calendar->setWindowFlags(Qt::Popup);
        calendar->setAttribute(Qt::WA_DeleteOnClose);
        const QDate shown = QDate::fromString(q(date()), "yyyyMMdd");
        calendar->setSelectedDate(shown.isValid() ? shown : QDate::fromString(q(desktop::today()), "yyyyMMdd"));
        QObject::connect(calendar, &QCalendarWidget::clicked, [this, calendar](QDate picked) {
            calendar->close();
            setDate(s(picked.toString("yyyyMMdd")));
            edit_->setFocus();
            fireChange();
        });
        calendar->move(widget()->mapToGlobal(QPoint(0, widget()->height())));
        calendar->show();
    }
    LineEdit* edit_;
    bool allowEmpty_ = false;
};

}  // namespace

std::unique_ptr<Control> makeDatePicker(Window& w, std::string n, QWidget* p) {
    return make<DateControl>(w, std::move(n), new QWidget(p));
}

}  // namespace ui::detail
