#pragma once
// The personal-tax payment account as three windows show it: its label, the
// part before the municipality code, the "XXX" that stands for that code, and
// the part after it. Controls are named lbl<Owner>UplatnaSmetkaZaPD,
// txt<Owner>UplatnaSmetkaZaPD1, lbl<Owner>OpstinaKodPD, txt<Owner>UplatnaSmetkaZaPD2.
#include <string>

namespace shell {

struct TaxAccountPlace {
    int labelCol = 0, fieldCol = 0, row = 0;
    int secondCol = 0;  // where the second part stands
};

// `table` is the owner's CREATE statement, which gives the parts' width.
void addTaxAccountFields(const std::string& window, const std::string& owner, const std::string& table,
                         const TaxAccountPlace& at, const std::string& first, const std::string& second);

}  // namespace shell
