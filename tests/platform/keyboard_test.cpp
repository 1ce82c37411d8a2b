// Keys pressed on real widgets: what a person types reaches the controls'
// values and handlers as it does through the program.
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "support/recording_interaction.h"

namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override { ui::defineWindow({.name = "frmKeys", .kind = ui::WindowKind::Child, .title = "Keys"}); }
    void TearDown() override { ui::Win("frmKeys").release(); }
    static QWidget* widget(const char* name) { return ui::detail::control("frmKeys", name).widget(); }
    testing_support::RecordingInteraction seam;
};

TEST_F(Keyboard, TypingIntoAMaskedBoxFillsItsPositions) {
    int changes = 0;
    auto box = ui::addMaskedBox("frmKeys", "txtM", "9999999").onChange([&] { ++changes; });
    auto* edit = static_cast<QLineEdit*>(widget("txtM"));
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "12a3");
    EXPECT_EQ(box.text(), "123    ");
    EXPECT_EQ(changes, 3);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "12     ");
}

TEST_F(Keyboard, AClickAmongTheBlanksTypesAfterTheText) {
    auto box = ui::addMaskedBox("frmKeys", "txtC", "999999999999999");
    box.at(0, 0, 200, 20).text("12");
    auto* edit = static_cast<QLineEdit*>(widget("txtC"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(190, 10));
    QTest::keyClicks(edit, "3");
    EXPECT_EQ(box.text(), "123            ");
}

TEST_F(Keyboard, UpperCaseMask) {
    auto box = ui::addMaskedBox("frmKeys", "txtU", "!!!");
    auto* edit = static_cast<QLineEdit*>(widget("txtU"));
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(box.text(), "ABC");
}

TEST_F(Keyboard, TypingIntoATextBoxRunsTheChangeHandler) {
    int changes = 0;
    auto box = ui::addTextBox("frmKeys", "txtT").onChange([&] { ++changes; });
    QTest::keyClicks(widget("txtT"), "Ana");
    EXPECT_EQ(box.text(), "Ana");
    EXPECT_EQ(changes, 3);
}

TEST_F(Keyboard, EnterRunsTheControlsActionThenMovesOnExceptInGridsAndEditBoxes) {
    std::vector<std::string> events;
    const auto log = [&](std::string e) { return [&events, e] { events.push_back(e); }; };
    ui::addTextBox("frmKeys", "txtA").onEnter(log("enter txtA")).onLostFocus(log("left txtA"));
    ui::addGrid("frmKeys", "grdB").onLostFocus(log("left grdB"));
    ui::addEditBox("frmKeys", "edtC").onGotFocus(log("got edtC")).onLostFocus(log("left edtC"));
    ui::addTextBox("frmKeys", "txtD").onGotFocus(log("got txtD"));
    ui::addButton("frmKeys", "btnE").onClick(log("click btnE"));
    auto& w = ui::detail::window("frmKeys");
    const auto press = [&](const char* name) {
        auto& c = ui::detail::control("frmKeys", name);
        ui::detail::moveFocus(w, &c);
        events.clear();
        const bool taken = ui::detail::pressEnter(c);
        return std::make_pair(taken, w.focus->name());
    };
    ui::setEnterMovesFocus(true);
    EXPECT_EQ(press("txtA"), std::make_pair(true, std::string("grdB")));
    EXPECT_EQ(events, (std::vector<std::string>{"enter txtA", "left txtA"}));
    EXPECT_EQ(press("grdB"), std::make_pair(false, std::string("grdB")));
    EXPECT_EQ(press("edtC"), std::make_pair(false, std::string("edtC")));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(press("btnE"), std::make_pair(true, std::string("btnE")));  // a button is pressed, the focus stays
    EXPECT_EQ(events, (std::vector<std::string>{"click btnE"}));
    ui::setEnterMovesFocus(false);
    EXPECT_EQ(press("txtA"), std::make_pair(true, std::string("txtA")));  // its action, and the focus stays
    EXPECT_EQ(events, (std::vector<std::string>{"enter txtA"}));
}

}  // namespace
