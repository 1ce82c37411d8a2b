#include "registers/payer_selection.h"

#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace registers {

void PayerSelection::choose(const std::string& payerId) {
    MISPLAKJACIID = payerId;
    ISPLAKJACICITAJ(payerId, payer);
}

bool openPayerSelection(PayerSelection& state, const std::string& window, const std::vector<std::string>& tables,
                        std::string_view payerRows) {
    using namespace vocab;
    if (ui::windowExists(window)) return false;
    {
        ui::WaitWindow wait(CPORSEPREZEMAATPODATOCITEODBAZA);
        for (const std::string& statement : tables) shell::MISCSQL1(shell::app().DB, statement);
    }
    auto payers = lookup(payerRows, CPORPRAZNAISPLAKJACI, "", true);
    if (!payers) return false;
    state.payers = std::move(*payers);
    state.choose(state.payers.idAt(1));
    return true;
}

}  // namespace registers
