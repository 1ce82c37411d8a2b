#include "shell/main_menu.h"

#include "shell/entries.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {
ui::MenuItem separator() { return {"", nullptr}; }
ui::MenuItem form(const std::string& code) {
    return {vocab::CMENUOBRAZEC + " (&" + code + ")", [code] { treasury::NALOZI(code); }};
}
}  // namespace

std::vector<ui::MenuPopup> mainMenu() {
    using namespace vocab;
    using registers::SIMPLEFORMS;
    return {
        {CMENUPODATOCI,
         {
             {CMENUKONTA, [] { SIMPLEFORMS("Konta", CTITKONTA, "Nalozi", "KontaIsplakjaciID", CPORNEBRISEKONTO); }},
             {CMENUISPLAKJACI, registers::ISPLAKJACI},
             {CMENUPRIMACI, registers::PRIMACI},
             {CMENUOPSTINI, [] { SIMPLEFORMS("Opstini", CTITOPSTINI, "Primaci", "OpstiniID", CPORNEBRISEOPSTINA); }},
             {CMENUTIPOVIPRIHODI, registers::TIPOVIPRIHODI},
             {CMENUPOTPRIHODI, registers::POTPRIHODI},
             {CMENUTIPOVIKALKULACII,
              [] {
                  SIMPLEFORMS("TipoviKalkulacii", CTITTIPOVIKALKULACII, "Transakcii", "TipoviKalkulaciiID",
                              CPORNEBRISETIPOVIKALKULACII);
              }},
             {CMENUTIPOVIPLACANJA,
              [] {
                  SIMPLEFORMS("TipoviPlacanja", CTITTIPOVIPLACANJA, "Transakcii", "TipoviPlacanjaID",
                              CPORNEBRISETIPOVIPLACANJA);
              }},
             separator(),
             {CMENUIZLEZ, [] { ui::Win("frmMain").release(); }},
         }},
        {CMENUTREZOR,
         {
             form("60"), form("70"), form("73"), form("80"), separator(), form("76"), separator(), form("90"),
             form("91"), form("93"), form("94"), separator(),
             {CMENUIMPORTPLATA, treasury::IMPORTPLATA},
             {CMENUVPREGLEDTREZOR, treasury::VPREGLEDTREZOR},
             separator(),
             {CMENUIZVESTAJTREZOR, treasury::IZVESTAJTREZOR},
         }},
        {CMENUEPDD,
         {
             {CMENUSTAVKIZAPLAKJANJE, payments::TRANSAKCII},
             separator(),
             {CMENUKREIRAJFAJL, payments::VPREGLED},
             separator(),
             {CMENUIZVESTAJ, payments::IZVESTAJ},
         }},
        {CMENUSERVIS,
         {
             {CMENUPARAMETRI, PARAMETRITREZOR},
             {CMENUKORISNICI, KORISNICI},
             {CMENUZAPROGRAMATA, ZAPROGRAMATA},
             {"&Префрлање податоци од Rudan", payments::PREFRLANJE},
         }},
        {CMENULOGIN, {{CMENUPOVTORNOLOGIRANJE, LOGON}}},
    };
}

}  // namespace shell
