#include "shell/row_changes.h"

#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace shell {

bool changeRows(sqlite3* db, const std::vector<std::string>& statements) {
    Transaction transaction(db);
    if (!transaction.open()) return false;  // the failed BEGIN has shown its error
    for (const std::string& statement : statements)
        if (!transaction.run(statement)) {
            ui::msgInfo(vocab::CPORPROBLEMIPRIUPDATE, vocab::CPORGRESKA);
            return false;
        }
    if (!transaction.commit()) {
        ui::msgInfo(vocab::CPORPROBLEMIPRIUPDATE, vocab::CPORGRESKA);
        return false;
    }
    return true;
}

}  // namespace shell
