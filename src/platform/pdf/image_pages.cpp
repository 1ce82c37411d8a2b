#include "platform/pdf/image_pages.h"

#include <hpdf.h>

#include <memory>

namespace pdf {

namespace {

constexpr double pointsPerMm = 72.0 / 25.4;

// libharu reports a failure through this handler and then returns an error
// code or a null handle; the first failure is kept for the message.
void onError(HPDF_STATUS error, HPDF_STATUS detail, void* data) {
    auto* first = static_cast<std::string*>(data);
    if (first->empty()) *first = "libharu error " + std::to_string(error) + "/" + std::to_string(detail);
}

struct Freer {
    void operator()(HPDF_Doc d) const { HPDF_Free(d); }
};

}  // namespace

std::string imagePages(const std::vector<ImagePage>& pages) {
    std::string failure;
    std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, Freer> doc(HPDF_New(onError, &failure));
    if (!doc) throw Error("libharu cannot start a document");
    HPDF_SetCompressionMode(doc.get(), HPDF_COMP_ALL);
    for (const ImagePage& p : pages) {
        HPDF_Image image = HPDF_LoadJpegImageFromMem(doc.get(), reinterpret_cast<const HPDF_BYTE*>(p.jpeg.data()),
                                                     static_cast<HPDF_UINT>(p.jpeg.size()));
        HPDF_Page page = image ? HPDF_AddPage(doc.get()) : nullptr;
        if (!page) throw Error(failure.empty() ? "libharu cannot add a page" : failure);
        const auto width = static_cast<HPDF_REAL>(p.widthMm * pointsPerMm);
        const auto height = static_cast<HPDF_REAL>(p.heightMm * pointsPerMm);
        HPDF_Page_SetWidth(page, width);
        HPDF_Page_SetHeight(page, height);
        HPDF_Page_DrawImage(page, image, 0, 0, width, height);
    }
    if (HPDF_SaveToStream(doc.get()) != HPDF_OK) throw Error(failure);
    std::string bytes(HPDF_GetStreamSize(doc.get()), '\0');
    auto size = static_cast<HPDF_UINT32>(bytes.size());
    HPDF_ReadFromStream(doc.get(), reinterpret_cast<HPDF_BYTE*>(bytes.data()), &size);
    bytes.resize(size);
    if (!failure.empty()) throw Error(failure);
    return bytes;
}

}  // namespace pdf
