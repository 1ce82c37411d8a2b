#include "listkit/selection_action.h"

#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/row_changes.h"
#include "shell/vocabulary.h"

namespace listkit {

std::optional<std::vector<int>> selectedLines(const ListState& s) {
    std::vector<int> lines = s.gridCtl().selection();
    if (lines.empty()) {
        ui::msgInfo(vocab::CPORNITUEDENREDSELEKTIRAN, vocab::CPORGRESKA);
        return std::nullopt;
    }
    return lines;
}

void changeAndClose(const std::string& window, const shell::RowChange& change, std::string_view question,
                    std::string_view success) {
    using namespace vocab;
    if (question.empty() || ui::msgYesNo(std::string(question) + "\r\n" + CPORSIGURNI)) {
        if (shell::changeRows(shell::app().DB, change) && !success.empty()) ui::msgInfo(success, CPORUSPEH);
    }
    ui::Win(window).release();
}

}  // namespace listkit
