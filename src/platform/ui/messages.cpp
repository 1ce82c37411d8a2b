// Message boxes, file dialogs, the wait window and program faults: all through
// the interaction seam, so that the scenario driver can answer them.
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cstdlib>
#include <fstream>

#include "platform/ui/interaction.h"
#include "platform/ui/quote.h"

namespace ui {

namespace {
Interaction* current = nullptr;
}

Interaction& interaction() {
    if (!current) current = &qtInteraction();
    return *current;
}
void setInteraction(Interaction* i) { current = i; }

void msgPlain(std::string_view text) { interaction().message(MsgKind::Plain, "", text); }
void msgInfo(std::string_view text, std::string_view title) { interaction().message(MsgKind::Info, title, text); }
void msgStop(std::string_view text, std::string_view title) { interaction().message(MsgKind::Stop, title, text); }
void msgWarning(std::string_view text, std::string_view title) { interaction().message(MsgKind::Warning, title, text); }
bool msgYesNo(std::string_view text, std::string_view title) { return interaction().question(title, text); }

std::optional<std::string> getFile(std::string_view title, const std::vector<FileFilter>& filters,
                                   std::string_view folder) {
    return interaction().dialog({DialogKind::Open, std::string(title), filters, std::string(folder), ""});
}

std::optional<std::string> putFile(std::string_view title, const std::vector<FileFilter>& filters,
                                   std::string_view folder, std::string_view fileName) {
    auto path = interaction().dialog({DialogKind::Save, std::string(title), filters, std::string(folder),
                                      std::string(fileName)});
    if (path) {
        // Files named without a folder (such as report settings) follow the folder saved into.
        const QFileInfo info(QString::fromStdString(*path));
        QDir::setCurrent(info.absolutePath());
        *path = info.absoluteFilePath().toStdString();
    }
    return path;
}

std::optional<std::string> getFolder(std::string_view title, std::string_view folder) {
    return interaction().dialog({DialogKind::Folder, std::string(title), {}, std::string(folder), ""});
}

WaitWindow::WaitWindow(std::string_view text) { interaction().waitShown(text); }
WaitWindow::~WaitWindow() { interaction().waitHidden(); }

namespace {
std::string escapedHtml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            default: out += c;
        }
    }
    return out;
}
}  // namespace

void fatal(std::string_view what) {
    {
        std::ofstream log("ErrorLog.Htm", std::ios::app);
        log << "<html><body><p><b>Program Error</b></p><p>" << escapedHtml(what) << "</p></body></html>\n";
    }
    interaction().message(MsgKind::Stop, "Program Error", what);
    releaseAllWindows();
    interaction().endProcess(1);
    std::abort();
}

}  // namespace ui
