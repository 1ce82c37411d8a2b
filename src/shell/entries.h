#pragma once
// The entry operations the main menu calls. Each returns at once when its
// window is already open.
#include <string>

namespace shell {
void LOGON();
void PARAMETRITREZOR();
void PARAMETRITREZORGETDATA();
void KORISNICI();
void ZAPROGRAMATA();
}  // namespace shell

namespace registers {
void SIMPLEFORMS(const std::string& table, const std::string& title, const std::string& referringTable,
                 const std::string& referringColumn, const std::string& refusal);
void ISPLAKJACI();
void PRIMACI();
void TIPOVIPRIHODI();
void POTPRIHODI();
}  // namespace registers

namespace treasury {
void NALOZI(const std::string& formCode);
void IMPORTPLATA();
void VPREGLEDTREZOR();
void IZVESTAJTREZOR();
}  // namespace treasury

namespace payments {
void TRANSAKCII();
void VPREGLED();
void IZVESTAJ();
void PREFRLANJE();
}  // namespace payments

// The grid report of a list's grid, reached from the list's toolbar.
namespace gridreport {
void _GRIDPRINT(const std::string& grid, const std::string& window);
void _GRID2PDF(const std::string& grid, const std::string& window);
// The report of the grid in its default PDF file, WINDOWNAME_GRIDNAME.pdf.
void _GRIDPDF(const std::string& grid, const std::string& window);
// Registers the grid methods "PDF" and "Print"; once, at program start.
void _INITPDFGRID();
}  // namespace gridreport
