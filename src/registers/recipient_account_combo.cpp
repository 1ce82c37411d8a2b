#include "registers/recipient_account_combo.h"

#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

std::optional<std::vector<std::string>> showRecipientAccounts(const ui::Ctl& combo, const ui::TextTable& accounts) {
    combo.deleteAllItems();
    if (accounts.empty()) {
        ui::msgInfo(vocab::CPORNEMAZIROSMETKAPRIMAC, vocab::CPORGRESKA);
        return std::nullopt;
    }
    std::vector<std::string> items;
    shell::NAPUNINIZIZAKOMBO(items, accounts, "", true);
    combo.items(items, 1);
    return items;
}

}  // namespace registers
