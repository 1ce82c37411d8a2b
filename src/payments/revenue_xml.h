#pragma once
// The revenue-office XML file of one export, byte for byte, and the name it is
// proposed under. Pure functions; NAPRAVIXML asks for the name and writes it.
#include <string>
#include <string_view>

#include "platform/desktop/files.h"
#include "platform/text/text_table.h"

namespace payments {

// What the file says once, before the items.
struct XmlExport {
    std::string taxNumber;     // edb: filled with blanks or cut to 13 bytes
    std::string payerName;     // as stored
    std::string payerAccount;  // the payer giro account the items are paid from
    std::string email;         // as stored
    std::string periodFrom, periodTo, paymentDate;  // "dd.mm.yyyy"
};

// A value as the file holds it. The only escaping of the file: "&" and "<" as
// entity references, the ">" of "]]>" as one too; line breaks (LF, CR or
// CR LF) as CR LF; control characters other than TAB, CR and LF and the
// noncharacters U+FFFE and U+FFFF left out; each byte of invalid UTF-8 as
// U+FFFD. Everything else unchanged.
std::string xmlValue(std::string_view text);

// The file: UTF-8 without a byte-order mark, every line ended by CR LF,
// indented by TABs; one calculation_detail per item row (payment item rows as
// shown, 36 values), numbered 1, 2, 3 in the order of `items`. It goes to
// `out` in pieces of some 64 KB as it is made; false when `out` refused one.
bool writeRevenueOfficeXml(const XmlExport& header, const ui::TextTable& items, const desktop::ByteSink& out);
// The same bytes whole.
std::string revenueOfficeXml(const XmlExport& header, const ui::TextTable& items);

// "f", the first three characters of the trimmed payer name in Latin
// letters, the payment date "yyyymmdd", ".xml". A character that cannot stand
// in a file name becomes "_" (only here; the file keeps the name as stored).
std::string proposedXmlName(std::string_view payerName, std::string_view paymentDate);

}  // namespace payments
