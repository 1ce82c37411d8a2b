#include "platform/ui/number_edit.h"

#include <QValidator>

#include "platform/ui/control_kit.h"
#include "platform/ui/mask.h"
#include "platform/ui/number_typing.h"

namespace ui::detail {

namespace {

// Keeps out what reaches the editor around its typing (an input method):
// only a number that fits the mask stands in it.
class NumberGuard : public QValidator {
public:
    explicit NumberGuard(NumberEdit* edit) : QValidator(edit), edit_(edit) {}
    State validate(QString& input, int& caret) const override {
        if (!edit_->minus && input.contains(u'-')) return Invalid;
        const auto held = mask::typedNumber(edit_->numberMask, s(input), &caret);
        if (!held) return Invalid;
        input = q(*held);
        return Acceptable;
    }

private:
    NumberEdit* edit_;
};

}  // namespace

NumberEdit::NumberEdit(QWidget* parent, std::string mask) : LineEdit(parent), numberMask(std::move(mask)) {
    setValidator(new NumberGuard(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumberEdit::typeKeys(const QString& keys) {
    const bool selected = hasSelectedText();
    const auto from = static_cast<std::size_t>(selected ? selectionStart() : cursorPosition());
    const mask::NumberBox before{s(text()), from, from + static_cast<std::size_t>(selectedText().size()), fractionRefused_};
    mask::NumberBox box = before;
    mask::typeNumber(numberMask, minus, box, s(keys));
    fractionRefused_ = box.fractionRefused;
    // Keys all refused leave the selection as it was.
    if (box.text != before.text || box.from != before.from || box.to != before.to)
        replaceText(box.text, static_cast<int>(box.from));
}

}  // namespace ui::detail
