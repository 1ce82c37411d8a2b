#include "registers/payer_selection.h"

#include "platform/ui/ui.h"
#include "registers/isplakjaci_sql.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace registers {

void PayerSelection::choose(const std::string& payerId) {
    MISPLAKJACIID = payerId;
    ISPLAKJACICITAJ(payerId, payer);
}

bool openPayerSelection(PayerSelection& state, const std::string& window, const std::vector<std::string>& tables) {
    using namespace vocab;
    if (ui::bringToFront(window)) return false;
    {
        ui::WaitWindow wait(CPORSEPREZEMAATPODATOCITEODBAZA);
        for (const std::string& statement : tables) shell::MISCSQL1(shell::app().DB, statement);
    }
    auto payers = lookup(PAYERROWS, CPORPRAZNAISPLAKJACI, "", true);
    if (!payers) return false;
    state.payers = std::move(*payers);
    state.choose(state.payers.idAt(1));
    return true;
}

}  // namespace registers
