// The program's non-modal windows stay within reach: the desktop keeps them in
// front of the main window, and the entry of an open window brings it back.
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "support/recording_interaction.h"

namespace {

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        ui::defineWindow({.name = "frmMainT", .kind = ui::WindowKind::Main, .title = "Main"});
        ui::Win("frmMainT").maximize().activate();
    }
    void TearDown() override { ui::releaseAllWindows(); }
    static QMainWindow* frame(const char* name) { return ui::detail::window(name).widget; }
    static void open(const char* name, ui::WindowKind kind = ui::WindowKind::Child) {
        ui::defineWindow({.name = name, .kind = kind, .title = name, .width = 300, .height = 200});
        ui::Win(name).activate();
    }
    testing_support::RecordingInteraction seam;
};

// The desktop keeps a window above the one it stands for: the list windows
// stand for the main window, so a click on the main window leaves them in front.
TEST_F(Windows, ListWindowsStandForTheMainWindow) {
    open("frmListT");
    const QWindow* list = frame("frmListT")->windowHandle();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->transientParent(), frame("frmMainT")->windowHandle());
    EXPECT_FALSE(frame("frmMainT")->windowHandle()->transientParent());
}

TEST_F(Windows, TheEntryOfAnOpenWindowBringsItToTheFront) {
    open("frmListT");
    open("frmOtherT");
    QMainWindow* main = frame("frmMainT");
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_TRUE(ui::bringToFront("frmListT"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame("frmListT")));
    EXPECT_EQ(seam.shown, std::vector<std::string>{"front|frmListT"});
    EXPECT_FALSE(ui::bringToFront("frmClosedT"));
}

}  // namespace
