#pragma once
// The one writer of treasury order files, called by every producer with its
// batch: NAPRAVIFAJL(mode, input), and the order specification it prints.
#include <functional>
#include <string>

#include "treasury/order_row.h"

namespace treasury {

// A producer's own work that must stand or fall with the file (storing its
// orders): `run` does it once the file is complete under its temporary name,
// and the file is put in place only when it returns true (otherwise it is
// removed and the producer has said why). `done` says what the work leaves
// stored, for the message when the file cannot be put in place after it.
struct WorkBeforePlacing {
    std::function<bool()> run;
    std::string done;
};

// Refuses a batch it cannot write (message, nothing else); otherwise proposes
// the day's next name in the TREZOR folder of the data folder, lets the user
// confirm or change it in the save dialog, writes the file whole (a failure
// is reported with the system's reason and leaves no file), then sets
// input.CDEL, input.savedFile and input.LUSPEH, reports the success and shows
// the order specification. Returns when its preview closes.
//
// With a producer's `work`, the target is checked once more and the complete
// file, synced, is set aside under the target's name and ".задржан" right
// before the work runs, so that no cleanup ever takes a file whose work
// stands. Should the file still not go in place after the work, it stays
// under that name, and the message names it beside the target and what the
// work left stored.
void NAPRAVIFAJL(Mode mode, TreasuryFileInput& input, const WorkBeforePlacing& work = {});

}  // namespace treasury
