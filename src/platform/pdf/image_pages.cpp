#include "platform/pdf/image_pages.h"

#include "platform/pdf/document.h"

namespace pdf {


std::string imagePages(const std::vector<ImagePage>& pages) {
    Document doc;
    for (const ImagePage& p : pages) {
        HPDF_Image image = HPDF_LoadJpegImageFromMem(doc.get(), reinterpret_cast<const HPDF_BYTE*>(p.jpeg.data()),
                                                     static_cast<HPDF_UINT>(p.jpeg.size()));
        HPDF_Page page = image ? HPDF_AddPage(doc.get()) : nullptr;
        if (!page) throw Error(doc.failure().empty() ? "libharu cannot add a page" : doc.failure());
        const auto width = static_cast<HPDF_REAL>(p.widthMm * pointsPerMm);
        const auto height = static_cast<HPDF_REAL>(p.heightMm * pointsPerMm);
        HPDF_Page_SetWidth(page, width);
        HPDF_Page_SetHeight(page, height);
        HPDF_Page_DrawImage(page, image, 0, 0, width, height);
    }
    return doc.bytes();
}

}  // namespace pdf
