#pragma once
#include <string>
#include <string_view>

namespace shell {

// What a link label opens: a text beginning with "http://" or "https://", in
// any case, as it is; any other text as the e-mail address "mailto:" + text.
std::string linkTarget(std::string_view text);

}  // namespace shell
