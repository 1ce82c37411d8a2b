#include "platform/pdf/document.h"

namespace pdf {

void Document::onError(HPDF_STATUS error, HPDF_STATUS detail, void* data) {
    auto* first = static_cast<std::string*>(data);
    if (first->empty()) *first = "libharu error " + std::to_string(error) + "/" + std::to_string(detail);
}

Document::Document() : doc_(HPDF_New(onError, &failure_)) {
    if (!doc_) throw Error("libharu cannot start a document");
    HPDF_SetCompressionMode(doc_, HPDF_COMP_ALL);
}

Document::~Document() { HPDF_Free(doc_); }

void Document::check() const {
    if (!failure_.empty()) throw Error(failure_);
}

void Document::saveToFile(const std::string& path) {
    if (HPDF_SaveToFile(doc_, path.c_str()) != HPDF_OK) {
        check();
        throw Error("libharu cannot write the document");
    }
    check();
}

std::string Document::bytes() {
    if (HPDF_SaveToStream(doc_) != HPDF_OK) {
        check();
        throw Error("libharu cannot save the document");
    }
    std::string out(HPDF_GetStreamSize(doc_), '\0');
    auto size = static_cast<HPDF_UINT32>(out.size());
    HPDF_ReadFromStream(doc_, reinterpret_cast<HPDF_BYTE*>(out.data()), &size);
    out.resize(size);
    check();
    return out;
}

}  // namespace pdf
