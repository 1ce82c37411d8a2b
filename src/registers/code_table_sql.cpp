#include "registers/code_table_sql.h"

#include "shell/sql1.h"

namespace registers {

using shell::doubleQuotes;

std::string codeTableCreate(const std::string& table) {
    return "CREATE TABLE IF NOT EXISTS " + table +
           " ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra\tNVARCHAR(10) NOT NULL UNIQUE, Opis\tNVARCHAR(50) "
           "NOT NULL,  Status\tINTEGER NOT NULL );";
}

std::string codeTableLoad(const std::string& table) {
    return "SELECT ID, Sifra, Opis, Status FROM " + table + " ORDER BY Sifra";
}

std::string codeTableInsert(const std::string& table, const CodeRow& r) {
    return "insert into " + table + " (Sifra, Opis, Status) values ('" + doubleQuotes(r.sifra) + "', '" +
           doubleQuotes(r.opis) + "', '" + std::to_string(r.status) + "');";
}

std::string codeTableUpdate(const std::string& table, const CodeRow& r, const std::string& id) {
    return "update " + table + " set Sifra = '" + doubleQuotes(r.sifra) + "', Opis = '" + doubleQuotes(r.opis) +
           "', Status = '" + std::to_string(r.status) + "' where ID = '" + doubleQuotes(id) + "';";
}

}  // namespace registers
