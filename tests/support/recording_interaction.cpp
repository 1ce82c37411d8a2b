#include "support/recording_interaction.h"

namespace testing_support {

void RecordingInteraction::message(ui::MsgKind kind, std::string_view title, std::string_view text) {
    const char* name = kind == ui::MsgKind::Plain  ? "plain"
                       : kind == ui::MsgKind::Info ? "info"
                       : kind == ui::MsgKind::Stop ? "stop"
                                                   : "warning";
    shown.push_back(std::string(name) + "|" + std::string(title) + "|" + std::string(text));
}

bool RecordingInteraction::question(std::string_view title, std::string_view text) {
    shown.push_back("question|" + std::string(title) + "|" + std::string(text));
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> RecordingInteraction::dialog(const ui::DialogRequest& request) {
    shown.push_back("dialog|" + request.title);
    dialogs.push_back(request);
    if (paths.empty()) return std::nullopt;
    auto p = paths.front();
    paths.pop_front();
    return p;
}

}  // namespace testing_support
