// The Ctl handle: every property of a control, reached by window and name.
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QPalette>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "platform/ui/controls.h"
#include "platform/ui/registry.h"

namespace ui {

namespace {

detail::Control& get(const Ctl& c) { return detail::control(c.window(), c.name()); }

template <class Part>
Part& as(const Ctl& c, const char* what) {
    auto* p = dynamic_cast<Part*>(&get(c));
    if (!p) fatal(std::string(what) + " is not a property of control " + c.name() + " of window " + c.window());
    return *p;
}

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Changes by the program run the change handler like a user's change.
void changed(detail::Control& c) {
    if (c.reportsChange()) c.fireChange();
}

Ctl add(std::string window, std::string name,
        const std::function<std::unique_ptr<detail::Control>(detail::Window&, QWidget*)>& make) {
    detail::Window& w = detail::window(window);
    detail::addControl(w, make(w, w.client));
    return Ctl(std::move(window), std::move(name));
}

// Controls on a tab page are placed from the tab control's corner, its page
// captions included, as the windows give them; the page itself starts below
// the captions, where they are, once the tab control has been laid out. The
// position asked for is kept on the control and followed whenever the page moves.
const char* const tabPosition = "kasavelTabPosition";

QPoint pageOrigin(const QWidget* page) {
    const QWidget* tabs = page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr;
    return tabs ? page->mapTo(tabs, QPoint(0, 0)) : QPoint(0, 0);
}

class PagePlacer : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)
            if (auto* page = qobject_cast<QWidget*>(watched))
                for (QObject* child : page->children())
                    if (auto* w = qobject_cast<QWidget*>(child); w && w->property(tabPosition).isValid())
                        w->move(w->property(tabPosition).toPoint() - pageOrigin(page));
        return false;
    }
};

bool onTabPage(const QWidget* w) { return w->property(tabPosition).isValid(); }

void place(QWidget* w, QPoint at) {
    if (onTabPage(w)) {
        w->setProperty(tabPosition, at);
        at -= pageOrigin(w->parentWidget());
    }
    w->move(at);
}

}  // namespace

bool Ctl::exists() const { return detail::findControl(window_, name_) != nullptr; }
bool Ctl::isGrid() const {
    const detail::Control* c = detail::findControl(window_, name_);
    return c && c->kind() == detail::Kind::Grid;
}

const Ctl& Ctl::at(int col, int row, int width, int height) const {
    QWidget* w = get(*this).widget();
    w->resize(width, height);
    place(w, QPoint(col, row));
    return *this;
}
const Ctl& Ctl::move(int col, int row) const {
    place(get(*this).widget(), QPoint(col, row));
    return *this;
}
const Ctl& Ctl::size(int width, int height) const {
    get(*this).widget()->resize(width, height);
    return *this;
}
int Ctl::col() const {
    const QWidget* w = get(*this).widget();
    return onTabPage(w) ? w->property(tabPosition).toPoint().x() : w->x();
}
int Ctl::row() const {
    const QWidget* w = get(*this).widget();
    return onTabPage(w) ? w->property(tabPosition).toPoint().y() : w->y();
}
int Ctl::width() const { return get(*this).widget()->width(); }
int Ctl::height() const { return get(*this).widget()->height(); }

const Ctl& Ctl::onPage(std::string_view tab, int page) const {
    QWidget* p = as<detail::TabLike>(Ctl(window_, std::string(tab)), "page").page(page);
    if (!p) fatal("Page " + std::to_string(page) + " of tab " + std::string(tab) + " is not defined");
    QWidget* w = get(*this).widget();
    const QPoint at = onTabPage(w) ? w->property(tabPosition).toPoint() : w->pos();
    w->setParent(p);
    w->setProperty(tabPosition, at);
    if (!p->property(tabPosition).isValid()) {
        p->setProperty(tabPosition, true);  // the page follows its controls' positions
        p->installEventFilter(new PagePlacer(p));
    }
    place(w, at);
    w->show();
    return *this;
}

const Ctl& Ctl::tooltip(std::string_view text) const {
    get(*this).widget()->setToolTip(q(text));
    return *this;
}
const Ctl& Ctl::enabled(bool on) const {
    get(*this).widget()->setEnabled(on);
    return *this;
}
bool Ctl::enabled() const { return get(*this).enabled(); }
const Ctl& Ctl::visible(bool on) const {
    get(*this).widget()->setVisible(on);
    return *this;
}
bool Ctl::visible() const { return get(*this).visible(); }
const Ctl& Ctl::readOnly(bool on) const {
    as<detail::TextLike>(*this, "readonly").setReadOnly(on);
    return *this;
}
const Ctl& Ctl::focus() const {
    detail::Control& c = get(*this);
    detail::focusByKey(c.window(), &c);
    if (detail::Control* still = detail::findControl(window_, name_)) still->widget()->setFocus();
    return *this;
}
const Ctl& Ctl::font(std::string_view family, int points, bool bold) const {
    QFont f(q(family), points);
    f.setBold(bold);
    get(*this).widget()->setFont(f);
    return *this;
}
const Ctl& Ctl::color(Rgb text) const {
    QWidget* w = get(*this).widget();
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(text.red, text.green, text.blue));
    p.setColor(QPalette::Text, QColor(text.red, text.green, text.blue));
    w->setPalette(p);
    return *this;
}
const Ctl& Ctl::align(Align a) const {
    const Qt::Alignment h = a == Align::Right ? Qt::AlignRight : a == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    QWidget* w = get(*this).widget();
    if (auto* l = qobject_cast<QLabel*>(w)) l->setAlignment(h | (l->alignment() & Qt::AlignVertical_Mask));
    else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setAlignment(h | Qt::AlignVCenter);
    return *this;
}
const Ctl& Ctl::picture(std::string_view resource) const {
    as<detail::Pictured>(*this, "picture").setPicture(resource);
    return *this;
}

const Ctl& Ctl::text(std::string_view value) const {
    detail::Control& c = get(*this);
    c.setText(value);
    changed(c);
    return *this;
}
std::string Ctl::text() const { return get(*this).text(); }

const Ctl& Ctl::password(bool on) const {
    as<detail::TextLike>(*this, "password").setPassword(on);
    return *this;
}
const Ctl& Ctl::maxLength(int characters) const {
    as<detail::TextLike>(*this, "maxlength").setMaxLength(characters);
    return *this;
}
const Ctl& Ctl::minusSign(bool on) const {
    as<detail::TextLike>(*this, "minussign").setMinusSign(on);
    return *this;
}
const Ctl& Ctl::mask(std::string_view m) const {
    as<detail::TextLike>(*this, "mask").setMask(std::string(m));
    return *this;
}
const Ctl& Ctl::number(double value) const {
    as<detail::TextLike>(*this, "number").setNumber(value);
    changed(get(*this));
    return *this;
}
double Ctl::number() const { return as<detail::TextLike>(*this, "number").number(); }
bool Ctl::numberValid() const { return as<detail::TextLike>(*this, "number").numberValid(); }

const Ctl& Ctl::allowEmptyDate(bool on) const {
    as<detail::DateLike>(*this, "empty date").setAllowEmpty(on);
    return *this;
}
const Ctl& Ctl::date(std::string_view yyyymmdd) const {
    as<detail::DateLike>(*this, "date").setDate(yyyymmdd);
    changed(get(*this));
    return *this;
}
std::string Ctl::date() const { return as<detail::DateLike>(*this, "date").date(); }
bool Ctl::dateValid() const { return as<detail::DateLike>(*this, "date").dateValid(); }
bool Ctl::dateComplete() const { return as<detail::DateLike>(*this, "date").dateComplete(); }

const Ctl& Ctl::value(int v) const {
    detail::Control& c = get(*this);
    c.setValue(v);
    changed(c);
    return *this;
}
int Ctl::value() const { return get(*this).value(); }

const Ctl& Ctl::items(std::vector<std::string> list, int selected) const {
    as<detail::ListLike>(*this, "items").setItems(std::move(list), selected);
    return *this;
}
const Ctl& Ctl::listWidth(int pixels) const {
    as<detail::ListLike>(*this, "listwidth").setListWidth(pixels);
    return *this;
}
const Ctl& Ctl::addItem(std::string_view item) const {
    as<detail::ListLike>(*this, "additem").addItem(item);
    return *this;
}
const Ctl& Ctl::deleteAllItems() const {
    if (auto* grid = dynamic_cast<detail::GridLike*>(&get(*this))) grid->setRows(TextTable());
    else as<detail::ListLike>(*this, "deleteallitems").clearItems();
    return *this;
}
int Ctl::itemCount() const {
    if (auto* grid = dynamic_cast<detail::GridLike*>(&get(*this))) return static_cast<int>(grid->rows().rows());
    return as<detail::ListLike>(*this, "itemcount").count();
}
std::string Ctl::item(int position) const { return as<detail::ListLike>(*this, "item").item(position); }

const Ctl& Ctl::headers(std::vector<std::string> captions) const {
    as<detail::GridLike>(*this, "headers").setHeaders(std::move(captions));
    return *this;
}
const Ctl& Ctl::header(int column, std::string_view caption) const {
    as<detail::GridLike>(*this, "header").setHeader(column, caption);
    return *this;
}
std::string Ctl::header(int column) const { return as<detail::GridLike>(*this, "header").header(column); }
const Ctl& Ctl::widths(std::vector<int> pixels) const {
    as<detail::GridLike>(*this, "widths").setWidths(std::move(pixels));
    return *this;
}
const Ctl& Ctl::justify(std::vector<int> codes) const {
    as<detail::GridLike>(*this, "justify").setJustify(std::move(codes));
    return *this;
}
std::vector<int> Ctl::justify() const { return as<detail::GridLike>(*this, "justify").justify(); }
const Ctl& Ctl::multiSelect(bool on) const {
    as<detail::GridLike>(*this, "multiselect").setMultiSelect(on);
    return *this;
}
const Ctl& Ctl::allowEdit(bool on) const {
    as<detail::GridLike>(*this, "allowedit").setAllowEdit(on);
    return *this;
}
const Ctl& Ctl::columnEditor(int column, CellEditor editor) const {
    as<detail::GridLike>(*this, "columneditor").setColumnEditor(column, std::move(editor));
    return *this;
}
const Ctl& Ctl::rows(TextTable table) const {
    as<detail::GridLike>(*this, "rows").setRows(std::move(table));
    return *this;
}
const TextTable& Ctl::rows() const { return as<detail::GridLike>(*this, "rows").rows(); }
const Ctl& Ctl::reorderRows(const std::vector<std::size_t>& order) const {
    as<detail::GridLike>(*this, "rows").reorderRows(order);
    return *this;
}
const Ctl& Ctl::addRow(const std::vector<std::string>& cells) const {
    as<detail::GridLike>(*this, "additem").addRow(cells);
    return *this;
}
const Ctl& Ctl::deleteRow(int line) const {
    as<detail::GridLike>(*this, "deleteitem").deleteRow(line);
    return *this;
}
const Ctl& Ctl::cell(int line, int column, std::string_view value) const {
    as<detail::GridLike>(*this, "cell").setCell(line, column, value);
    return *this;
}
std::string Ctl::cell(int line, int column) const { return as<detail::GridLike>(*this, "cell").cell(line, column); }
std::vector<int> Ctl::selection() const { return as<detail::GridLike>(*this, "value").selection(); }
const Ctl& Ctl::selection(const std::vector<int>& lines) const {
    as<detail::GridLike>(*this, "value").setSelection(lines);
    return *this;
}

const Ctl& Ctl::cancel(bool on) const {
    detail::Control& c = get(*this);
    if (c.kind() != detail::Kind::Button) fatal("cancel is not a property of control " + name_ + " of window " + window_);
    c.window().cancelButton = on ? name_ : std::string();
    return *this;
}

const Ctl& Ctl::drawing(std::vector<Shape> shapes) const {
    as<detail::Drawn>(*this, "drawing").setDrawing(std::move(shapes));
    return *this;
}

void definePicture(std::string_view resource, int width, int height, const std::vector<Shape>& shapes) {
    detail::drawPicture(resource, width, height, shapes);
}

const Ctl& Ctl::onChange(Action a) const {
    get(*this).on.change = std::move(a);
    return *this;
}
const Ctl& Ctl::onClick(Action a) const {
    get(*this).on.click = std::move(a);
    return *this;
}
const Ctl& Ctl::onDblClick(Action a) const {
    get(*this).on.dblClick = std::move(a);
    return *this;
}
const Ctl& Ctl::onGotFocus(Action a) const {
    get(*this).on.gotFocus = std::move(a);
    return *this;
}
const Ctl& Ctl::onLostFocus(Action a) const {
    get(*this).on.lostFocus = std::move(a);
    return *this;
}
const Ctl& Ctl::onEnter(Action a) const {
    get(*this).on.enter = std::move(a);
    return *this;
}
const Ctl& Ctl::onHeadClick(std::function<void(int)> a) const {
    get(*this).on.headClick = std::move(a);
    return *this;
}
const Ctl& Ctl::onCellCheck(std::function<bool(int, int, const std::string&)> a) const {
    get(*this).on.cellCheck = std::move(a);
    return *this;
}
const Ctl& Ctl::onCellEdit(std::function<void(int, int)> a) const {
    get(*this).on.cellEdit = std::move(a);
    return *this;
}

Ctl addLabel(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeLabel(win, n, p, false); });
}
Ctl addLink(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeLabel(win, n, p, true); });
}
Ctl addTextBox(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeTextBox(win, n, p); });
}
Ctl addMaskedBox(std::string w, std::string n, std::string_view m) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeMaskedBox(win, n, p, std::string(m)); });
}
Ctl addNumberBox(std::string w, std::string n, std::string_view m) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeNumberBox(win, n, p, std::string(m)); });
}
Ctl addEditBox(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeEditBox(win, n, p); });
}
Ctl addComboBox(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeComboBox(win, n, p); });
}
Ctl addCheckBox(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeCheckBox(win, n, p); });
}
Ctl addRadioGroup(std::string w, std::string n, std::vector<std::string> options) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeRadioGroup(win, n, p, options); });
}
Ctl addDatePicker(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeDatePicker(win, n, p); });
}
Ctl addButton(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeButton(win, n, p); });
}
Ctl addGrid(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeGrid(win, n, p); });
}
Ctl addTab(std::string w, std::string n, std::vector<std::string> pages) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeTab(win, n, p, pages); });
}
Ctl addImage(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeImage(win, n, p); });
}
Ctl addCanvas(std::string w, std::string n) {
    return add(w, n, [&](detail::Window& win, QWidget* p) { return detail::makeCanvas(win, n, p); });
}

}  // namespace ui
