#pragma once
// What the lists of one payer whose selection an action takes (the treasury
// orders overview and report, the payments overview and report) start from:
// the payers of their combo, the chosen payer's ID and record, and the list.
#include <memory>
#include <string>
#include <vector>

#include "listkit/list_state.h"
#include "registers/current_payer.h"
#include "registers/edit_window.h"

namespace registers {

struct PayerSelection {
    Lookup payers;
    std::string MISPLAKJACIID;
    CurrentPayer payer;
    std::shared_ptr<listkit::ListState> list;

    // The payer of `payerId` becomes the chosen one, its record read.
    void choose(const std::string& payerId);
};

// The opening steps: false when the window is open already (it comes in
// front); the tables made
// in the wait window; the payers looked up (false without payers, their
// message shown) and the first one chosen.
bool openPayerSelection(PayerSelection& state, const std::string& window, const std::vector<std::string>& tables);

// The same on a new state of the window's own kind; null when it does not open.
template <class State>
std::shared_ptr<State> openPayerSelection(const std::string& window, const std::vector<std::string>& tables) {
    auto state = std::make_shared<State>();
    if (!openPayerSelection(*state, window, tables)) return nullptr;
    return state;
}

}  // namespace registers
