#include "shell/row_changes.h"

#include <sqlite3.h>

#include <memory>

#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {

void bindText(sqlite3_stmt* statement, int parameter, std::string_view value) {
    // A null pointer would bind NULL: an empty value stays the empty text.
    sqlite3_bind_text(statement, parameter, value.data() ? value.data() : "", static_cast<int>(value.size()),
                      SQLITE_STATIC);
}

// SQLite's error, naming the statement with the row's values in it as it ran.
void showFailedRun(sqlite3* db, sqlite3_stmt* statement, const std::string& text) {
    char* expanded = sqlite3_expanded_sql(statement);
    showError(db, expanded ? std::string_view(expanded) : std::string_view(text));
    sqlite3_free(expanded);
}

// Runs the statement for every row inside the open transaction. Nothing when
// every row changed; otherwise the message that says why (empty for the usual
// one), after SQLite's own error where there is one.
std::optional<std::string> runRows(sqlite3* db, const RowChange& change) {
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, change.statement.c_str(), -1, &prepared, nullptr) != SQLITE_OK) {
        showError(db, change.statement);
        sqlite3_finalize(prepared);
        return std::string();
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> finalize(prepared, sqlite3_finalize);
    const int columns = static_cast<int>(change.rows.columns());
    // Bindings outlive a reset: the fixed values are bound once.
    for (std::size_t i = 0; i < change.fixed.size(); ++i)
        bindText(prepared, columns + static_cast<int>(i) + 1, change.fixed[i]);
    for (std::size_t r = 0; r < change.rows.rows(); ++r) {
        for (int c = 0; c < columns; ++c) bindText(prepared, c + 1, change.rows.cell(r, static_cast<std::size_t>(c)));
        if (sqlite3_step(prepared) != SQLITE_DONE) {
            showFailedRun(db, prepared, change.statement);
            return std::string();
        }
        const int changed = sqlite3_changes(db);
        sqlite3_reset(prepared);
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
