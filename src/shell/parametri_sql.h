#pragma once
// The treasury parameters: the one row of table Parametri, its defaults and
// the statements that read and write it.
#include <string>
#include <string_view>

#include "platform/text/text_table.h"

struct sqlite3;

namespace shell {

struct AppState;

struct TreasuryParameters {
    std::string trezorskaSmetkaNaRM = "100000000063095";
    std::string trezorskaSmetkaNaFZOM = "100000000066005";
    std::string podsmetkaGotovinaNaRM = "630010001988921";
    std::string podsmetkaGotovinaNaFZOM = "660000000079812";
    std::string kontoGotovinaNaRM = "000000";
    std::string kontoGotovinaNaFZOM = "000000";
    double procentZaPD = 10;
    std::string uplatnaSmetkaZaPD1 = "840";
    std::string uplatnaSmetkaZaPD2 = "01242";
    double procentZaDDV = 18;
};

extern const std::string PARAMETRICREATE;
// The same statement as the parameters window sends it, with two blanks before
// UplatnaSmetkaZaPD1: an error message shows it so.
extern const std::string PARAMETRICREATEWINDOW;
extern const std::string PARAMETRISELECT;

// The parameters of a row of PARAMETRISELECT: texts as stored, the percents as
// the leading number of their text (0 when there is none).
TreasuryParameters parametersOfRow(const ui::TextTable& rows, std::size_t row);
// Every value between quotes, quotes doubled, texts exactly as held.
std::string parametriInsert(const TreasuryParameters& p);
// Sets all ten columns of every row.
std::string parametriUpdate(const TreasuryParameters& p);

// Creates the table when missing and reads its first row. A table that is
// empty gets the defaults as its row; a failed read gives the defaults without
// writing any.
TreasuryParameters loadParameters(sqlite3* db);
// Writes the parameters into every row; into a new row when the table has
// none. False after a failure, which has been shown.
bool storeParameters(sqlite3* db, const TreasuryParameters& p);

TreasuryParameters parametersOf(const AppState& app);
void setParameters(AppState& app, const TreasuryParameters& p);

// The number a text begins with, after leading blanks; 0 when none.
double leadingNumber(std::string_view text);

}  // namespace shell
