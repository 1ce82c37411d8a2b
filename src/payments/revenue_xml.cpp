#include "payments/revenue_xml.h"

#include "payments/item_row.h"
#include "platform/text/utf8.h"
#include "shell/dates.h"
#include "shell/transliteration.h"
#include "shell/udfs.h"

namespace payments {

namespace {

constexpr std::string_view crlf = "\r\n";

class Lines {
public:
    explicit Lines(std::string& out) : out_(out) {}
    void tag(int tabs, std::string_view tag) {
        out_.append(tabs, '\t');
        out_ += tag;
        out_ += crlf;
    }
    void leaf(int tabs, std::string_view name, std::string_view value) {
        out_.append(tabs, '\t');
        out_ += '<';
        out_ += name;
        out_ += '>';
        out_ += xmlValue(value);
        out_ += "</";
        out_ += name;
        out_ += '>';
        out_ += crlf;
    }
    // A container holding one leaf.
    void wrapped(int tabs, std::string_view container, std::string_view name, std::string_view value) {
        tag(tabs, "<" + std::string(container) + ">");
        leaf(tabs + 1, name, value);
        tag(tabs, "</" + std::string(container) + ">");
    }

private:
    std::string& out_;
};

}  // namespace

std::string xmlValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>' && out.ends_with("]]")) out += "&gt;";
        else if (c == '\n') out += crlf;
        else if (c == '\r') {
            out += crlf;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            const utf8::Decoded d = utf8::decode(text, i);
            if (d.length == 0) {
                out += "\xEF\xBF\xBD";  // U+FFFD for the byte that starts nothing
                ++i;
                continue;
            }
            const char32_t cp = d.codePoint;
            const bool control = (cp < 0x20 && cp != '\t') || (cp >= 0x7F && cp <= 0x9F);
            if (!control && cp != 0xFFFE && cp != 0xFFFF) out.append(text.substr(i, d.length));
            i += d.length;
            continue;
        }
        ++i;
    }
    return out;
}

std::string revenueOfficeXml(const XmlExport& header, const ui::TextTable& items) {
    std::string out;
    out.reserve(1024 + items.rows() * 900);
    Lines file(out);
    file.tag(0, R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)");
    file.tag(0, "<ujp_ppf_acc_calc>");
    file.wrapped(1, "ppfTaxpayer", "edb", utf8::fitBytes(header.taxNumber, 13));
    file.leaf(1, "name", header.payerName);
    file.leaf(1, "pca_bank_account", header.payerAccount);
    file.leaf(1, "periodfrom", header.periodFrom);
    file.leaf(1, "periodto", header.periodTo);
    file.leaf(1, "mail", header.email);
    for (std::size_t r = 0; r < items.rows(); ++r) {
        const auto value = [&](int v) { return itemValue(items, r, v); };
        file.tag(1, "<calculation_detail>");
        file.leaf(2, "row_id", std::to_string(r + 1));
        file.leaf(2, "embg", value(item::EMBG));
        file.leaf(2, "name", shell::trimmed(value(item::FIRSTNAME)));
        file.leaf(2, "surname", shell::trimmed(value(item::SURNAME)));
        file.wrapped(2, "parMunicipality", "municipality_code", value(item::MUNICIPALITYCODE));
        file.wrapped(2, "type_income", "code", value(item::REVENUETYPECODE));
        file.wrapped(2, "subtype_income", "code", value(item::SUBREVENUECODE));
        if (amountOf(value(item::ADVANCE)) != 0) file.leaf(2, "avans", shell::trimmed(value(item::ADVANCE)));
        file.leaf(2, "grossIncome", shell::trimmed(value(item::GROSS)));
        if (amountOf(value(item::VAT)) != 0) file.leaf(2, "ddv_iznos", shell::trimmed(value(item::VAT)));
        file.wrapped(2, "type_payment", "ptpCode", value(item::PAYMENTTYPECODE));
        file.leaf(2, "bankAccount", value(item::RECIPIENTACCOUNT));
        file.leaf(2, "paymentdate", header.paymentDate);
        if (!shell::isBlank(value(item::DECISIONNUMBER))) file.leaf(2, "brojResenieDo", value(item::DECISIONNUMBER));
        if (!shell::storedDate(value(item::DECISIONDATE)).empty()) file.leaf(2, "datumResenieDo", value(item::DECISIONDATE));
        if (!shell::isBlank(value(item::NOTE))) file.leaf(2, "commentDoc", value(item::NOTE));
        file.tag(1, "</calculation_detail>");
    }
    file.tag(0, "</ujp_ppf_acc_calc>");
    return out;
}

std::string proposedXmlName(std::string_view payerName, std::string_view paymentDate) {
    const std::string trimmedName = shell::trimmed(payerName);
    std::string firstThree;
    int taken = 0;
    for (std::string_view c : utf8::chars(trimmedName)) {
        if (taken++ == 3) break;
        firstThree += c;
    }
    std::string name = "f" + shell::KONVLAT(firstThree) + std::string(paymentDate) + ".xml";
    std::string safe;
    for (std::size_t i = 0; i < name.size();) {
        const utf8::Decoded d = utf8::decode(name, i);
        const bool bad = d.length == 0 || d.codePoint < 0x20 || d.codePoint == 0x7F ||
                         std::string_view(R"(<>:"/\|?*)").find(name[i]) != std::string_view::npos;
        safe += bad ? std::string("_") : name.substr(i, d.length);
        i += d.length ? d.length : 1;
    }
    return safe;
}

}  // namespace payments
