#pragma once
// PDF documents made of pictures: one JPEG picture per page, each filling its
// page. Plain C++ over libharu; the caller decides where the bytes go.
#include <stdexcept>
#include <string>
#include <vector>

namespace pdf {

struct ImagePage {
    std::string jpeg;  // the picture, JPEG-encoded
    double widthMm = 0, heightMm = 0;
};

struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The bytes of a PDF document with one page per picture, streams compressed.
// Throws Error when libharu refuses a picture or the document.
std::string imagePages(const std::vector<ImagePage>& pages);

}  // namespace pdf
