// The print preview window: one page at a time, fitted to the window, with
// print, save as PDF and save as pictures.
#include "platform/print/preview.h"

#include <QLabel>
#include <QPixmap>
#include <algorithm>
#include <memory>

#include "platform/desktop/files.h"
#include "platform/print/qt_printer.h"
#include "platform/ui/interaction.h"
#include "platform/ui/registry.h"

namespace print {

namespace {

const std::string window = "frmPrintPreview";
const char* const errorTitle = "Грешка!!!";

struct State {
    const Document& document;
    PageArea paper;
    std::size_t page = 0;  // 0-based
};

int pageCount(const State& s) { return static_cast<int>(s.document.pageCount()); }

// The picture of the current page, as large as the space below the buttons allows.
void showPage(const State& s) {
    ui::Ctl(window, "lblPage")
        .text("Страна " + std::to_string(std::min<int>(s.page + 1, pageCount(s))) + " од " +
              std::to_string(pageCount(s)));
    ui::Ctl(window, "btnPrevious").enabled(s.page > 0);
    ui::Ctl(window, "btnNext").enabled(static_cast<int>(s.page) + 1 < pageCount(s));
    auto* label = qobject_cast<QLabel*>(ui::detail::control(window, "imgPage").widget());
    const QWidget* client = label->parentWidget();
    const QRect area(10, 50, std::max(client->width() - 20, 50), std::max(client->height() - 60, 50));
    if (s.document.pageCount() == 0) {
        label->clear();
        return;
    }
    // The page shown so far goes before its successor is drawn: never two pictures at once.
    label->clear();
    const double dotsPerMm = std::min(area.width() / s.paper.width, area.height() / s.paper.height);
    const QImage image = detail::picture(s.document.page(s.page), s.paper, dotsPerMm * 25.4);
    label->setGeometry(area.left() + (area.width() - image.width()) / 2, area.top(), image.width(), image.height());
    label->setPixmap(QPixmap::fromImage(image));
}

// Pictures of an earlier save are replaced only when the user agrees.
std::string replaceQuestion(const std::vector<std::string>& existing) {
    const std::string names = existing.size() > 1 ? existing.front() + " ... " + existing.back() : existing.front();
    return "Во фолдерот веќе постојат слики со истите имиња: " + names + ".\r\nДа се заменат?";
}

std::string replaceFileQuestion(const std::string& path) { return "Фајлот " + path + " веќе постои.\r\nДа се замени?"; }

void reportFailure(const std::string& failure) {
    if (!failure.empty()) ui::msgStop(failure, errorTitle);
}

void define(const std::shared_ptr<State>& state) {
    ui::defineWindow({.name = window,
                      .kind = ui::WindowKind::Modal,
                      .title = "Преглед пред печатење",
                      .width = 1000,
                      .height = 760,
                      .minimizeBox = false});
    const int pages = pageCount(*state);
    ui::addButton(window, "btnPrint").at(10, 10, 110, 28).text("&Печати").onClick([state, pages] {
        ui::interaction().print(pages, [state] { reportFailure(detail::sendToPrinter(state->document)); });
    });
    ui::addButton(window, "btnSavePdf").at(130, 10, 130, 28).text("Сочувај &PDF").onClick([state] {
        const auto chosen = ui::putFile("Сочувај PDF", {{"PDF", "*.pdf"}});
        if (!chosen) return;
        // A name without an extension gets ".pdf"; the dialog asked only about the name typed.
        const std::string path = desktop::withExtension(*chosen, ".pdf");
        if (path != *chosen) {
            const desktop::Presence there = desktop::presence(path);
            if (!there.failure.empty()) return reportFailure(there.failure);
            if (there.exists && !ui::msgYesNo(replaceFileQuestion(path))) return;
        }
        reportFailure(savePdf(state->document, path));
    });
    ui::addButton(window, "btnSavePictures").at(270, 10, 130, 28).text("Сочувај с&лики").onClick([state] {
        const auto folder = ui::getFolder("Фолдер за сликите");
        if (!folder) return;
        const auto existing = existingPictures(state->document, *folder);
        if (!existing.empty() && !ui::msgYesNo(replaceQuestion(existing))) return;
        reportFailure(savePictures(state->document, *folder));
    });
    ui::addButton(window, "btnPrevious").at(430, 10, 40, 28).text("<").onClick([state] {
        if (state->page > 0) --state->page;
        showPage(*state);
    });
    ui::addLabel(window, "lblPage").at(480, 14, 120, 20).align(ui::Align::Center);
    ui::addButton(window, "btnNext").at(610, 10, 40, 28).text(">").onClick([state] {
        if (static_cast<int>(state->page) + 1 < pageCount(*state)) ++state->page;
        showPage(*state);
    });
    ui::addButton(window, "btnClose").at(680, 10, 110, 28).text("&Затвори").onClick([] { ui::Win(window).release(); });
    ui::addImage(window, "imgPage");
    ui::Win(window).onSize([state] { showPage(*state); }).onKey(ui::Key::Escape, [] { ui::Win(window).release(); });
}

}  // namespace

void preview(const Document& document) {
    const auto paper = pageArea(document.setup);
    if (!paper) {
        ui::msgStop(detail::refusedSetup, errorTitle);
        return;
    }
    auto state = std::make_shared<State>(State{document, *paper});
    define(state);
    ui::interaction().previewShown(pageCount(*state));
    ui::Win(window).center().activate();
    // An interaction that does not wait (unit tests) leaves the window open.
    if (ui::windowExists(window)) ui::Win(window).release();
}

}  // namespace print
