// Keys pressed on real widgets: what a person types reaches the controls'
// values and handlers as it does through the program.
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>
#include <functional>
#include <QMainWindow>
#include <QRadioButton>
#include <QStyleOption>
#include <map>
#include <string_view>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/keyboard.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "support/fixed_today.h"
#include "support/recording_interaction.h"

namespace {

// Types text key by key, Cyrillic too (QTest::keyClicks takes only ASCII).
void typeText(QWidget* widget, std::string_view text) {
    for (const QChar c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
        QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), {});
}

// Presses keys on a line edit: plain characters are typed, and {Name} is one of
// the keys Home, End, Left, Right, Backspace, Delete, SelectAll (Ctrl+A),
// ClickEnd (a mouse click at the right edge), Leave (the focus goes elsewhere).
void press(QLineEdit* edit, std::string_view keys) {
    const std::map<std::string_view, std::pair<Qt::Key, Qt::KeyboardModifiers>> named = {
        {"Home", {Qt::Key_Home, {}}},           {"End", {Qt::Key_End, {}}},
        {"Left", {Qt::Key_Left, {}}},           {"Right", {Qt::Key_Right, {}}},
        {"Backspace", {Qt::Key_Backspace, {}}}, {"Delete", {Qt::Key_Delete, {}}},
        {"SelectAll", {Qt::Key_A, Qt::ControlModifier}},
    };
    while (!keys.empty()) {
        if (keys.front() != '{') {
            const std::size_t n = std::min(keys.find('{'), keys.size());
            typeText(edit, keys.substr(0, n));
            keys.remove_prefix(n);
            continue;
        }
        const std::size_t close = keys.find('}');
        const std::string_view name = keys.substr(1, close - 1);
        keys.remove_prefix(close + 1);
        if (name == "ClickEnd") {
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 3, edit->height() / 2));
        } else if (name == "Leave") {
            auto& c = ui::detail::control(edit->property("kasavel.window").toString().toStdString(),
                                          edit->property("kasavel.control").toString().toStdString());
            ui::detail::moveFocus(c.window(), &c);
            ui::detail::moveFocus(c.window(), nullptr);
        } else {
            const auto& [key, modifiers] = named.at(name);
            QTest::keyClick(edit, key, modifiers);
        }
    }
}

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
    struct Case {
        const char *name, *mask, *start, *keys, *shown;
    } cases[] = {
        {"txtC1", "999999999999999", "12", "3", "123            "},
        {"txtC2", "99.99.9999", "", "10122026", "10.12.2026"},  // the points are no text
        {"txtC3", "99.99.9999", "10.  .    ", "12", "10.12.    "},
    };
    for (const Case& c : cases) {
        auto box = ui::addMaskedBox("frmKeys", c.name, c.mask);
        box.at(0, 0, 200, 20);
        if (*c.start) box.text(c.start);
        auto* edit = static_cast<QLineEdit*>(widget(c.name));
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(190, 10));
        QTest::keyClicks(edit, c.keys);
        EXPECT_EQ(box.text(), c.shown) << c.mask << " from \"" << c.start << '"';
    }
}

TEST_F(Keyboard, MaskedBoxesEditLikeEveryDesktopBox) {
    struct Case {
        const char* mask;
        const char* start;
        const char* keys;
        const char* shown;
    } cases[] = {
        {"999999999", "12345", "{SelectAll}9", "9        "},      // typing replaces the selection from its start
        {"999999999", "12345", "{SelectAll}{Delete}", "         "},
        {"999999999", "12345", "{SelectAll}{Backspace}7", "7        "},
        {"999999999", "12345", "{Home}9", "92345    "},             // typed over, not shifted
        {"999999999", "12", "{Home}{End}3", "123      "},           // End stops after the last character
        {"999999999", "12345", "{Home}{Delete}", "2345     "},       // Delete closes the gap
        {"999999999", "12345", "{End}{Backspace}{Backspace}", "123      "},
        {"999999999", "12345", "{Home}{Right}{Right}{Backspace}", "1345     "},
        {"99.9999", "12.2024", "{Home}{Delete}", "2 .2024"},           // the gap closes up to the literal
        {"99.9999", "12.2024", "{Home}{Right}{Right}{Right}{Backspace}", "1 .2024"},  // stepping back over the literal
        {"99.9999", "12.2024", "{Home}{Right}{Right}{Right}{Backspace}{Backspace}", "  .2024"},
        {"99.9999", "12.2024", "{SelectAll}052025", "05.2025"},
        {"!!!!!", "", "{Home}аб1", "АБ1  "},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + c.start + " " + c.keys);
        const std::string name = "txtMasked" + std::to_string(++n);
        auto box = ui::addMaskedBox("frmKeys", name, c.mask).at(0, 0, 200, 20).text(c.start);
        press(static_cast<QLineEdit*>(widget(name.c_str())), c.keys);
        EXPECT_EQ(box.text(), c.shown);
    }
}

TEST_F(Keyboard, NumberBoxesTakeOnlyNumbersThatFitTheirMask) {
    struct Case {
        const char* mask;
        double start;
        const char* keys;
        const char* shown;
        double stored;
        bool valid = true;
    } cases[] = {
        // The blanks that right-align the value do not count toward its digits.
        {"999", 0, "{ClickEnd}{Backspace}30", " 30", 30},
        {"999", 5, "{End}7", " 57", 57},
        {"99", 10, "{SelectAll}x5y", " 5", 5},            // other keys are refused
        {"99", 10, "{SelectAll}150", "15", 15},            // so is a digit too many
        {"99", 10, "{SelectAll}-", " -", 0, false},
        {"99.99", 0, "{SelectAll}1.234", " 1.23", 1.23},
        {"99.99", 0, "{SelectAll}123.4", " 12.4", 12.4},
        {"99.99", 0, "{SelectAll}5.5{Leave}", " 5.50", 5.5},   // left, it shows through the mask
        {"99.99", 0, "{SelectAll}.{Leave}", "    .", 0, false},
        {"99999999", 0, "{SelectAll}123456789", "12345678", 12345678},
        {"999", 5, "{Home}{Delete}", "   ", 0},             // empty reads 0
        {"999", 5, "{Home}{Delete}{Leave}", "  0", 0},
        {"999", 1000, "", "###", 0, false},                 // too wide for the mask: no number at all
        {"999", 1000, "{Leave}", "###", 0, false},
        {"999", 1000, "{SelectAll}12", " 12", 12},
        // A leading zero never counts toward the digits: typing after it replaces it.
        {"99999999", 0, "{ClickEnd}12345678", "12345678", 12345678},
        {"99999999", 0, "{Home}12345678", "12345678", 12345678},
        {"9999999999999.99", 0, "{Home}1500", "         1500.00", 1500},
        {"999", 100, "{Home}{Right}{Delete}", " 10", 10},         // a zero that is no lone zero stays
        {"999", 0, "{ClickEnd}0", "  0", 0},
        {"999", 0, "{Home}-{End}5", " -5", -5},
        {"9999999999999.99", 0, "{Home}{Right}1500", "         1500.00", 1500},  // after the zero, before the point
        {"9999999999999.99", 0, "{ClickEnd}1500", "            0.00", 0},        // a third decimal is refused
        // The comma is the decimal point of a box with decimals; a box
        // without refuses it and the digits right after it.
        {"9999999999999.99", 0, "{SelectAll}1500,50", "         1500.50", 1500.5},
        {"9999999999999.99", 0, "{SelectAll}0,5{Leave}", "            0.50", 0.5},
        {"9999999999999.99", 0, "{SelectAll}1.500,00", "            1.50", 1.5},
        {"99999999", 0, "{SelectAll}1500,50", "    1500", 1500},
        {"99999999", 0, "{SelectAll}1500,{Left}{Right}5", "   15005", 15005},  // a caret move ends the refusal
        {"99.99", 0, "{SelectAll}10,5{Leave}", "10.50", 10.5},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " " + std::to_string(c.start) + " " + c.keys);
        const std::string name = "txtNumber" + std::to_string(++n);
        auto box = ui::addNumberBox("frmKeys", name, c.mask).at(0, 0, 100, 20).number(c.start);
        press(static_cast<QLineEdit*>(widget(name.c_str())), c.keys);
        EXPECT_EQ(box.text(), c.shown);
        EXPECT_DOUBLE_EQ(box.number(), c.stored);
        EXPECT_EQ(box.numberValid(), c.valid);
    }
}

TEST_F(Keyboard, ATextBoxTakesNoMoreThanItsLimit) {
    struct Case {
        int limit;
        const char* start;
        const char* keys;
        const char* held;
    } cases[] = {
        {2, "", "334", "33"},
        {2, "00", "{End}3", "00"},        // full: the key is refused
        {2, "00", "{SelectAll}33", "33"},
        {3, "", "абвг", "абв"},            // characters, not bytes
        {2, "ABCDE", "", "ABCDE"},         // what the program puts in is kept whole
        {2, "ABCDE", "{SelectAll}12345", "12"},
        {0, "", "без граница", "без граница"},
        // A box that holds only blanks: a click puts the caret first with the
        // blanks selected, so what is typed replaces them.
        {70, "                                                                      ", "{ClickEnd}Име", "Име"},
        {6, "      ", "{ClickEnd}721111", "721111"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.limit) + " \"" + c.start + "\" " + c.keys);
        const std::string name = "txtLimit" + std::to_string(++n);
        auto box = ui::addTextBox("frmKeys", name).at(0, 0, 200, 20).maxLength(c.limit).text(c.start);
        press(static_cast<QLineEdit*>(widget(name.c_str())), c.keys);
        EXPECT_EQ(box.text(), c.held);
    }
}

TEST_F(Keyboard, AnEditBoxTakesNoMoreThanItsLimitTyped) {
    auto box = ui::addEditBox("frmKeys", "edtLimit").at(0, 0, 200, 50).maxLength(5);
    QWidget* edit = widget("edtLimit");
    typeText(edit, "абвгдеж");
    EXPECT_EQ(box.text(), "абвгд");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(box.text(), "абвгд");  // a line break is a character too
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    typeText(edit, "нов");
    EXPECT_EQ(box.text(), "нов");
}

TEST_F(Keyboard, DateBoxesHoldWhatIsTypedAndReadOnlyWholeDates) {
    struct Case {
        const char* start;  // yyyymmdd
        bool mayBeEmpty;
        const char* keys;
        const char* shown;
        const char* date;
        bool valid;
    } cases[] = {
        {"", true, "{Home}15112026", "15.11.2026", "20261115", true},
        {"", true, "{Home}15.11.2026", "15.11.2026", "20261115", true},  // the points typed or not
        {"20250101", true, "{SelectAll}15112026", "15.11.2026", "20261115", true},
        {"20250101", true, "{SelectAll}15.11.2026", "15.11.2026", "20261115", true},
        {"20250101", true, "{SelectAll}{Delete}", "", "", true},
        {"20250101", false, "{SelectAll}{Delete}", "", "", false},  // a box that may not be empty
        {"", true, "{Home}31022026", "31.02.2026", "", false},      // no such date, and not another one
        {"", true, "{Home}29022028", "29.02.2028", "20280229", true},
        {"", true, "{Home}1511", "15.11.    ", "", false},          // half a date
        {"", true, "{Home}15.3.2027", "15.03.2027", "20270315", true},  // one-digit parts closed by their point
        {"20250101", true, "{SelectAll}1.2.2027", "01.02.2027", "20270201", true},
        {"", true, "{Home}29.2.2027", "29.02.2027", "", false},       // whole, but no such day
        {"20250101", true, "{Home}{Right}{Right}{Right}12", "01.12.2025", "20251201", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + " " + c.keys);
        const std::string name = "txtDate" + std::to_string(++n);
        auto box = ui::addDatePicker("frmKeys", name).at(0, 0, 120, 20).allowEmptyDate(c.mayBeEmpty).date(c.start);
        press(static_cast<QLineEdit*>(widget(name.c_str())->focusProxy()), c.keys);
        EXPECT_EQ(box.text(), c.shown);
        EXPECT_EQ(box.date(), c.date);
        EXPECT_EQ(box.dateValid(), c.valid);
    }
}

// What is pasted goes in as its keys typed would: a number box takes a
// pasted 1.500,00 as those keys (1.50), never refused whole nor read as 1500;
// one-line boxes hold a pasted line break or tab as the one blank they show,
// and an edit box keeps its lines.
TEST_F(Keyboard, PastedTextsAreTakenAsTheirKeysTyped) {
    enum class Box { Text, Masked, Number, Edit };
    struct Case {
        Box box;
        const char* mask;
        const char* pasted;
        const char* held;
    } cases[] = {
        {Box::Number, "9999999999999.99", "1.500,00", "            1.50"},
        {Box::Number, "9999999999999.99", "1500,50", "         1500.50"},
        {Box::Number, "99999999", "1.500,00", "       1"},
        {Box::Number, "99999999", "1500,50", "    1500"},
        {Box::Number, "99999999", " 1 500", "    1500"},   // the blanks are refused, the digits taken
        {Box::Text, "", "NL1\nNL2", "NL1 NL2"},
        {Box::Text, "", "прв\r\nвтор\tтрет", "прв втор трет"},
        {Box::Masked, "!!!!!!!", "AB\r\nCD", "AB CD  "},
        {Box::Masked, "99.99.9999", "5.3.2027", "05.03.2027"},
        {Box::Edit, "", "ред\r\nдва", "ред\nдва"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        const std::string name = "txtPasted" + std::to_string(++n);
        const ui::Ctl box = c.box == Box::Text     ? ui::addTextBox("frmKeys", name)
                            : c.box == Box::Masked ? ui::addMaskedBox("frmKeys", name, c.mask)
                            : c.box == Box::Number ? ui::addNumberBox("frmKeys", name, c.mask)
                                                   : ui::addEditBox("frmKeys", name);
        box.at(0, 0, 200, 40);
        QWidget* edit = widget(name.c_str());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), c.held);
    }
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
    ui::addTextBox("frmKeys", "txtF");
    // A button whose press refuses what is typed puts the focus on the refused box.
    ui::addButton("frmKeys", "btnG").onClick([] { ui::Ctl("frmKeys", "txtD").focus(); });
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
    EXPECT_EQ(press("btnE"), std::make_pair(true, std::string("txtF")));  // a button is pressed, then the focus moves on
    EXPECT_EQ(events, (std::vector<std::string>{"click btnE"}));
    EXPECT_EQ(press("btnG"), std::make_pair(true, std::string("txtD")));  // where the press put it, it stays
    ui::setEnterMovesFocus(false);
    EXPECT_EQ(press("txtA"), std::make_pair(true, std::string("txtA")));  // its action, and the focus stays
    EXPECT_EQ(events, (std::vector<std::string>{"enter txtA"}));
    EXPECT_EQ(press("btnE"), std::make_pair(true, std::string("btnE")));
    EXPECT_EQ(events, (std::vector<std::string>{"click btnE"}));
}

TEST_F(Keyboard, EnterOnAButtonThatClosesItsWindowMovesNothing) {
    ui::defineWindow({.name = "frmClosing", .kind = ui::WindowKind::Child, .title = "Closing"});
    ui::addTextBox("frmClosing", "txtA");
    ui::addButton("frmClosing", "btnClose").onClick([] { ui::Win("frmClosing").release(); });
    auto& w = ui::detail::window("frmClosing");
    auto& button = ui::detail::control("frmClosing", "btnClose");
    ui::detail::moveFocus(w, &button);
    ui::setEnterMovesFocus(true);
    EXPECT_TRUE(ui::detail::pressEnter(button));
    ui::setEnterMovesFocus(false);
    EXPECT_FALSE(ui::windowExists("frmClosing"));
}


// Keys that travel between controls: the window is shown and active, and the
// program's keyboard behaviour is installed, as in the running program.
class Travel : public ::testing::Test {
protected:
    void SetUp() override {
        ui::detail::installKeyboard();
        ui::setEnterMovesFocus(true);
        ui::defineWindow({.name = "frmTravel", .kind = ui::WindowKind::Child, .title = "Travel"});
    }
    void TearDown() override {
        ui::setEnterMovesFocus(false);
        if (ui::windowExists("frmTravel")) ui::Win("frmTravel").release();
    }
    void show() {
        ui::Win("frmTravel").activate();
        QWidget* frame = ui::detail::window("frmTravel").widget;
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static std::string focusName() {
        const ui::detail::Window& w = ui::detail::window("frmTravel");
        return w.focus ? w.focus->name() : "";
    }
    static void focusOn(const char* name) { ui::Ctl("frmTravel", name).focus(); }
    testing_support::RecordingInteraction seam;
};

TEST_F(Travel, TypingAfterEnterReplacesTheWholeBox) {
    struct Case {
        const char* what;
        std::function<ui::Ctl(const std::string& name)> make;
        const char* typed;
        const char* held;  // after the focus has moved on again
    } cases[] = {
        {"amount 0.00",
         [](const std::string& n) { return ui::addNumberBox("frmTravel", n, "9999999999999.99").number(0); }, "1500",
         "         1500.00"},
        {"8-digit amount 0",
         [](const std::string& n) { return ui::addNumberBox("frmTravel", n, "99999999").number(0); }, "12345678",
         "12345678"},
        {"2-character programme 00",
         [](const std::string& n) { return ui::addTextBox("frmTravel", n).maxLength(2).text("00"); }, "33", "33"},
        {"text", [](const std::string& n) { return ui::addTextBox("frmTravel", n).text("стар"); }, "нов", "нов"},
        {"70 blanks",
         [](const std::string& n) { return ui::addTextBox("frmTravel", n).maxLength(70).text(std::string(70, ' ')); },
         "Управа за јавни приходи", "Управа за јавни приходи"},
        {"masked month", [](const std::string& n) { return ui::addMaskedBox("frmTravel", n, "99.9999").text("12.2024"); },
         "052025", "05.2025"},
        {"date with points", [](const std::string& n) { return ui::addDatePicker("frmTravel", n).date("20250101"); },
         "15.11.2026", "15.11.2026"},
        {"date without points", [](const std::string& n) { return ui::addDatePicker("frmTravel", n).date("20250101"); },
         "15112026", "15.11.2026"},
    };
    std::vector<ui::Ctl> boxes;
    int row = 0;
    for (const Case& c : cases) {
        const std::string n = std::to_string(row);
        ui::addTextBox("frmTravel", "txtFrom" + n).at(10, 10 + 25 * row, 100, 20);
        boxes.push_back(c.make("txtBox" + n).at(120, 10 + 25 * row, 150, 20));
        ++row;
    }
    ui::addTextBox("frmTravel", "txtLast").at(10, 10 + 25 * row, 100, 20);
    show();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        SCOPED_TRACE(cases[i].what);
        focusOn(("txtFrom" + std::to_string(i)).c_str());
        QTest::keyClick(focused(), Qt::Key_Return);
        ASSERT_EQ(focusName(), boxes[i].name());
        typeText(focused(), cases[i].typed);
        QTest::keyClick(focused(), Qt::Key_Return);
        EXPECT_EQ(boxes[i].text(), cases[i].held);
    }
}

TEST_F(Travel, AClickIntoADateBoxSelectsItSoATypedDateReplacesIt) {
    ui::addTextBox("frmTravel", "txtBefore").at(10, 10, 100, 20);
    auto date = ui::addDatePicker("frmTravel", "txtDate").at(10, 40, 120, 20).date("20250101");
    show();
    for (const char* typed : {"15.11.2026", "16112026"}) {
        SCOPED_TRACE(typed);
        focusOn("txtBefore");
        QWidget* edit = ui::detail::control("frmTravel", "txtDate").widget()->focusProxy();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() / 2, edit->height() / 2));
        EXPECT_EQ(focusName(), "txtDate");
        typeText(focused(), typed);
        EXPECT_EQ(date.date(), typed[2] == '.' ? "20261115" : "20261116");
    }
    // A click into the box that has the focus puts the caret there, to mend one digit.
    QWidget* edit = focused();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
    typeText(edit, "2");
    EXPECT_EQ(date.text(), "26.11.2026");
}

TEST_F(Travel, ADateBoxShowsAWholeDateAndItsCalendarOpensAtTodayWhenEmpty) {
    const testing_support::FixedToday today("20261210");
    int changes = 0;
    auto date = ui::addDatePicker("frmTravel", "txtDate")
                    .at(10, 10, 80, 20)
                    .allowEmptyDate(true)
                    .date("")
                    .onChange([&] { ++changes; });
    show();
    auto* edit = static_cast<QLineEdit*>(ui::detail::control("frmTravel", "txtDate").widget()->focusProxy());
    edit->setText("15.11.2026");
    const QMargins text = edit->textMargins();
    EXPECT_GE(edit->contentsRect().width() - text.left() - text.right(),
              edit->fontMetrics().horizontalAdvance(edit->text()));
    date.date("");
    changes = 0;
    auto* button = ui::detail::control("frmTravel", "txtDate").widget()->findChild<QToolButton*>();
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    auto* calendar = ui::detail::control("frmTravel", "txtDate").widget()->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 10));
    emit calendar->clicked(QDate(2026, 12, 24));
    EXPECT_EQ(date.date(), "20261224");
    EXPECT_EQ(changes, 1);
}

TEST_F(Travel, EnterIntoAControlOnAnotherTabPageShowsThatPage) {
    int pageChanges = 0;
    auto tab = ui::addTab("frmTravel", "tabT", {"Прва", "Втора"}).at(0, 0, 300, 200).onChange([&] { ++pageChanges; });
    ui::addTextBox("frmTravel", "txtFirst").onPage("tabT", 1).at(10, 10, 100, 20);
    auto second = ui::addTextBox("frmTravel", "txtSecond").onPage("tabT", 2).at(10, 10, 100, 20);
    show();
    focusOn("txtFirst");
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focusName(), "txtSecond");
    EXPECT_EQ(tab.value(), 2);
    EXPECT_EQ(pageChanges, 1);
    typeText(focused(), "видливо");
    EXPECT_EQ(second.text(), "видливо");
}

TEST_F(Travel, EnterOrTabIntoARadioGroupFocusesItsCheckedOptionAndArrowsChangeIt) {
    int changes = 0;
    ui::addTextBox("frmTravel", "txtBefore").at(10, 10, 100, 20);
    auto radio = ui::addRadioGroup("frmTravel", "rgChoice", {"Активен", "Неактивен", "Друго"})
                     .at(10, 40, 150, 80)
                     .value(2)
                     .onChange([&] { ++changes; });
    ui::addTextBox("frmTravel", "txtAfter").at(10, 130, 100, 20);
    show();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        SCOPED_TRACE(key == Qt::Key_Return ? "Enter" : "Tab");
        focusOn("txtBefore");
        QTest::keyClick(focused(), key);
        EXPECT_EQ(focusName(), "rgChoice");
        auto* option = qobject_cast<QRadioButton*>(focused());
        ASSERT_NE(option, nullptr);
        EXPECT_TRUE(option->isChecked());
        EXPECT_EQ(option->text().toStdString(), radio.value() == 2 ? "Неактивен" : "Друго");
    }
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_EQ(radio.value(), 3);
    EXPECT_EQ(changes, 1);
    QTest::keyClick(focused(), Qt::Key_Up);
    QTest::keyClick(focused(), Qt::Key_Up);
    EXPECT_EQ(radio.value(), 1);
    EXPECT_EQ(changes, 3);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(focusName(), "txtAfter");
}

TEST_F(Travel, TabLeavesAnEditBoxWhereEnterBreaksTheLine) {
    auto edit = ui::addEditBox("frmTravel", "edtOpis").at(10, 10, 200, 50);
    ui::addTextBox("frmTravel", "txtNext").at(10, 70, 100, 20);
    show();
    focusOn("edtOpis");
    typeText(focused(), "ред");
    QTest::keyClick(focused(), Qt::Key_Return);
    typeText(focused(), "два");
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(edit.text(), "ред\nдва");
    EXPECT_EQ(focusName(), "txtNext");
}

// A size that cannot be negative takes no minus sign, typed or set by the driver.
TEST_F(Keyboard, NumberBoxesWithoutMinusSignRefuseIt) {
    for (const bool minus : {true, false}) {
        const std::string name = minus ? "txtSigned" : "txtSize";
        auto box = ui::addNumberBox("frmKeys", name, "99.99").minusSign(minus);
        auto* edit = static_cast<QLineEdit*>(widget(name.c_str()));
        edit->clear();
        QTest::keyClicks(edit, "-12.5");
        EXPECT_EQ(box.number(), minus ? -12.5 : 12.5) << name;
        ui::detail::control("frmKeys", name).userSet("-7");
        EXPECT_EQ(box.number(), minus ? -7 : 7) << name;
    }
}

// Where the focus is shows: a combo or button that Enter reaches is drawn
// with its focus frame, as one reached by Tab is.
TEST_F(Travel, ControlsReachedByEnterShowTheirFocusFrame) {
    ui::addTextBox("frmTravel", "txtFirst").at(10, 10, 100, 20);
    ui::addComboBox("frmTravel", "cbChoice").at(10, 40, 100, 20).items({"Прва", "Втора"}, 1);
    ui::addButton("frmTravel", "btnOK").at(10, 70, 100, 25).text("&Во ред");
    show();
    focusOn("txtFirst");
    for (const char* reached : {"cbChoice", "btnOK"}) {
        QTest::keyClick(focused(), Qt::Key_Return);
        ASSERT_EQ(focusName(), reached);
        QStyleOption drawn;
        drawn.initFrom(focused());
        EXPECT_TRUE(drawn.state & QStyle::State_HasFocus) << reached;
        EXPECT_TRUE(drawn.state & QStyle::State_KeyboardFocusChange) << reached;
    }
}

TEST(Escape, PressesTheCancelButtonElseActsAsTheCloseBoxOfAModalWindow) {
    testing_support::RecordingInteraction seam;
    struct Case {
        const char* what;
        ui::WindowKind kind;
        bool closeBox, cancelButton, closeBoxAction;
        const char* happened;  // "" when nothing happens and the window stays
    } cases[] = {
        {"modal with a cancel button", ui::WindowKind::Modal, false, true, false, "cancel"},
        {"the cancel button before the close box", ui::WindowKind::Modal, true, true, true, "cancel"},
        {"modal with a close box of its own", ui::WindowKind::Modal, true, false, true, "close box"},
        {"modal with a plain close box", ui::WindowKind::Modal, true, false, false, "released"},
        {"modal with neither", ui::WindowKind::Modal, false, false, false, ""},
        {"child window with a cancel button", ui::WindowKind::Child, true, true, false, "cancel"},
        {"child window with a close box only", ui::WindowKind::Child, true, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string happened;
        ui::defineWindow({.name = "frmEscape", .kind = c.kind, .closeBox = c.closeBox});
        auto box = ui::addTextBox("frmEscape", "txtBox");
        auto cancel = ui::addButton("frmEscape", "cmdCancel").onClick([&] { happened = "cancel"; });
        if (c.cancelButton) cancel.cancel();
        if (c.closeBoxAction) ui::Win("frmEscape").onCloseBox([&] { happened = "close box"; });
        ui::Win("frmEscape").onRelease([&] { happened = happened.empty() ? "released" : happened; });
        box.text("без промена");
        QTest::keyClick(ui::detail::control("frmEscape", "txtBox").widget(), Qt::Key_Escape);
        EXPECT_EQ(happened, c.happened);
        if (ui::windowExists("frmEscape")) {
            EXPECT_EQ(box.text(), "без промена");
            ui::Win("frmEscape").onRelease({}).release();
        }
    }
}

}  // namespace
