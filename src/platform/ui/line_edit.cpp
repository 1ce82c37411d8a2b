#include "platform/ui/line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "platform/text/utf8.h"
#include "platform/ui/control_kit.h"
#include "platform/ui/mask.h"

namespace ui::detail {

void LineEdit::selectForTyping() {
    const int n = static_cast<int>(text().size());
    if (n > 0) setSelection(n, -n);
    else setCursorPosition(0);
}

void LineEdit::typeKeys(const QString& keys) {
    const bool selected = hasSelectedText();
    const auto from = static_cast<std::size_t>(selected ? selectionStart() : cursorPosition());
    const std::string now = s(text());
    const std::string base = selected ? mask::clear(mask, now, from, from + static_cast<std::size_t>(selectedText().size())) : now;
    std::size_t caret = 0;
    const std::string typedText = mask::typeOver(mask, base, utf8::oneLine(s(keys)), from, &caret);
    replaceText(typedText, static_cast<int>(caret));
}

void LineEdit::replaceText(const std::string& newText, int caret) {
    pristine = false;
    const bool changed = newText != s(text());
    setText(q(newText));
    setCursorPosition(caret);
    if (changed && typed) typed();
}

void LineEdit::keyPressEvent(QKeyEvent* e) {
    if (isReadOnly() || !typesItself()) return QLineEdit::keyPressEvent(e);
    if (e->matches(QKeySequence::Paste)) return paste(QClipboard::Clipboard);
    const bool command = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!e->text().isEmpty() && e->text()[0].isPrint() && !command) return typeKeys(e->text());
    const int key = e->key();
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta &&
        key != Qt::Key_AltGr)
        untyped();
    if (mask.empty()) return QLineEdit::keyPressEvent(e);
    const bool selected = hasSelectedText();
    const int from = selected ? selectionStart() : cursorPosition();
    const int to = selected ? selectionStart() + static_cast<int>(selectedText().size()) : from;
    const std::string now = s(text());
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (selected) return replaceText(mask::clear(mask, now, static_cast<std::size_t>(from), static_cast<std::size_t>(to)), from);
        const auto at = key == Qt::Key_Backspace ? mask::inputBefore(mask, static_cast<std::size_t>(from))
                                                 : mask::inputFrom(mask, static_cast<std::size_t>(from));
        if (at) replaceText(mask::removeAt(mask, now, *at), static_cast<int>(*at));
        return;
    }
    if (key == Qt::Key_End && !(e->modifiers() & Qt::ShiftModifier)) {
        deselect();
        setCursorPosition(textEnd());
        return;
    }
    if (e->matches(QKeySequence::Cut)) {
        copy();
        if (selected) replaceText(mask::clear(mask, now, static_cast<std::size_t>(from), static_cast<std::size_t>(to)), from);
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void LineEdit::paste(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    if (typesItself()) typeKeys(pasted);
    else insert(pasted);
}

void LineEdit::mousePressEvent(QMouseEvent* e) {
    untyped();
    QLineEdit::mousePressEvent(e);
    keepCaretInText();
    if ((clickBroughtFocus_ && wholeOnClick) || onlyBlanks()) selectForTyping();
    clickBroughtFocus_ = false;
}

void LineEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        return paste(QClipboard::Selection);
    }
    QLineEdit::mouseReleaseEvent(e);
}

void LineEdit::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The editor's own Paste item, known by its caption (its shortcut is part of it).
    for (QAction* item : menu->actions()) {
        if (!item->text().startsWith(QLineEdit::tr("&Paste"))) continue;
        QObject::disconnect(item, &QAction::triggered, this, nullptr);
        QObject::connect(item, &QAction::triggered, this, [this] { paste(QClipboard::Clipboard); });
    }
    menu->popup(e->globalPos());
}

void LineEdit::dragEnterEvent(QDragEnterEvent* e) {
    if (typesItself()) return e->ignore();
    QLineEdit::dragEnterEvent(e);
}

void LineEdit::focusInEvent(QFocusEvent* e) {
    untyped();
    QLineEdit::focusInEvent(e);
    clickBroughtFocus_ = e->reason() == Qt::MouseFocusReason;
    if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason) selectForTyping();
    else keepCaretInText();
}

int LineEdit::textEnd() const { return static_cast<int>(mask::textEnd(mask, s(text()))); }

bool LineEdit::onlyBlanks() const {
    const QString t = text();
    if (!mask.empty()) return s(t) == mask::blank(mask);
    return !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) { return c == u' '; });
}

void LineEdit::keepCaretInText() {
    if (mask.empty() || hasSelectedText()) return;
    if (cursorPosition() > textEnd()) setCursorPosition(textEnd());
}

}  // namespace ui::detail
