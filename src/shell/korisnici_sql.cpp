#include "shell/korisnici_sql.h"

#include "shell/sql1.h"

namespace shell {

const std::string KORISNICICREATE =
    "CREATE TABLE IF NOT EXISTS Korisnici ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
    "UserName\tNVARCHAR(50) NOT NULL, Password\tNVARCHAR(50) NOT NULL, Opis\tNVARCHAR(50) );";
const std::string KORISNICIINDEX =
    "CREATE UNIQUE INDEX IF NOT EXISTS KorisniciUserNamePassword on Korisnici (UserName, Password) ;";
const std::string KORISNICIALL = "SELECT * FROM Korisnici";
const std::string KORISNICILIST = "SELECT ID, UserName, Password, Opis FROM Korisnici ORDER BY ID";

std::string loginQuery(std::string_view name, std::string_view password) {
    return " SELECT ID, UserName, Password, Opis FROM Korisnici  WHERE UserName = " + C2SQL(name) +
           " AND Password = " + C2SQL(password) + " ;";
}

std::string userInsert(const User& u) {
    return "insert into Korisnici (UserName, Password, Opis) values (" + C2SQL(u.name) + ", " + C2SQL(u.password) +
           ", " + C2SQL(u.description) + ");";
}

std::string userUpdate(const User& u, std::string_view id) {
    return "update Korisnici set UserName = " + C2SQL(u.name) + ", Password = " + C2SQL(u.password) +
           ", Opis = " + C2SQL(u.description) + " where ID = " + C2SQL(id) + ";";
}

}  // namespace shell
