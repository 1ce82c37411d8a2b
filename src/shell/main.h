#pragma once

namespace shell {
// The program: start-up in its order, then the main window until the end.
// Returns only when start-up fails before any window exists.
int MAIN();
}
