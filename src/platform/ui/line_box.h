#pragma once
// What text, masked and number boxes share: a one-line editor, shown by the
// driver as its text, that selects its text when the focus comes by a key.
// Properties of one kind only are faults of the program on the others.
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/line_edit.h"
#include "platform/ui/quote.h"

namespace ui::detail {

class LineBox : public Control, public TextLike {
public:
    LineBox(Window& w, std::string name, Kind kind, LineEdit* edit) : Control(w, std::move(name), kind, edit), edit_(edit) {}
    bool reportsChange() const override { return true; }
    std::string show() const override { return quote(text()); }
    void focusArrivedByKey() override { edit_->selectForTyping(); }
    void setReadOnly(bool on) override { edit_->setReadOnly(on); }
    void setPassword(bool) override { unsupported("password"); }
    void setMaxLength(int) override { unsupported("maxlength"); }
    void setMinusSign(bool) override { unsupported("minus sign"); }
    void setMask(std::string) override { unsupported("mask"); }
    double number() const override { unsupported("number"); }
    bool numberValid() const override { unsupported("number"); }
    void setNumber(double) override { unsupported("number"); }

protected:
    LineEdit* edit_;
};

}  // namespace ui::detail
