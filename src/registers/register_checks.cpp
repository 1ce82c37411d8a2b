#include "registers/register_checks.h"

#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

shell::Refusal refused(const std::string& message, std::string_view boxes, std::string_view column) {
    return {message, std::string(boxes) + std::string(column)};
}

std::optional<shell::Refusal> codeAndDescription(const std::string& code, const std::string& description,
                                                 const std::string& emptyCode, std::string_view boxes) {
    if (shell::isBlank(code)) return refused(emptyCode, boxes, "Sifra");
    if (shell::isBlank(description)) return refused(vocab::CPORPRAZENOPIS, boxes, "Opis");
    return std::nullopt;
}

}  // namespace

std::optional<shell::Refusal> codeRowRefusal(const CodeRow& row, std::string_view boxes) {
    return codeAndDescription(row.sifra, row.opis, vocab::CPORPRAZNASIFRA, boxes);
}

std::optional<shell::Refusal> revenueTypeRefusal(const RevenueType& type, std::string_view boxes) {
    return codeAndDescription(type.sifra, type.opis, vocab::CPORPRAZENSIFRA, boxes);
}

std::optional<shell::Refusal> subRevenueRefusal(const SubRevenue& sub, std::string_view boxes) {
    if (auto refusal = codeAndDescription(sub.sifra, sub.opis, vocab::CPORPRAZENSIFRA, boxes)) return refusal;
    if (sub.procentOdbitoci < 0 || sub.procentOdbitoci > 100)
        return refused(vocab::CPORNEISPRAVENPROCENTODBITOCI, boxes, "ProcentOdbitoci");
    return std::nullopt;
}

std::vector<listkit::ReferenceCheck> codeTableReferences(const std::string& table, const std::string& refTable,
                                                         const std::string& refColumn, const std::string& message) {
    std::vector<listkit::ReferenceCheck> checks{{refTable, refColumn, message}};
    if (table == "Opstini") checks.push_back({"Isplakjaci", "OpstiniID", message});
    return checks;
}

}  // namespace registers
