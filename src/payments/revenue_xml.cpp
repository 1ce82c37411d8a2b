#include "payments/revenue_xml.h"

#include <charconv>

#include "payments/item_row.h"
#include "platform/text/utf8.h"
#include "shell/dates.h"
#include "shell/transliteration.h"
#include "shell/udfs.h"

namespace payments {

namespace {

constexpr std::string_view crlf = "\r\n";

// A byte that a value never holds as it is: markup, line breaks, controls,
// DEL and the start of every character beyond ASCII (checked on its own).
constexpr bool needsCare(unsigned char c) {
    return c == '&' || c == '<' || c == '>' || c < 0x20 || c >= 0x7F;
}

// A character beyond ASCII that the file keeps: not C1 control, not U+FFFE/U+FFFF.
bool keptAsIs(char32_t cp) { return !(cp >= 0x80 && cp <= 0x9F) && cp != 0xFFFE && cp != 0xFFFF; }

// The file's lines, gathered in a buffer that goes out in pieces of about
// `piece` bytes, so that a file of any length is never held whole.
class Lines {
public:
    static constexpr std::size_t piece = 1 << 16;

    explicit Lines(const desktop::ByteSink& out) : out_(out) { buffer_.reserve(piece + 4096); }

    bool ok() const { return ok_; }
    void tag(int tabs, std::string_view open, std::string_view name = {}, std::string_view close = {}) {
        buffer_.append(tabs, '\t');
        buffer_ += open;
        buffer_ += name;
        buffer_ += close;
        endLine();
    }
    void leaf(int tabs, std::string_view name, std::string_view value) {
        buffer_.append(tabs, '\t');
        buffer_ += '<';
        buffer_ += name;
        buffer_ += '>';
        appendXmlValue(buffer_, value);
        buffer_ += "</";
        buffer_ += name;
        buffer_ += '>';
        endLine();
    }
    // A container holding one leaf.
    void wrapped(int tabs, std::string_view container, std::string_view name, std::string_view value) {
        tag(tabs, "<", container, ">");
        leaf(tabs + 1, name, value);
        tag(tabs, "</", container, ">");
    }
    // What is left in the buffer; false when the sink refused any piece.
    bool finish() {
        if (ok_ && !buffer_.empty()) ok_ = out_(buffer_);
        buffer_.clear();
        return ok_;
    }

private:
    void endLine() {
        buffer_ += crlf;
        if (buffer_.size() >= piece) finish();
    }

    const desktop::ByteSink& out_;
    std::string buffer_;
    bool ok_ = true;
};

}  // namespace

void appendXmlValue(std::string& out, std::string_view text) {
    // Runs of bytes that stand unchanged are copied whole: most values are such a run.
    std::size_t run = 0;
    const auto flush = [&](std::size_t to) {
        out.append(text.substr(run, to - run));
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!needsCare(c) || c == '\t') {
            ++i;
            continue;
        }
        if (c >= 0x80) {
            const utf8::Decoded d = utf8::decode(text, i);
            if (d.length != 0 && keptAsIs(d.codePoint)) {
                i += d.length;
                continue;
            }
            flush(i);
            if (d.length == 0) out += "\xEF\xBF\xBD";  // U+FFFD for the byte that starts nothing
            i += d.length ? d.length : 1;
            run = i;
            continue;
        }
        flush(i);
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += out.ends_with("]]") ? "&gt;" : ">";
        else if (c == '\n') out += crlf;
        else if (c == '\r') {
            out += crlf;
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }  // other controls and DEL are left out
        run = ++i;
    }
    flush(text.size());
}

std::string xmlValue(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendXmlValue(out, text);
    return out;
}

bool writeRevenueOfficeXml(const XmlExport& header, const ui::TextTable& items, const desktop::ByteSink& out) {
    Lines file(out);
    file.tag(0, R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)");
    file.tag(0, "<ujp_ppf_acc_calc>");
    file.wrapped(1, "ppfTaxpayer", "edb", utf8::fitBytes(header.taxNumber, 13));
    file.leaf(1, "name", header.payerName);
    file.leaf(1, "pca_bank_account", header.payerAccount);
    file.leaf(1, "periodfrom", header.periodFrom);
    file.leaf(1, "periodto", header.periodTo);
    file.leaf(1, "mail", header.email);
    char number[24];
    for (std::size_t r = 0; r < items.rows() && file.ok(); ++r) {
        const auto value = [&](int v) { return itemValue(items, r, v); };
        file.tag(1, "<calculation_detail>");
        const auto digits = std::to_chars(number, number + sizeof number, r + 1).ptr;
        file.leaf(2, "row_id", std::string_view(number, static_cast<std::size_t>(digits - number)));
        file.leaf(2, "embg", value(item::EMBG));
        file.leaf(2, "name", shell::trimmedName(value(item::FIRSTNAME)));
        file.leaf(2, "surname", shell::trimmedName(value(item::SURNAME)));
        file.wrapped(2, "parMunicipality", "municipality_code", value(item::MUNICIPALITYCODE));
        file.wrapped(2, "type_income", "code", value(item::REVENUETYPECODE));
        file.wrapped(2, "subtype_income", "code", value(item::SUBREVENUECODE));
        if (amountOf(value(item::ADVANCE)) != 0) file.leaf(2, "avans", shell::trimmedView(value(item::ADVANCE)));
        file.leaf(2, "grossIncome", shell::trimmedView(value(item::GROSS)));
        if (amountOf(value(item::VAT)) != 0) file.leaf(2, "ddv_iznos", shell::trimmedView(value(item::VAT)));
        file.wrapped(2, "type_payment", "ptpCode", value(item::PAYMENTTYPECODE));
        file.leaf(2, "bankAccount", value(item::RECIPIENTACCOUNT));
        file.leaf(2, "paymentdate", header.paymentDate);
        if (!shell::isBlank(value(item::DECISIONNUMBER))) file.leaf(2, "brojResenieDo", value(item::DECISIONNUMBER));
        if (!shell::storedDate(value(item::DECISIONDATE)).empty()) file.leaf(2, "datumResenieDo", value(item::DECISIONDATE));
        if (!shell::isBlank(value(item::NOTE))) file.leaf(2, "commentDoc", value(item::NOTE));
        file.tag(1, "</calculation_detail>");
    }
    file.tag(0, "</ujp_ppf_acc_calc>");
    return file.finish();
}

std::string revenueOfficeXml(const XmlExport& header, const ui::TextTable& items) {
    std::string out;
    writeRevenueOfficeXml(header, items, [&out](std::string_view piece) {
        out += piece;
        return true;
    });
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
