// The register edit window: modal, titled by add or edit, its two buttons on
// a row above its bottom (95 pixels unless the window says otherwise).
#include "registers/edit_window.h"

#include <gtest/gtest.h>

#include "platform/ui/registry.h"
#include "platform/ui/ui.h"
#include "registers/account_grid.h"
#include "shell/vocabulary.h"
#include "support/recording_interaction.h"

namespace {

TEST(RegisterEditWindow, TitleAndButtons) {
    struct Case {
        bool isNew;
        int width, height, cancelFromRight, confirmCol, buttonsFromBottom;
        std::string title;
    } cases[] = {
        {true, 600, 250, 140, 30, 95, vocab::CTITDODAJNOVZAPIS},
        {false, 800, 500, 140, 30, 95, vocab::CTITEDITIRAJZAPIS},
        {false, 700, 680, 200, 100, 70, vocab::CTITEDITIRAJZAPIS},  // the payment item's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        testing_support::RecordingInteraction seam;
        struct Seen {
            std::string title;
            int confirmCol = 0, confirmRow = 0, cancelCol = 0, cancelRow = 0;
        } seen;
        seam.inModal = [&](const std::string& w) {
            seen = {ui::Win(w).title(), ui::Ctl(w, "cmdConfirm").col(), ui::Ctl(w, "cmdConfirm").row(),
                    ui::Ctl(w, "cmdCancel").col(), ui::Ctl(w, "cmdCancel").row()};
            ui::Win(w).release();
        };
        registers::openEditWindow({.name = "frmProbaChange",
                                   .width = c.width,
                                   .height = c.height,
                                   .cancelFromRight = c.cancelFromRight,
                                   .confirmCol = c.confirmCol,
                                   .buttonsFromBottom = c.buttonsFromBottom,
                                   .isNew = c.isNew,
                                   .controls = [](const std::string&) {},
                                   .save = [] {}});
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.confirmCol, c.confirmCol);
        EXPECT_EQ(seen.confirmRow, c.height - c.buttonsFromBottom);
        EXPECT_EQ(seen.cancelCol, c.width - c.cancelFromRight);
        EXPECT_EQ(seen.cancelRow, c.height - c.buttonsFromBottom);
    }
}

// The small window of one giro account keeps its cancel button 150 pixels
// from its right edge.
TEST(RegisterEditWindow, TheAccountWindowsCancelButton) {
    testing_support::RecordingInteraction seam;
    ui::defineWindow({.name = "frmProbaChange", .width = 800, .height = 500});
    ui::addTab("frmProbaChange", "tabProba", {"1"});
    registers::addAccountPage({.window = "frmProbaChange", .tab = "tabProba", .page = 1, .name = "Proba"},
                              ui::TextTable(2));
    int cancelCol = 0;
    seam.inModal = [&](const std::string& w) {
        EXPECT_EQ(w, "frmProba2Change");
        cancelCol = ui::Ctl(w, "cmdCancel").col();
        ui::Win(w).release();
    };
    ui::detail::invoke(ui::detail::control("frmProbaChange", "btnDodaj").on.click);
    EXPECT_EQ(cancelCol, 500 - 150);
    ui::Win("frmProbaChange").release();
}

}  // namespace
