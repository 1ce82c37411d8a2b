#pragma once
// One libharu document with its error capture: the writers of this folder
// build on it. libharu reports a failure through a handler and then returns an
// error code or a null handle; the first failure is kept for the message.
#include <hpdf.h>

#include <string>

#include "platform/pdf/error.h"

namespace pdf {

constexpr double pointsPerMm = 72.0 / 25.4;

class Document {
public:
    Document();  // streams compressed; throws Error when libharu cannot start
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    HPDF_Doc get() const { return doc_; }
    const std::string& failure() const { return failure_; }
    // Throws Error with the first failure libharu reported, if any.
    void check() const;
    // The saved document's bytes; throws Error after any failure.
    std::string bytes();
    // Writes the document straight into the file at `path`, without holding
    // its bytes; throws Error after any failure.
    void saveToFile(const std::string& path);

private:
    static void onError(HPDF_STATUS error, HPDF_STATUS detail, void* data);
    std::string failure_;
    HPDF_Doc doc_ = nullptr;
};

}  // namespace pdf
