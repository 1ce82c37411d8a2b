#pragma once
// The one-line editor of text, masked, number and date boxes.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <functional>
#include <string>

#include "platform/ui/control_kit.h"
#include "platform/ui/mask.h"

namespace ui::detail {

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

}  // namespace ui::detail
