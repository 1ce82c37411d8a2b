// The about box frmZaProgramata: the copyright line and the links to the web
// page and the e-mail address, opened by the desktop.
#include "shell/udfs.h"
#include "platform/ui/ui.h"
#include "shell/about_link.h"
#include "shell/entries.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

const std::string WINDOW = "frmZaProgramata";
const std::string WEB = "https://kasavel.mk";
const std::string EMAIL = "info@kasavel.mk";
constexpr ui::Rgb LINK_BLUE{0, 0, 255};

void ZAPROGRAMATAFORMRESIZE() {
    const ui::Win w(WINDOW);
    ui::Ctl(WINDOW, "btnOK").move(w.width() / 2 - 50, w.height() - 95);
}

void addLink(const std::string& name, const std::string& text, int row, int width) {
    ui::addLink(WINDOW, name).at(150, row, width, 20).text(text).color(LINK_BLUE).onClick([name] {
        openOnDesktop(linkTarget(ui::Ctl(WINDOW, name).text()));
    });
}

}  // namespace

void ZAPROGRAMATA() {
    using namespace vocab;
    if (ui::windowExists(WINDOW)) return;
    ui::defineWindow({.name = WINDOW,
                      .kind = ui::WindowKind::Modal,
                      .title = CTITZAPROGRAMATA,
                      .width = 500,
                      .height = 200});
    ui::addLabel(WINDOW, "lblZaProgramataCopyright").at(30, 20, 300, 20).text(CVALUELBLCOPYRIGHT);
    ui::addLabel(WINDOW, "lblZaProgramataWebLink").at(30, 50, 100, 20).text(CVALUELBLWEBLINK);
    addLink("hplZaProgramataWebLink", WEB, 50, 400);
    ui::addLabel(WINDOW, "lblZaProgramataEMail").at(30, 70, 100, 20).text(CVALUELBLEMAIL);
    addLink("hplZaProgramataEMail", EMAIL, 70, 200);
    ui::addButton(WINDOW, "btnOK")
        .at(500 / 2 - 40, 200 - 95, 100, 25)
        .text(CCAPTIONOK)
        .picture("img16OK")
        .tooltip(CTOOLTIPNAJAVISE)
        .onClick([] { ui::Win(WINDOW).release(); });
    ui::Win(WINDOW).onSize(ZAPROGRAMATAFORMRESIZE).center().activate();
}

}  // namespace shell
