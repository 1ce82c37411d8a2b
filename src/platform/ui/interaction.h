#pragma once
// The one seam every blocking call goes through: loops, message boxes, dialogs,
// the wait window and the desktop. The program installs the Qt implementation;
// the scenario driver installs one that answers from a script.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/ui.h"

namespace ui {

enum class MsgKind { Plain, Info, Stop, Warning };
enum class DialogKind { Open, Save, Folder };

struct DialogRequest {
    DialogKind kind = DialogKind::Open;
    std::string title;
    std::vector<FileFilter> filters;
    std::string folder;
    std::string fileName;
};

class Interaction {
public:
    virtual ~Interaction() = default;
    virtual void mainLoop() = 0;
    // Returns once the window named is released.
    virtual void modalLoop(const std::string& window) = 0;
    virtual void message(MsgKind kind, std::string_view title, std::string_view text) = 0;
    virtual bool question(std::string_view title, std::string_view text) = 0;
    virtual std::optional<std::string> dialog(const DialogRequest& request) = 0;
    virtual void waitShown(std::string_view text) = 0;
    virtual void waitHidden() = 0;
    // False when no program could open it.
    virtual bool openExternal(std::string_view target) = 0;
    virtual void windowOpened(const std::string& window) = 0;
    virtual void windowClosed(const std::string& window) = 0;
    // A window that was open already came in front of the others.
    virtual void windowInFront(const std::string&) {}
    // The print preview is about to show a document of this many pages.
    virtual void previewShown(int pages) = 0;
    // The user prints the previewed pages; `send` hands them to the printer.
    // The program's interaction calls it; the driver and tests only record it.
    virtual void print(int pages, const std::function<void()>& send) = 0;
    // Ends the process; never returns.
    [[noreturn]] virtual void endProcess(int exitCode) = 0;
};

Interaction& interaction();
void setInteraction(Interaction* i);

// The interaction of the real program, on Qt's event loop and dialogs.
Interaction& qtInteraction();

}  // namespace ui
