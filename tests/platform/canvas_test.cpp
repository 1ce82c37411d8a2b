// A canvas keeps the drawing the program gives it and paints it itself.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "support/recording_interaction.h"

namespace {

class Canvas : public ::testing::Test {
protected:
    void SetUp() override {
        ui::defineWindow({.name = "frmCanvas", .kind = ui::WindowKind::Child, .title = "Canvas"});
        ui::addCanvas("frmCanvas", "cnvA").at(0, 0, 40, 30);
    }
    void TearDown() override {
        if (ui::windowExists("frmCanvas")) ui::Win("frmCanvas").release();
    }
    static ui::detail::Control& canvas() { return ui::detail::control("frmCanvas", "cnvA"); }
    static QImage painted() { return canvas().widget()->grab().toImage(); }
    testing_support::RecordingInteraction seam;
};

TEST_F(Canvas, PaintsLinesAndFilledRectangles) {
    const ui::Rgb black{}, white{255, 255, 255}, red{255, 0, 0};
    ui::Ctl("frmCanvas", "cnvA")
        .drawing({{.kind = ui::Shape::Kind::Rectangle,
                   .col1 = 2,
                   .row1 = 2,
                   .col2 = 20,
                   .row2 = 20,
                   .pen = black,
                   .fill = white},
                  {.col1 = 25, .row1 = 5, .col2 = 35, .row2 = 5, .pen = red}});
    const QImage image = painted();
    EXPECT_EQ(image.pixelColor(2, 10), QColor(Qt::black));   // the outline
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));  // the fill
    EXPECT_EQ(image.pixelColor(30, 5), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(30, 8), QColor(Qt::red));
    EXPECT_EQ(canvas().show(), "canvas 1 rectangles 1 lines");
}

TEST_F(Canvas, ANewDrawingReplacesTheOldAndTakesNoFocus) {
    const ui::Ctl c("frmCanvas", "cnvA");
    c.drawing({{.col1 = 0, .row1 = 10, .col2 = 40, .row2 = 10}});
    c.drawing({});
    EXPECT_EQ(canvas().show(), "canvas 0 rectangles 0 lines");
    EXPECT_NE(painted().pixelColor(20, 10), QColor(Qt::black));
    EXPECT_FALSE(canvas().focusable());
}

}  // namespace
