#pragma once
// The one-line editor of text, masked, number and date boxes.
#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <string>

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

    // The focus came by a key (Tab, Enter) or from the program: the whole text
    // is selected, so typing replaces it, with the caret at the first position
    // (where typing starts in a box that holds only blanks).
    void selectForTyping();

protected:
    // Masked and number boxes type what is typed or pasted themselves, key by
    // key, by the rules of their kind; a plain box leaves it to the editor.
    virtual bool typesItself() const { return !mask.empty(); }
    // A masked box is typed over, never shifted as a whole: a selection is
    // blanked before typing starts at its first position.
    virtual void typeKeys(const QString& keys);
    // A key or click that types nothing came between two typed keys.
    virtual void untyped() {}
    // The box holds `newText` with the caret at `caret`; the change handler
    // runs when the text changed.
    void replaceText(const std::string& newText, int caret);

    // Backspace and Delete in a masked box take out one character and close
    // the gap up to the next literal.
    void keyPressEvent(QKeyEvent* e) override;
    // A click never leaves the caret among the trailing blanks of a masked box,
    // where typing would not show: it stops after the last character. In a box
    // that holds only blanks it goes to the first position, with the blanks
    // selected, so that what is typed stands first and replaces them.
    void mousePressEvent(QMouseEvent* e) override;
    // The middle button pastes the selection, as the keys paste the clipboard.
    void mouseReleaseEvent(QMouseEvent* e) override;
    // The menu's Paste pastes as the keys do.
    void contextMenuEvent(QContextMenuEvent* e) override;
    // A box that types itself takes no dropped text, which would go around its rules.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void paste(QClipboard::Mode mode);
    int textEnd() const;
    bool onlyBlanks() const;
    void keepCaretInText();
    bool clickBroughtFocus_ = false;
};

}  // namespace ui::detail
