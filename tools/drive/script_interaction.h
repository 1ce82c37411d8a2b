#pragma once
// Runs the program's waits from a script: wherever the program waits for the
// user (main loop, modal windows, questions, dialogs) the next line runs.
#include <deque>
#include <ostream>
#include <stdexcept>

#include "platform/ui/interaction.h"
#include "tools/drive/script.h"

namespace drive {

// The program ended (its own end, or the script's): the exit status to report.
struct Ended {
    int status;
};

// A line that failed: exit status 1.
struct Failed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptInteraction : public ui::Interaction {
public:
    ScriptInteraction(Script& script, std::ostream& transcript) : script_(script), out_(transcript) {}

    void mainLoop() override;
    void modalLoop(const std::string& window) override;
    void message(ui::MsgKind kind, std::string_view title, std::string_view text) override;
    bool question(std::string_view title, std::string_view text) override;
    std::optional<std::string> dialog(const ui::DialogRequest& request) override;
    void waitShown(std::string_view text) override;
    void waitHidden() override {}
    // The driver opens nothing and reports it opened.
    bool openExternal(std::string_view target) override;
    void windowOpened(const std::string& window) override;
    void windowClosed(const std::string& window) override;
    void windowInFront(const std::string& window) override;
    void previewShown(int pages) override;
    // Records the pages; nothing reaches a printer.
    void print(int pages, const std::function<void()>& send) override;
    [[noreturn]] void endProcess(int exitCode) override;

private:
    // Runs lines until `done` holds; the end of the script ends the program.
    template <class Done>
    void runUntil(Done done);
    void run(const Line& line);
    // The answer to a question or dialog: a kept line, else the next line.
    Line answer(const std::string& what);

    Script& script_;
    std::ostream& out_;
    std::deque<Line> kept_;
};

}  // namespace drive
