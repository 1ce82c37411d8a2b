#include "shell/row_changes.h"

#include <sqlite3.h>

#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "shell/statement.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

// Runs the statement for every row inside the open transaction. Nothing when
// every row changed; otherwise the message that says why (empty for the usual
// one), after SQLite's own error where there is one.
std::optional<std::string> runRows(sqlite3* db, const RowChange& change) {
    Statement statement(db, change.statement);
    if (!statement.ready()) return std::string();
    for (std::size_t r = 0; r < change.rows.rows(); ++r) {
        if (!statement.run(change.rows, r, change.fixed)) return std::string();
        const int changed = sqlite3_changes(db);
        if (changed != 1) {
            if (changed == 0 && change.unchanged)
                if (auto why = change.unchanged(r)) return why;
            return std::string();
        }
    }
    return std::nullopt;
}

}  // namespace

bool changeRows(sqlite3* db, const RowChange& change) {
    std::optional<std::string> failure;
    {
        Transaction transaction(db);
        if (!transaction.open()) {
            // The failed BEGIN has shown its error; only what stands is left to say.
            if (change.afterFailure.empty()) return false;
            failure = std::string();
        } else {
            failure = runRows(db, change);
            if (!failure && transaction.commit()) return true;
            if (!failure) failure = std::string();  // the failed commit has shown its error
        }
    }  // rolled back before the user is told
    std::string message = failure->empty() ? vocab::CPORPROBLEMIPRIUPDATE : *failure;
    if (!change.afterFailure.empty()) message += "\r\n" + change.afterFailure;
    ui::msgInfo(message, vocab::CPORGRESKA);
    return false;
}

}  // namespace shell
