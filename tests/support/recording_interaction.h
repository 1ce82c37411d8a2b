#pragma once
// An interaction for unit tests: records what the program shows and answers
// questions and dialogs from queues, without any window.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/interaction.h"

namespace testing_support {

struct ProgramEnded {
    int code;
};

class RecordingInteraction : public ui::Interaction {
public:
    RecordingInteraction() { ui::setInteraction(this); }
    ~RecordingInteraction() override { ui::setInteraction(nullptr); }

    std::vector<std::string> shown;  // "stop|title|text" and the like, in order
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> paths;
    std::vector<ui::DialogRequest> dialogs;  // every dialog asked for, in order

    // Runs inside a modal window's loop, where a user would act on the window.
    std::function<void(const std::string& window)> inModal;

    void mainLoop() override {}
    void modalLoop(const std::string& window) override {
        if (inModal) inModal(window);
    }
    void message(ui::MsgKind kind, std::string_view title, std::string_view text) override;
    bool question(std::string_view title, std::string_view text) override;
    std::optional<std::string> dialog(const ui::DialogRequest& request) override;
    void waitShown(std::string_view text) override { shown.push_back("wait|" + std::string(text)); }
    void waitHidden() override {}
    bool opens = true;  // whether a program opens what the program hands to the desktop
    bool openExternal(std::string_view target) override {
        shown.push_back("open|" + std::string(target));
        return opens;
    }
    void windowOpened(const std::string&) override {}
    void windowClosed(const std::string&) override {}
    void windowInFront(const std::string& window) override { shown.push_back("front|" + window); }
    void previewShown(int pages) override { shown.push_back("preview|" + std::to_string(pages)); }
    // Records the pages; nothing reaches a printer.
    void print(int pages, const std::function<void()>&) override { shown.push_back("printed|" + std::to_string(pages)); }
    [[noreturn]] void endProcess(int exitCode) override { throw ProgramEnded{exitCode}; }
};

}  // namespace testing_support
