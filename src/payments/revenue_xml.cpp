#include "payments/revenue_xml.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "payments/item_row.h"
#include "platform/text/utf8.h"
#include "shell/dates.h"
#include "shell/transliteration.h"
#include "shell/udfs.h"

namespace payments {

namespace {

constexpr std::string_view crlf = "\r\n";

// The most bytes one byte of a value becomes in the file: "&" as "&amp;".
constexpr std::size_t widest = 5;

// How a byte of a value is taken: most go to the file as they are, and so does
// the lead byte of a Cyrillic letter (U+0400 to U+047F) with its second byte;
// the others (markup, line breaks, controls, DEL, every other character beyond
// ASCII) are looked at one by one.
enum class Take : unsigned char { Copy, Cyrillic, Look };

constexpr std::array<Take, 256> takes = [] {
    std::array<Take, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = c == '\t' || (c >= 0x20 && c < 0x7F && c != '&' && c != '<' && c != '>') ? Take::Copy
               : c == 0xD0 || c == 0xD1                                                   ? Take::Cyrillic
                                                                                           : Take::Look;
    return t;
}();

// A character beyond ASCII that the file keeps: not C1 control, not U+FFFE/U+FFFF.
bool keptAsIs(char32_t cp) { return !(cp >= 0x80 && cp <= 0x9F) && cp != 0xFFFE && cp != 0xFFFF; }

char* put(char* at, std::string_view bytes) {
    std::memcpy(at, bytes.data(), bytes.size());
    return at + bytes.size();
}

// Writes `text` as the file holds it at `at`, which has room for `widest`
// bytes per byte of it; returns the end of what was written.
char* putXmlValue(char* at, std::string_view text) {
    char* const begin = at;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (takes[c]) {
        case Take::Copy:
            *at++ = text[i++];
            continue;
        case Take::Cyrillic:
            if (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
                *at++ = text[i++];
                *at++ = text[i++];
                continue;
            }
            break;
        case Take::Look:
            break;
        }
        if (c >= 0x80) {
            const utf8::Decoded d = utf8::decode(text, i);
            if (d.length == 0) at = put(at, "\xEF\xBF\xBD");  // U+FFFD for the byte that starts nothing
            else if (keptAsIs(d.codePoint)) at = put(at, text.substr(i, d.length));
            i += d.length ? d.length : 1;
            continue;
        }
        if (c == '&') at = put(at, "&amp;");
        else if (c == '<') at = put(at, "&lt;");
        else if (c == '>') at = put(at, at - begin >= 2 && at[-1] == ']' && at[-2] == ']' ? "&gt;" : ">");
        else if (c == '\n') at = put(at, crlf);
        else if (c == '\r') {
            at = put(at, crlf);
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        }  // other controls and DEL are left out
        ++i;
    }
    return at;
}

// The file's lines, gathered in a buffer that goes out in pieces of about
// `piece` bytes, so that a file of any length is never held whole. The
// fixed texts around the values come composed, whole lines each.
class Lines {
public:
    static constexpr std::size_t piece = 1 << 16;

    explicit Lines(const desktop::ByteSink& out) : out_(out) { grow(piece + 4096); }

    bool ok() const { return ok_; }
    // Lines of fixed text.
    template <std::size_t N>
    void text(const char (&lines)[N]) {
        element(lines, {}, "");
    }
    // `open`, the value as the file holds it, `close`: an element on one line,
    // or a container around one. The fixed texts are literals, so that their
    // copies are a few moves each.
    template <std::size_t Open, std::size_t Close>
    void element(const char (&open)[Open], std::string_view value, const char (&close)[Close]) {
        const std::size_t most = Open + widest * value.size() + Close;
        if (static_cast<std::size_t>(end_ - at_) < most) makeRoom(most);
        std::memcpy(at_, open, Open - 1);
        at_ = putXmlValue(at_ + Open - 1, value);
        std::memcpy(at_, close, Close - 1);
        at_ += Close - 1;
        if (static_cast<std::size_t>(at_ - buffer_.get()) >= piece) finish();
    }
    // What is left in the buffer; false when the sink refused any piece.
    bool finish() {
        const std::string_view bytes(buffer_.get(), static_cast<std::size_t>(at_ - buffer_.get()));
        if (ok_ && !bytes.empty()) ok_ = out_(bytes);
        at_ = buffer_.get();
        return ok_;
    }

private:
    void grow(std::size_t size) {
        buffer_ = std::make_unique_for_overwrite<char[]>(size);
        at_ = buffer_.get();
        end_ = at_ + size;
    }
    // Sends what the buffer holds, and makes it larger when even empty it
    // could not take `bytes` (a long note).
    void makeRoom(std::size_t bytes) {
        finish();
        if (static_cast<std::size_t>(end_ - at_) < bytes) grow(bytes);
    }

    const desktop::ByteSink& out_;
    std::unique_ptr<char[]> buffer_;
    char *at_ = nullptr, *end_ = nullptr;
    bool ok_ = true;
};

// The cells of one item row, found in its text at once.
class ItemCells {
public:
    ItemCells(const ui::TextTable& items, std::size_t row) : text_(items.rowText(row)), ends_(items.rowEnds(row)) {}
    // By its column number (item::...); empty beyond the table's columns.
    std::string_view operator()(int column) const {
        const auto c = static_cast<std::size_t>(column - 1);
        if (c >= ends_.size()) return {};
        const std::uint32_t begin = c == 0 ? 0 : ends_[c - 1];
        return text_.substr(begin, ends_[c] - begin);
    }

private:
    std::string_view text_;
    std::span<const std::uint32_t> ends_;
};

}  // namespace

std::string xmlValue(std::string_view text) {
    std::string out(widest * text.size(), '\0');
    out.resize(static_cast<std::size_t>(putXmlValue(out.data(), text) - out.data()));
    return out;
}

bool writeRevenueOfficeXml(const XmlExport& header, const ui::TextTable& items, const desktop::ByteSink& out) {
    Lines file(out);
    file.text("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<ujp_ppf_acc_calc>\r\n");
    file.element("\t<ppfTaxpayer>\r\n\t\t<edb>", utf8::fitBytes(header.taxNumber, 13), "</edb>\r\n\t</ppfTaxpayer>\r\n");
    file.element("\t<name>", header.payerName, "</name>\r\n");
    file.element("\t<pca_bank_account>", header.payerAccount, "</pca_bank_account>\r\n");
    file.element("\t<periodfrom>", header.periodFrom, "</periodfrom>\r\n");
    file.element("\t<periodto>", header.periodTo, "</periodto>\r\n");
    file.element("\t<mail>", header.email, "</mail>\r\n");
    char number[24];
    for (std::size_t r = 0; r < items.rows() && file.ok(); ++r) {
        const ItemCells value(items, r);
        const auto digits = std::to_chars(number, number + sizeof number, r + 1).ptr;
        file.element("\t<calculation_detail>\r\n\t\t<row_id>",
                     std::string_view(number, static_cast<std::size_t>(digits - number)), "</row_id>\r\n");
        file.element("\t\t<embg>", value(item::EMBG), "</embg>\r\n");
        file.element("\t\t<name>", shell::trimmedName(value(item::FIRSTNAME)), "</name>\r\n");
        file.element("\t\t<surname>", shell::trimmedName(value(item::SURNAME)), "</surname>\r\n");
        file.element("\t\t<parMunicipality>\r\n\t\t\t<municipality_code>", value(item::MUNICIPALITYCODE),
                     "</municipality_code>\r\n\t\t</parMunicipality>\r\n");
        file.element("\t\t<type_income>\r\n\t\t\t<code>", value(item::REVENUETYPECODE), "</code>\r\n\t\t</type_income>\r\n");
        file.element("\t\t<subtype_income>\r\n\t\t\t<code>", value(item::SUBREVENUECODE),
                     "</code>\r\n\t\t</subtype_income>\r\n");
        if (amountOf(value(item::ADVANCE)) != 0)
            file.element("\t\t<avans>", shell::trimmedView(value(item::ADVANCE)), "</avans>\r\n");
        file.element("\t\t<grossIncome>", shell::trimmedView(value(item::GROSS)), "</grossIncome>\r\n");
        if (amountOf(value(item::VAT)) != 0)
            file.element("\t\t<ddv_iznos>", shell::trimmedView(value(item::VAT)), "</ddv_iznos>\r\n");
        file.element("\t\t<type_payment>\r\n\t\t\t<ptpCode>", value(item::PAYMENTTYPECODE),
                     "</ptpCode>\r\n\t\t</type_payment>\r\n");
        file.element("\t\t<bankAccount>", value(item::RECIPIENTACCOUNT), "</bankAccount>\r\n");
        file.element("\t\t<paymentdate>", header.paymentDate, "</paymentdate>\r\n");
        if (!shell::isBlank(value(item::DECISIONNUMBER)))
            file.element("\t\t<brojResenieDo>", value(item::DECISIONNUMBER), "</brojResenieDo>\r\n");
        if (!shell::storedDate(value(item::DECISIONDATE)).empty())
            file.element("\t\t<datumResenieDo>", value(item::DECISIONDATE), "</datumResenieDo>\r\n");
        if (!shell::isBlank(value(item::NOTE))) file.element("\t\t<commentDoc>", value(item::NOTE), "</commentDoc>\r\n");
        file.text("\t</calculation_detail>\r\n");
    }
    file.text("</ujp_ppf_acc_calc>\r\n");
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
