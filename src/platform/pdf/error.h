#pragma once
// What the PDF writers throw when libharu or the file refuses the document.
#include <stdexcept>

namespace pdf {

struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace pdf
