#pragma once
// The editor of number boxes and of the number cells of grids: it takes only
// keys that leave a number fitting its mask (mask::typeNumber), typed or
// pasted alike, and holds the number without the blanks that right-align it.
#include <string>

#include "platform/ui/line_edit.h"

namespace ui::detail {

class NumberEdit : public LineEdit {
public:
    NumberEdit(QWidget* parent, std::string mask);
    std::string numberMask;
    bool minus = true;  // whether a minus sign can be typed in front

protected:
    bool typesItself() const override { return true; }
    void typeKeys(const QString& keys) override;
    void untyped() override { fractionRefused_ = false; }

private:
    bool fractionRefused_ = false;
};

}  // namespace ui::detail
