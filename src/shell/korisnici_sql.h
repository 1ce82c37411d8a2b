#pragma once
// The users table Korisnici and the statements of the login and the user list.
#include <string>
#include <string_view>

namespace shell {

extern const std::string KORISNICICREATE;
// The name and password pair identifies a user.
extern const std::string KORISNICIINDEX;
extern const std::string KORISNICIALL;
extern const std::string KORISNICILIST;

struct User {
    std::string name, password, description;
};

// The users whose name and password equal the typed ones exactly.
std::string loginQuery(std::string_view name, std::string_view password);
std::string userInsert(const User& u);
std::string userUpdate(const User& u, std::string_view id);

}  // namespace shell
