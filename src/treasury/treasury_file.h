#pragma once
// The one writer of treasury order files, called by every producer with its
// batch: NAPRAVIFAJL(mode, input), and the order specification it prints.
#include <functional>

#include "treasury/order_row.h"

namespace treasury {

// Refuses a batch it cannot write (message, nothing else); otherwise proposes
// the day's next name in the TREZOR folder of the data folder, lets the user
// confirm or change it in the save dialog, writes the file whole (a failure
// is reported with the system's reason and leaves no file), then sets
// input.CDEL, input.savedFile and input.LUSPEH, reports the success and shows
// the order specification. Returns when its preview closes.
//
// A producer whose own work must stand or fall with the file passes
// `beforePlacing`: it runs once the file is complete under its temporary name,
// and the file is put in place only when it returns true (otherwise it is
// removed and the producer has said why).
void NAPRAVIFAJL(Mode mode, TreasuryFileInput& input, const std::function<bool()>& beforePlacing = {});

}  // namespace treasury
