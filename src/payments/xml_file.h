#pragma once
// NAPRAVIXML: the revenue-office XML file of an export, named by the user in
// the save dialog and written whole.
#include <optional>
#include <string>

#include "payments/revenue_xml.h"

namespace payments {

// Proposes the name in the ePDDxml folder of the data folder (made when
// missing), asks for the file in the save dialog and writes it. Returns the
// file once it is written and in place (LUSPEH); nothing, after its message,
// when the dialog was cancelled or the file could not be written.
std::optional<std::string> NAPRAVIXML(const XmlExport& header, const ui::TextTable& items);

}  // namespace payments
