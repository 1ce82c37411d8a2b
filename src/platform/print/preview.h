#pragma once
// The print preview and what it does with a document's pages. Plain C++
// interface; every report reaches the printer through the preview.
#include <string>
#include <vector>

#include "platform/print/document.h"

namespace print {

// Shows the document in the modal window `frmPrintPreview` and returns when it
// is closed. Its buttons: `btnPrint` (the pages on the set-up's printer),
// `btnSavePdf` (save dialog, then a PDF of the pages' texts and lines),
// `btnSavePictures` (folder dialog, then one PNG picture per page) and
// `btnClose`. A printer that refuses the set-up is reported; nothing is shown.
void preview(const Document& document);

// What the preview's save buttons write. Each returns the system's reason when
// it fails (savePdf naming the file), leaving no partial file; empty when done.
std::string savePdf(const Document& document, const std::string& path);
// Pictures named page-001.png, page-002.png, ... in the folder.
std::string savePictures(const Document& document, const std::string& folder);
// The names of those pictures that already stand in the folder.
std::vector<std::string> existingPictures(const Document& document, const std::string& folder);

}  // namespace print
