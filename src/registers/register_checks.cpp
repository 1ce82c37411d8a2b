#include "registers/register_checks.h"

#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

namespace {

std::optional<std::string> codeAndDescription(const std::string& code, const std::string& description,
                                              const std::string& emptyCode) {
    if (shell::isBlank(code)) return emptyCode;
    if (shell::isBlank(description)) return vocab::CPORPRAZENOPIS;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> codeRowRefusal(const CodeRow& row) {
    return codeAndDescription(row.sifra, row.opis, vocab::CPORPRAZNASIFRA);
}

std::optional<std::string> revenueTypeRefusal(const RevenueType& type) {
    return codeAndDescription(type.sifra, type.opis, vocab::CPORPRAZENSIFRA);
}

std::optional<std::string> subRevenueRefusal(const SubRevenue& sub) {
    if (auto refusal = codeAndDescription(sub.sifra, sub.opis, vocab::CPORPRAZENSIFRA)) return refusal;
    if (sub.procentOdbitoci < 0 || sub.procentOdbitoci > 100) return vocab::CPORNEISPRAVENPROCENTODBITOCI;
    return std::nullopt;
}

std::vector<listkit::ReferenceCheck> codeTableReferences(const std::string& table, const std::string& refTable,
                                                         const std::string& refColumn, const std::string& message) {
    std::vector<listkit::ReferenceCheck> checks{{refTable, refColumn, message}};
    if (table == "Opstini") checks.push_back({"Isplakjaci", "OpstiniID", message});
    return checks;
}

}  // namespace registers
