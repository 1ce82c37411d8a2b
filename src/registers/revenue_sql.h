#pragma once
// Statements of the revenue types (TipoviPrihodi) and sub-revenues (Potprihodi).
#include <string>

namespace registers {

struct RevenueType {
    std::string sifra, opis, uplatna1, uplatna2, kontaId, programa;
    int status = 1;
};

struct SubRevenue {
    std::string sifra, opis, tipoviPrihodiId, kontaId, programa, uplatna1, uplatna2;
    int procentOdbitoci = 0;  // 0 to 100
    bool sePlakjaPD = true;
    int status = 1;
};

// The combo lookups of the revenue windows (ID, code, description).
inline constexpr const char* accountLookup = "select ID, Sifra, Opis from Konta order by Sifra";
inline constexpr const char* revenueTypeLookup = "select ID, Sifra, Opis from TipoviPrihodi order by Sifra";

std::string revenueTypeCreate();
std::string revenueTypeLoad();
std::string revenueTypeInsert(const RevenueType& t);
std::string revenueTypeUpdate(const RevenueType& t, const std::string& id);

std::string subRevenueCreate();
std::string subRevenueLoad();
std::string subRevenueInsert(const SubRevenue& s);
std::string subRevenueUpdate(const SubRevenue& s, const std::string& id);
// The percentage as stored: three characters, right-aligned ("  5").
std::string percentText(int percent);

}  // namespace registers
