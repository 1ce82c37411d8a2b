// The grid: a table view over a model that reads its cells from a TextTable,
// so a list of 100,000 rows holds its text once and creates no widget per cell.
#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/ui/controls.h"
#include "platform/ui/number_edit.h"
#include "platform/ui/number_typing.h"
#include "platform/ui/quote.h"

namespace ui::detail {

namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class GridModel : public QAbstractTableModel {
public:
    TextTable table;
    std::vector<std::string> headers;
    std::vector<int> justify;
    bool editable = false;
    std::vector<CellEditor> editors;  // by column; missing: text
    std::function<void(int, int, std::string)> edited;

    const CellEditor& editor(int column) const {
        static const CellEditor text;
        return column >= 0 && column < static_cast<int>(editors.size()) ? editors[static_cast<std::size_t>(column)] : text;
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(table.rows());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers.size());
    }
    QVariant data(const QModelIndex& i, int role) const override {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return q(table.cell(static_cast<std::size_t>(i.row()), static_cast<std::size_t>(i.column())));
        if (role == Qt::TextAlignmentRole) {
            const int code = i.column() < static_cast<int>(justify.size()) ? justify[static_cast<std::size_t>(i.column())] : 0;
            const Qt::Alignment h = code == 1 ? Qt::AlignRight : code == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
            return QVariant::fromValue(h | Qt::AlignVCenter);
        }
        return {};
    }
    std::vector<std::optional<QFont>> headerFonts;  // a smaller font for a caption wider than its column
    std::vector<bool> headerCut;  // too wide even so: shown from its start, cut at its end

    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || section >= static_cast<int>(headers.size())) return {};
        if (role == Qt::DisplayRole) return q(headers[static_cast<std::size_t>(section)]);
        if (role == Qt::FontRole && section < static_cast<int>(headerFonts.size()) &&
            headerFonts[static_cast<std::size_t>(section)])
            return *headerFonts[static_cast<std::size_t>(section)];
        if (role == Qt::TextAlignmentRole && section < static_cast<int>(headerCut.size()) &&
            headerCut[static_cast<std::size_t>(section)])
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& i) const override {
        Qt::ItemFlags f = QAbstractTableModel::flags(i);
        return editable && editor(i.column()).kind != CellEditor::Kind::None ? f | Qt::ItemIsEditable : f;
    }
    bool setData(const QModelIndex& i, const QVariant& v, int role) override {
        if (role != Qt::EditRole) return false;
        if (edited) edited(i.row() + 1, i.column() + 1, v.toString().toStdString());
        return true;
    }
    void reset(TextTable t) {
        beginResetModel();
        table = std::move(t);
        endResetModel();
    }
    // A change of order only: the view keeps its lines, their heights and the
    // columns, and moves what it holds on to (selection, current line) along;
    // an order that adds or drops lines resets the view.
    void reorder(const std::vector<std::size_t>& order) {
        if (order.size() != table.rows()) {
            beginResetModel();
            table.reorder(order);
            endResetModel();
            return;
        }
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        table.reorder(order);
        const QModelIndexList held = persistentIndexList();
        if (!held.isEmpty()) {
            std::vector<int> placeOf(order.size(), -1);
            for (std::size_t i = 0; i < order.size(); ++i) placeOf[order[i]] = static_cast<int>(i);
            QModelIndexList moved;
            moved.reserve(held.size());
            for (const QModelIndex& i : held) {
                const int place = placeOf[static_cast<std::size_t>(i.row())];
                moved.append(place < 0 ? QModelIndex() : index(place, i.column()));
            }
            changePersistentIndexList(held, moved);
        }
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }
    void resetHeaders(std::vector<std::string> captions) {
        beginResetModel();
        headers = std::move(captions);
        if (table.columns() != headers.size()) table = TextTable(headers.size());
        endResetModel();
    }
    void changedHeaders() { emit headerDataChanged(Qt::Horizontal, 0, std::max(0, static_cast<int>(headers.size()) - 1)); }
    void changedHeader(int c) { emit headerDataChanged(Qt::Horizontal, c, c); }
    void changedCell(int r, int c) { emit dataChanged(index(r, c), index(r, c)); }
    void insertAtEnd(const std::vector<std::string>& cells) {
        const int r = static_cast<int>(table.rows());
        beginInsertRows({}, r, r);
        table.appendRow(cells);
        endInsertRows();
    }
    void remove(int r) {
        beginRemoveRows({}, r, r);
        table.removeRow(static_cast<std::size_t>(r));
        endRemoveRows();
    }
};

// The in-place editors of a grid's columns. The edited value is checked when
// the user commits it (Enter, Tab, a choice, leaving the editor); a refused
// value leaves the editor open with the check's message, until a value passes
// or the user abandons the edit (Escape).
class CellDelegate : public QStyledItemDelegate {
public:
    using Commit = std::function<bool(int line, int column, std::string value)>;
    CellDelegate(QObject* parent, const GridModel& model, Commit commit)
        : QStyledItemDelegate(parent), model_(model), commit_(std::move(commit)) {}

    // A cell is one line of text: drawn as such, cut with an ellipsis where it
    // is wider than its column, without the general text layout, which costs
    // the most of a grid's paint.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QWidget* widget = cell.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        const QString text = std::exchange(cell.text, QString());
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget).adjusted(margin, 0, -margin, 0);
        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : !(cell.state & QStyle::State_Active) ? QPalette::Inactive
                                                                                  : QPalette::Normal;
        painter->save();
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(group, cell.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                      : QPalette::Text));
        painter->drawText(room, static_cast<int>(cell.displayAlignment) | Qt::TextSingleLine,
                          cell.fontMetrics.elidedText(text, cell.textElideMode, room.width()));
        painter->restore();
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const CellEditor& e = model_.editor(index.column());
        editing_ = index;
        switch (e.kind) {
            case CellEditor::Kind::None: return nullptr;
            case CellEditor::Kind::Choice: {
                auto* combo = new QComboBox(parent);
                for (const std::string& item : e.items) combo->addItem(q(item));
                QObject::connect(combo, &QComboBox::activated, combo, [this, combo] {
                    const_cast<CellDelegate*>(this)->finish(combo);
                });
                return combo;
            }
            case CellEditor::Kind::Masked: {
                auto* edit = new NumberEdit(parent, e.mask);
                edit->minus = false;
                return edit;
            }
            case CellEditor::Kind::Text: break;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            combo->setCurrentIndex(combo->findText(text));
        else if (auto* edit = qobject_cast<QLineEdit*>(editor))
            edit->setText(model_.editor(index.column()).kind == CellEditor::Kind::Masked ? text.trimmed() : text);
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }
    // The value is stored by finish, once its check has passed.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                finish(editor);
                return true;
            }
        } else if (editor && event->type() == QEvent::FocusOut) {
            // The check's own message box, and the combo's list, take the focus for a while.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (checking_ || reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) return true;
            finish(editor);
            return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    void finish(QWidget* editor) {
        if (checking_ || !editing_.isValid()) return;
        QString value;
        if (auto* combo = qobject_cast<QComboBox*>(editor)) value = combo->currentText();
        else if (auto* edit = qobject_cast<QLineEdit*>(editor)) value = edit->text();
        checking_ = true;
        const bool accepted = commit_(editing_.row() + 1, editing_.column() + 1, value.toStdString());
        checking_ = false;
        if (accepted) {
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        } else {
            QTimer::singleShot(0, editor, [editor] { editor->setFocus(); });
        }
    }

    const GridModel& model_;
    Commit commit_;
    mutable QPersistentModelIndex editing_;
    bool checking_ = false;
};

// The grid's view, which runs a piece of work once, after its next paint.
class GridView : public QTableView {
public:
    using QTableView::QTableView;
    std::function<void()> afterPaint;

protected:
    void paintEvent(QPaintEvent* event) override {
        QTableView::paintEvent(event);
        if (afterPaint) std::exchange(afterPaint, {})();
    }
};

class GridControl : public Control, public GridLike {
public:
    GridControl(Window& w, std::string n, GridView* v) : Control(w, std::move(n), Kind::Grid, v), view_(v) {
        view_->setModel(&model_);
        view_->setSelectionBehavior(QAbstractItemView::SelectRows);
        view_->setSelectionMode(QAbstractItemView::SingleSelection);
        view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view_->verticalHeader()->hide();
        // Every line is as high as the others: the view never measures them.
        view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view_->verticalHeader()->setDefaultSectionSize(20);
        view_->setWordWrap(false);
        model_.edited = [this](int line, int column, std::string value) { userEditCell(line, column, value); };
        view_->setItemDelegate(new CellDelegate(view_, model_, [this](int line, int column, std::string value) {
            return edit(line, column, value);
        }));
        QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, [this] {
            if (!quiet_) fireChange();
        });
        QObject::connect(view_, &QTableView::doubleClicked, [this] { detail::invoke(on.dblClick); });
        QObject::connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, [this](int section) {
            if (on.headClick) {
                auto copy = on.headClick;
                copy(section + 1);
            }
        });
    }

    ~GridControl() override {
        if (view_) view_->afterPaint = {};
    }

    int value() const override {
        const auto s = selection();
        return s.empty() ? 0 : s.front();
    }
    void setValue(int line) override { setSelection(line > 0 ? std::vector<int>{line} : std::vector<int>{}); }
    bool reportsChange() const override { return true; }

    std::string show() const override {
        const auto sel = selection();
        std::string out = "grid " + std::to_string(model_.table.rows()) + " lines selected ";
        if (sel.empty()) out += "none";
        for (std::size_t i = 0; i < sel.size(); ++i) out += (i ? "," : "") + std::to_string(sel[i]);
        out += "\n  ";
        for (std::size_t c = 0; c < model_.headers.size(); ++c) out += (c ? "\t" : "") + escapeCell(model_.headers[c]);
        for (std::size_t r = 0; r < model_.table.rows(); ++r) {
            out += "\n  ";
            for (std::size_t c = 0; c < model_.table.columns(); ++c)
                out += (c ? "\t" : "") + escapeCell(model_.table.cell(r, c));
        }
        return out;
    }
    // A line number of the grid written in decimal, or a refusal.
    int lineNumber(const std::string& text) const {
        int line = 0;
        const auto [end, parsed] = std::from_chars(text.data(), text.data() + text.size(), line);
        if (parsed != std::errc() || end != text.data() + text.size()) throw Refused("not a line: " + text);
        if (line < 1 || line > static_cast<int>(model_.table.rows())) throw Refused("no line " + text);
        return line;
    }

    void userSet(std::string_view v) override {
        std::vector<int> lines;
        std::size_t start = 0;
        while (start < v.size()) {
            std::size_t comma = v.find(',', start);
            if (comma == std::string_view::npos) comma = v.size();
            const std::string item(v.substr(start, comma - start));
            // A line, or a range of lines "first-last", as a drag or Shift+click selects them.
            const std::size_t dash = item.find('-', 1);
            const int first = lineNumber(item.substr(0, dash));
            const int last = dash == std::string::npos ? first : lineNumber(item.substr(dash + 1));
            if (last < first) throw Refused("not a range: " + item);
            for (int line = first; line <= last; ++line) lines.push_back(line);
            start = comma + 1;
        }
        if (lines.size() > 1 && view_->selectionMode() == QAbstractItemView::SingleSelection)
            throw Refused("the grid takes one line");
        setSelection(lines);
    }

    void setHeaders(std::vector<std::string> captions) override {
        model_.resetHeaders(std::move(captions));
        applyWidths();
    }
    void setHeader(int column, std::string_view caption) override {
        if (column < 1 || column > static_cast<int>(model_.headers.size())) return;
        model_.headers[static_cast<std::size_t>(column - 1)] = std::string(caption);
        fitCaption(static_cast<std::size_t>(column - 1));
        model_.changedHeader(column - 1);
    }
    std::string header(int column) const override {
        if (column < 1 || column > static_cast<int>(model_.headers.size())) return {};
        return model_.headers[static_cast<std::size_t>(column - 1)];
    }
    void setWidths(std::vector<int> pixels) override {
        widths_ = std::move(pixels);
        applyWidths();
    }
    void setJustify(std::vector<int> codes) override {
        model_.justify = std::move(codes);
        model_.changedHeaders();
    }
    std::vector<int> justify() const override { return model_.justify; }
    void setMultiSelect(bool on) override {
        view_->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    }
    void setAllowEdit(bool on) override {
        model_.editable = on;
        view_->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                  : QAbstractItemView::NoEditTriggers);
    }
    void setColumnEditor(int column, CellEditor editor) override {
        if (column < 1) return;
        if (model_.editors.size() < static_cast<std::size_t>(column)) model_.editors.resize(static_cast<std::size_t>(column));
        model_.editors[static_cast<std::size_t>(column - 1)] = std::move(editor);
    }
    void setRows(TextTable rows) override {
        quiet_ = true;
        if (rows.columns() != model_.headers.size()) {
            TextTable shaped(model_.headers.size());
            shaped.reserve(rows.rows());
            for (std::size_t r = 0; r < rows.rows(); ++r) shaped.appendRow(rows.row(r));
            rows = std::move(shaped);
        }
        model_.reset(std::move(rows));
        quiet_ = false;
    }
    const TextTable& rows() const override { return model_.table; }
    void reorderRows(const std::vector<std::size_t>& order) override {
        quiet_ = true;
        model_.reorder(order);
        quiet_ = false;
        // The rows' records are laid in their new order after the grid has
        // painted it, for the exports that read whole rows: the click waits for
        // the paint only.
        view_->afterPaint = [this] { QTimer::singleShot(0, &afterPaint_, [this] { model_.table.layInRowOrder(); }); };
    }
    void addRow(const std::vector<std::string>& cells) override { model_.insertAtEnd(cells); }
    void deleteRow(int line) override {
        if (line < 1 || line > static_cast<int>(model_.table.rows())) return;
        quiet_ = true;
        model_.remove(line - 1);
        quiet_ = false;
    }
    void setCell(int line, int column, std::string_view value) override {
        if (line < 1 || line > static_cast<int>(model_.table.rows()) || column < 1 ||
            column > static_cast<int>(model_.table.columns()))
            return;
        model_.table.setCell(static_cast<std::size_t>(line - 1), static_cast<std::size_t>(column - 1), value);
        model_.changedCell(line - 1, column - 1);
    }
    std::string cell(int line, int column) const override {
        if (line < 1 || column < 1) return {};
        return std::string(model_.table.cell(static_cast<std::size_t>(line - 1), static_cast<std::size_t>(column - 1)));
    }
    std::vector<int> selection() const override {
        // Read from the selection's ranges: the grid selects whole lines, so
        // asking the model about every cell of every line (as the model's own
        // list of selected rows does) would only cost time.
        std::vector<int> lines;
        for (const QItemSelectionRange& range : view_->selectionModel()->selection())
            for (int row = range.top(); row <= range.bottom(); ++row) lines.push_back(row + 1);
        std::sort(lines.begin(), lines.end());
        lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
        return lines;
    }
    void setSelection(const std::vector<int>& lines) override {
        quiet_ = true;
        QItemSelectionModel* sel = view_->selectionModel();
        sel->clearSelection();
        // One range per run of consecutive lines: a selection of many single
        // ranges makes every later query of the selection slow.
        QItemSelection all;
        const int rows = static_cast<int>(model_.table.rows()), last = std::max(0, model_.columnCount({}) - 1);
        for (std::size_t i = 0; i < lines.size();) {
            int first = lines[i], end = first;
            while (++i < lines.size() && lines[i] == end + 1) ++end;
            first = std::max(first, 1);
            end = std::min(end, rows);
            if (first <= end) all.select(model_.index(first - 1, 0), model_.index(end - 1, last));
        }
        sel->select(all, QItemSelectionModel::Select);
        if (!lines.empty() && lines.front() >= 1 && lines.front() <= static_cast<int>(model_.table.rows())) {
            // The view scrolls to no cell of a hidden column (lists hide their IDs).
            int shown = 0;
            while (shown < last && view_->isColumnHidden(shown)) ++shown;
            const QModelIndex first = model_.index(lines.front() - 1, shown);
            sel->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
            view_->scrollTo(first);
        }
        quiet_ = false;
        fireChange();
    }
    int currentLine() const override {
        const QModelIndex i = view_->selectionModel()->currentIndex();
        if (i.isValid()) return i.row() + 1;
        const auto s = selection();
        return s.empty() ? 0 : s.front();
    }
    // A number cell takes the value as its editor takes the keys.
    void userEditCell(int line, int column, std::string_view value) override {
        if (!model_.editable) throw Refused("the grid allows no editing");
        const CellEditor& editor = model_.editor(column - 1);
        if (editor.kind == CellEditor::Kind::Masked) {
            mask::NumberBox typed;
            mask::typeNumber(editor.mask, false, typed, value);
            edit(line, column, typed.text);
            return;
        }
        edit(line, column, value);
    }
    // A user's edit: checked, then stored; false when refused. A column without
    // an editor keeps its cells.
    bool edit(int line, int column, std::string_view value) {
        if (model_.editor(column - 1).kind == CellEditor::Kind::None) return false;
        if (on.cellCheck) {
            auto check = on.cellCheck;
            if (!check(line, column, std::string(value))) return false;
        }
        setCell(line, column, value);
        if (on.cellEdit) {
            auto copy = on.cellEdit;
            copy(line, column);
        }
        return true;
    }

private:
    void applyWidths() {
        for (int c = 0; c < static_cast<int>(model_.headers.size()); ++c) {
            const int w = c < static_cast<int>(widths_.size()) ? widths_[static_cast<std::size_t>(c)] : 100;
            view_->setColumnHidden(c, w == 0);
            if (w > 0) view_->setColumnWidth(c, w);
        }
        fitCaptions();
    }
    void fitCaptions() {
        model_.headerFonts.assign(model_.headers.size(), std::nullopt);
        model_.headerCut.assign(model_.headers.size(), false);
        for (std::size_t c = 0; c < model_.headers.size(); ++c) fitCaption(c);
        model_.changedHeaders();
    }
    // A caption wider than its column is shown in a smaller font, down to 6
    // points; one still too wide is cut at its end, so that it reads from its start.
    void fitCaption(std::size_t c) {
        const QHeaderView* header = view_->horizontalHeader();
        if (model_.headerFonts.size() < model_.headers.size()) model_.headerFonts.resize(model_.headers.size());
        if (model_.headerCut.size() < model_.headers.size()) model_.headerCut.resize(model_.headers.size());
        model_.headerFonts[c].reset();
        model_.headerCut[c] = false;
        const int room = header->sectionSize(static_cast<int>(c)) - 10;  // the section's margins
        const QString caption = q(model_.headers[c]);
        QFont font = header->font();
        if (room <= 0 || QFontMetrics(font).horizontalAdvance(caption) <= room) return;
        while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > 6)
            font.setPointSizeF(font.pointSizeF() - 0.5);
        model_.headerFonts[c] = font;
        model_.headerCut[c] = QFontMetrics(font).horizontalAdvance(caption) > room;
    }

    QPointer<GridView> view_;
    GridModel model_;
    QObject afterPaint_;  // the context of the work after a paint: it goes with the grid
    std::vector<int> widths_;
    bool quiet_ = false;
};

}  // namespace

std::unique_ptr<Control> makeGrid(Window& w, std::string name, QWidget* parent) {
    auto* view = new GridView(parent);
    tagWidget(view, w, name);
    view->show();
    return std::make_unique<GridControl>(w, std::move(name), view);
}

}  // namespace ui::detail
