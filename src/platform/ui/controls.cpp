#include "platform/ui/controls.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QValidator>
#include <QCheckBox>
#include <QComboBox>
#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolButton>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <optional>

#include "platform/desktop/desktop.h"
#include "platform/ui/mask.h"
#include "platform/ui/quote.h"
#include "platform/text/utf8.h"

namespace ui::detail {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QString& q) { return q.toStdString(); }
// What a text box holds, without NUL characters: one pasted into a box would
// cut every text built from it (a statement, a file line) where it stands.
std::string boxText(QString q) { return q.remove(QChar(u'\0')).toStdString(); }

// Program sets never run Qt's signals: the registry fires the change handler itself.
class Quiet {
public:
    explicit Quiet(QObject* o) : o_(o), was_(o->blockSignals(true)) {}
    ~Quiet() { o_->blockSignals(was_); }

private:
    QObject* o_;
    bool was_;
};

int toPosition(std::string_view v) {
    try {
        return std::stoi(std::string(v));
    } catch (...) {
        throw Refused("not a position: " + std::string(v));
    }
}

// Pictures the program has drawn, by resource name.
std::map<std::string, QPixmap, std::less<>>& drawnPictures() {
    static std::map<std::string, QPixmap, std::less<>> pictures;
    return pictures;
}

// A drawn picture of that name, else the resource file; null when neither exists.
QPixmap picture(std::string_view resource) {
    const auto drawn = drawnPictures().find(resource);
    if (drawn != drawnPictures().end()) return drawn->second;
    const QString path = ":/" + q(resource) + ".png";
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QIcon icon(std::string_view resource) {
    const QPixmap p = picture(resource);
    return p.isNull() ? QIcon() : QIcon(p);
}

QColor colour(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

void paint(QPainter& painter, const std::vector<Shape>& shapes) {
    for (const Shape& shape : shapes) {
        painter.setPen(QPen(colour(shape.pen), 1));
        const QRectF box(QPointF(shape.col1, shape.row1), QPointF(shape.col2, shape.row2));
        switch (shape.kind) {
            case Shape::Kind::Line:
                painter.drawLine(QLineF(shape.col1, shape.row1, shape.col2, shape.row2));
                break;
            case Shape::Kind::Rectangle:
                painter.setBrush(shape.fill ? QBrush(colour(*shape.fill)) : QBrush(Qt::NoBrush));
                painter.drawRect(box);
                break;
            case Shape::Kind::Text: {
                QFont font("Arial");
                font.setPointSize(shape.points);
                font.setBold(shape.bold);
                painter.setFont(font);
                const Qt::Alignment across = shape.align == Align::Right    ? Qt::AlignRight
                                             : shape.align == Align::Center ? Qt::AlignHCenter
                                                                            : Qt::AlignLeft;
                painter.drawText(box, across | Qt::AlignTop | Qt::TextSingleLine, q(shape.text));
                break;
            }
        }
    }
}

// ---- labels --------------------------------------------------------------

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

// ---- text boxes ----------------------------------------------------------

class LineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::string mask;  // masked boxes only
    std::function<void()> typed;
    // A masked box nobody has typed into or set holds the empty text; once
    // touched it holds its positions, blanks included.
    bool pristine = true;
    // Date boxes: a click that brings the focus selects the whole date, so a
    // date typed next replaces it.
    bool wholeOnClick = false;
    bool number = false;  // number boxes

    // The focus came by a key (Tab, Enter) or from the program: the whole text
    // is selected, so typing replaces it, with the caret at the first position
    // (where typing starts in a box that holds only blanks).
    void selectForTyping() {
        const int n = static_cast<int>(text().size());
        if (n > 0) setSelection(n, -n);
        else setCursorPosition(0);
    }

protected:
    // A masked box is typed over, never shifted as a whole: a selection is
    // blanked before typing starts at its first position; Backspace and Delete
    // take out one character and close the gap up to the next literal.
    void keyPressEvent(QKeyEvent* e) override {
        if (number) selectLoneZero(e->text());
        if (mask.empty()) return QLineEdit::keyPressEvent(e);
        const bool selected = hasSelectedText();
        const int from = selected ? selectionStart() : cursorPosition();
        const int to = selected ? selectionStart() + static_cast<int>(selectedText().size()) : from;
        const std::string now = s(text());
        if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
            if (selected) return replaceText(mask::clear(mask, now, static_cast<std::size_t>(from), static_cast<std::size_t>(to)), from);
            const auto at = e->key() == Qt::Key_Backspace ? mask::inputBefore(mask, static_cast<std::size_t>(from))
                                                          : mask::inputFrom(mask, static_cast<std::size_t>(from));
            if (at) replaceText(mask::removeAt(mask, now, *at), static_cast<int>(*at));
            return;
        }
        if (e->key() == Qt::Key_End && !(e->modifiers() & Qt::ShiftModifier)) {
            deselect();
            setCursorPosition(textEnd());
            return;
        }
        if (e->matches(QKeySequence::Cut)) {
            copy();
            if (selected) replaceText(mask::clear(mask, now, static_cast<std::size_t>(from), static_cast<std::size_t>(to)), from);
            return;
        }
        const QString t = e->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text() : e->text();
        const bool command = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (!t.isEmpty() && t[0].isPrint() && (!command || e->matches(QKeySequence::Paste))) {
            const std::string base = selected ? mask::clear(mask, now, static_cast<std::size_t>(from), static_cast<std::size_t>(to)) : now;
            std::size_t caret = 0;
            const std::string typedText = mask::typeOver(mask, base, s(t), static_cast<std::size_t>(from), &caret);
            replaceText(typedText, static_cast<int>(caret));
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
    // A click never leaves the caret among the trailing blanks of a masked box,
    // where typing would not show: it stops after the last character. In a box
    // that holds only blanks it goes to the first position, with the blanks
    // selected, so that what is typed stands first and replaces them.
    void mousePressEvent(QMouseEvent* e) override {
        QLineEdit::mousePressEvent(e);
        keepCaretInText();
        if ((clickBroughtFocus_ && wholeOnClick) || onlyBlanks()) selectForTyping();
        clickBroughtFocus_ = false;
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        clickBroughtFocus_ = e->reason() == Qt::MouseFocusReason;
        if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason) selectForTyping();
        else keepCaretInText();
    }

private:
    void replaceText(const std::string& newText, int caret) {
        pristine = false;
        const bool changed = newText != s(text());
        setText(q(newText));
        setCursorPosition(caret);
        if (changed && typed) typed();
    }
    int textEnd() const { return static_cast<int>(mask::textEnd(mask, s(text()))); }
    // A number whose whole part is a lone zero (0, 0.00, -0): a digit typed
    // beside it takes its place, so the zero never counts toward the digits.
    void selectLoneZero(const QString& typed) {
        if (hasSelectedText() || typed.size() != 1 || !typed[0].isDigit()) return;
        const QString t = text();
        const int start = t.startsWith(u'-') ? 1 : 0;
        const int point = t.indexOf(u'.');
        const int end = point < 0 ? static_cast<int>(t.size()) : point;
        if (end - start == 1 && t[start] == u'0' && cursorPosition() >= start && cursorPosition() <= end)
            setSelection(start, 1);
    }
    bool onlyBlanks() const {
        const QString t = text();
        if (!mask.empty()) return s(t) == mask::blank(mask);
        return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c == u' '; });
    }
    void keepCaretInText() {
        if (mask.empty() || hasSelectedText()) return;
        if (cursorPosition() > textEnd()) setCursorPosition(textEnd());
    }
    bool clickBroughtFocus_ = false;
};

// A number box takes only keys that leave a number that fits its mask; a
// leading zero goes when a digit is typed after it; a minus sign is taken
// only where the box takes one.
class NumberValidator : public QValidator {
public:
    NumberValidator(std::string mask, QObject* parent) : QValidator(parent), mask(std::move(mask)) {}
    std::string mask;
    bool minus = true;
    State validate(QString& input, int& caret) const override {
        if (!minus && input.contains(u'-')) return Invalid;
        const auto held = mask::typedNumber(mask, s(input), &caret);
        if (!held) return Invalid;
        input = q(*held);
        return Acceptable;
    }
};

// Text, masked and number boxes. A number box holds its number without the
// blanks that right-align it, so they never count toward what can be typed;
// its text is the number right-aligned to the mask's width.
class TextControl : public Control, public TextLike {
public:
    TextControl(Window& w, std::string n, LineEdit* e, Kind k, std::string m)
        : Control(w, std::move(n), k, e), edit_(e), mask_(std::move(m)) {
        if (k == Kind::Masked) {
            edit_->mask = mask_;
            edit_->setText(q(mask::blank(mask_)));
            edit_->typed = [this] { fireChange(); };
        } else {
            QObject::connect(edit_, &QLineEdit::textEdited, [this] {
                fitLimit();
                fireChange();
            });
        }
        if (k == Kind::Number) {
            edit_->number = true;
            validator_ = new NumberValidator(mask_, edit_);
            edit_->setValidator(validator_);
            edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setNumber(0);
        }
    }
    std::string text() const override {
        if (kind() == Kind::Masked && edit_->pristine) return {};
        const std::string held = boxText(edit_->text());
        if (kind() == Kind::Number && held.size() < mask_.size()) return std::string(mask_.size() - held.size(), ' ') + held;
        return held;
    }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->pristine = v.empty();  // the program's empty text is no typing
        if (kind() == Kind::Masked) edit_->setText(q(mask::typeOver(mask_, mask::blank(mask_), v)));
        else if (kind() == Kind::Number) edit_->setText(q(utf8::trimBlanks(v)));
        else {
            edit_->setMaxLength(32767);
            edit_->setText(q(v));
            fitLimit();
        }
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return quote(text()); }
    // A masked box is typed over from its first position; a number box is
    // emptied and typed into, its refused keys dropped.
    void userSet(std::string_view v) override {
        if (kind() == Kind::Masked) {
            Quiet quiet(edit_);
            edit_->pristine = false;
            edit_->setText(q(mask::typeOver(mask_, s(edit_->text()), v)));
        } else if (kind() == Kind::Number) {
            std::string typed;
            for (auto c : utf8::chars(v)) {
                if (c == "-" && !validator_->minus) continue;
                if (const auto held = mask::typedNumber(mask_, typed + std::string(c))) typed = *held;
            }
            setText(typed);
        } else {
            setText(limit_ > 0 ? QString(q(v)).left(limit_).toStdString() : std::string(v));
        }
        fireChange();
    }
    void focusArrivedByKey() override { edit_->selectForTyping(); }
    // A number box that is left shows its number through the mask.
    void focusLeft() override {
        if (kind() != Kind::Number || !numberValid()) return;
        if (const auto shown = mask::formatNumber(mask_, number())) setText(*shown);
    }

    void setPassword(bool on) override { edit_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal); }
    // Keys past the limit are refused; a text the program puts in is held
    // whole, so that nothing stored is cut without a word.
    void setMaxLength(int n) override {
        limit_ = n;
        fitLimit();
    }
    void setMinusSign(bool on) override {
        if (!validator_) unsupported("minus sign");
        validator_->minus = on;
    }
    void setMask(std::string m) override {
        mask_ = std::move(m);
        if (kind() == Kind::Masked) {
            edit_->mask = mask_;
            edit_->setText(q(mask::blank(mask_)));
            edit_->pristine = true;
        }
        if (validator_) validator_->mask = mask_;
    }
    void setReadOnly(bool on) override { edit_->setReadOnly(on); }
    double number() const override { return mask::parseNumber(mask_, s(edit_->text())); }
    bool numberValid() const override { return mask::fitsNumber(mask_, s(edit_->text())); }
    void setNumber(double v) override {
        const auto t = mask::formatNumber(mask_, v);
        setText(t ? *t : std::string(mask_.size(), '#'));
    }

private:
    void fitLimit() {
        if (limit_ > 0) edit_->setMaxLength(std::max(limit_, static_cast<int>(edit_->text().size())));
    }
    LineEdit* edit_;
    std::string mask_;
    NumberValidator* validator_ = nullptr;
    int limit_ = 0;  // characters a user may type; 0 for no limit
};

// A multi-line box that refuses keys and pastes past its limit.
class PlainEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    int limit = 0;  // characters; 0 for no limit

protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool command = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        const bool adds = !command && !e->text().isEmpty() &&
                          (e->text()[0].isPrint() || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
        if (limit > 0 && adds && room() < 1) return;
        QPlainTextEdit::keyPressEvent(e);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (limit <= 0 || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
        insertPlainText(source->text().left(std::max(0, room())));
    }

private:
    // What may still be typed: the selection, which typing replaces, counts as room.
    int room() const {
        return limit - static_cast<int>(toPlainText().size() - textCursor().selectedText().size());
    }
};

class EditBoxControl : public Control, public TextLike {
public:
    EditBoxControl(Window& w, std::string n, PlainEdit* e) : Control(w, std::move(n), Kind::Edit, e), edit_(e) {
        edit_->setTabChangesFocus(true);  // Tab leaves the box; Enter stays a line break
        QObject::connect(edit_, &QPlainTextEdit::textChanged, [this] { fireChange(); });
    }
    std::string text() const override { return boxText(edit_->toPlainText()); }
    void setText(std::string_view v) override {
        Quiet quiet(edit_);
        edit_->setPlainText(q(v));
    }
    bool reportsChange() const override { return true; }
    std::string show() const override { return quote(text()); }
    void userSet(std::string_view v) override {
        setText(edit_->limit > 0 ? QString(q(v)).left(edit_->limit).toStdString() : std::string(v));
        fireChange();
    }
    void setPassword(bool) override { unsupported("password"); }
    void setMaxLength(int n) override { edit_->limit = n; }
    void setMask(std::string) override { unsupported("mask"); }
    void setMinusSign(bool) override { unsupported("minus sign"); }
    void setReadOnly(bool on) override { edit_->setReadOnly(on); }
    double number() const override { unsupported("number"); }
    bool numberValid() const override { unsupported("number"); }
    void setNumber(double) override { unsupported("number"); }

private:
    PlainEdit* edit_;
};

// ---- choices -------------------------------------------------------------

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

// ---- dates ---------------------------------------------------------------

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

// ---- buttons, tabs, images -----------------------------------------------

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

// ---- canvases -----------------------------------------------------------

class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }
    std::vector<Shape> shapes;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint(painter, shapes);
    }
};

class CanvasControl : public Control, public Drawn {
public:
    CanvasControl(Window& w, std::string n, CanvasWidget* c) : Control(w, std::move(n), Kind::Canvas, c), canvas_(c) {}
    // The driver shows how many shapes of each kind the drawing holds.
    std::string show() const override {
        const auto count = [this](Shape::Kind kind) {
            return std::to_string(std::count_if(canvas_->shapes.begin(), canvas_->shapes.end(),
                                                [kind](const Shape& s) { return s.kind == kind; }));
        };
        const std::string texts = count(Shape::Kind::Text);
        return "canvas " + count(Shape::Kind::Rectangle) + " rectangles " + count(Shape::Kind::Line) + " lines" +
               (texts == "0" ? "" : " " + texts + " texts");
    }
    void setDrawing(std::vector<Shape> shapes) override {
        canvas_->shapes = std::move(shapes);
        canvas_->update();
    }

private:
    CanvasWidget* canvas_;
};

template <class C, class W, class... A>
std::unique_ptr<Control> make(Window& w, std::string name, W* widget, A&&... a) {
    tagWidget(widget, w, name);
    widget->show();
    return std::make_unique<C>(w, std::move(name), widget, std::forward<A>(a)...);
}

}  // namespace

void drawPicture(std::string_view resource, int width, int height, const std::vector<Shape>& shapes) {
    QPixmap sheet(width, height);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, shapes);
    painter.end();
    drawnPictures().insert_or_assign(std::string(resource), sheet);
}

void tagWidget(QWidget* widget, const Window& w, const std::string& control) {
    widget->setProperty("kasavel.window", q(w.name()));
    widget->setProperty("kasavel.control", q(control));
}

std::unique_ptr<Control> makeLabel(Window& w, std::string n, QWidget* p, bool link) {
    return make<LabelControl>(w, std::move(n), new ClickLabel(p), link);
}
std::unique_ptr<Control> makeTextBox(Window& w, std::string n, QWidget* p) {
    return make<TextControl>(w, std::move(n), new LineEdit(p), Kind::Text, std::string());
}
std::unique_ptr<Control> makeMaskedBox(Window& w, std::string n, QWidget* p, std::string m) {
    return make<TextControl>(w, std::move(n), new LineEdit(p), Kind::Masked, std::move(m));
}
std::unique_ptr<Control> makeNumberBox(Window& w, std::string n, QWidget* p, std::string m) {
    return make<TextControl>(w, std::move(n), new LineEdit(p), Kind::Number, std::move(m));
}
std::unique_ptr<Control> makeEditBox(Window& w, std::string n, QWidget* p) {
    return make<EditBoxControl>(w, std::move(n), new PlainEdit(p));
}
std::unique_ptr<Control> makeComboBox(Window& w, std::string n, QWidget* p) {
    return make<ComboControl>(w, std::move(n), new QComboBox(p));
}
std::unique_ptr<Control> makeCheckBox(Window& w, std::string n, QWidget* p) {
    return make<CheckControl>(w, std::move(n), new QCheckBox(p));
}
std::unique_ptr<Control> makeRadioGroup(Window& w, std::string n, QWidget* p, std::vector<std::string> options) {
    return make<RadioControl>(w, std::move(n), new QWidget(p), std::move(options));
}
std::unique_ptr<Control> makeDatePicker(Window& w, std::string n, QWidget* p) {
    return make<DateControl>(w, std::move(n), new QWidget(p));
}
std::unique_ptr<Control> makeButton(Window& w, std::string n, QWidget* p) {
    return make<ButtonControl>(w, std::move(n), new QPushButton(p));
}
std::unique_ptr<Control> makeTab(Window& w, std::string n, QWidget* p, std::vector<std::string> pages) {
    return make<TabControl>(w, std::move(n), new QTabWidget(p), std::move(pages));
}
std::unique_ptr<Control> makeImage(Window& w, std::string n, QWidget* p) {
    return make<ImageControl>(w, std::move(n), new QLabel(p));
}
std::unique_ptr<Control> makeCanvas(Window& w, std::string n, QWidget* p) {
    return make<CanvasControl>(w, std::move(n), new CanvasWidget(p));
}

}  // namespace ui::detail
