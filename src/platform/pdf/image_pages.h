#pragma once
// PDF documents made of pictures: one JPEG picture per page, each filling its
// page, written out as the pages come, so that a long document never lies in
// memory whole. Plain C++; the caller decides where the bytes go.
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pdf {

struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ImagePages {
public:
    // Takes the document's bytes in order; false stops the writing.
    using Out = std::function<bool(std::string_view bytes)>;

    explicit ImagePages(Out out);

    // One page of `widthMm` x `heightMm` showing the JPEG picture. Throws Error
    // when the picture is not a JPEG picture or the bytes cannot be written.
    void add(std::string_view jpeg, double widthMm, double heightMm);
    // The page tree, catalogue and cross-reference table that end the document.
    void finish();

private:
    void write(std::string_view bytes);
    void startObject();

    Out out_;
    std::size_t written_ = 0;
    std::vector<std::size_t> offsets_;  // of objects 1, 2, ...
    std::vector<int> pages_;            // object numbers of the pages
};

}  // namespace pdf
