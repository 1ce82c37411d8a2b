#pragma once
// Statements of the four code tables (Konta, Opstini, TipoviKalkulacii, TipoviPlacanja).
#include <string>

namespace registers {

struct CodeRow {
    std::string sifra, opis;
    int status = 1;  // 1 active, 2 inactive
};

std::string codeTableCreate(const std::string& table);
std::string codeTableLoad(const std::string& table);
std::string codeTableInsert(const std::string& table, const CodeRow& row);
std::string codeTableUpdate(const std::string& table, const CodeRow& row, const std::string& id);

}  // namespace registers
