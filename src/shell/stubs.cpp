// Entry operations of windows that are not built yet: they open nothing.
#include "shell/entries.h"

namespace payments {
void TRANSAKCII() {}
}  // namespace payments
