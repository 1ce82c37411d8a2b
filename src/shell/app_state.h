#pragma once
// The application state: one record for the whole run, read by every window.
#include <string>

struct sqlite3;

namespace shell {

struct AppState {
    sqlite3* DB = nullptr;
    std::string BAZA = "Kasavel.db";
    std::string CFOLDERNAINSTALACIJABAZA;  // the data folder, absolute
    std::string CJAZIK = "MK";
    std::string CUSER;
    std::string CUSEROPIS;

    // Treasury parameters, loaded at start-up.
    std::string MTREZORSKASMETKANARM;
    std::string MTREZORSKASMETKANAFZOM;
    std::string MPODSMETKAGOTOVINANARM;
    std::string MPODSMETKAGOTOVINANAFZOM;
    std::string MKONTOGOTOVINANARM;
    std::string MKONTOGOTOVINANAFZOM;
    double MPROCENTZAPD = 0;
    std::string MUPLATNASMETKAZAPD1;
    std::string MUPLATNASMETKAZAPD2;
    double MPROCENTZADDV = 0;
};

AppState& app();

}  // namespace shell
