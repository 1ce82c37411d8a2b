#pragma once
// Files written whole: under a temporary name in the same folder, renamed into
// place once complete, so that a failure never leaves a partial file behind.
#include <string>
#include <string_view>

namespace desktop {

// Writes `bytes` to `path`, replacing an existing file. Returns the system's
// reason when it fails (then neither a new file nor a temporary one is left,
// and an existing file is unchanged); empty on success.
std::string writeFile(const std::string& path, std::string_view bytes);

}  // namespace desktop
