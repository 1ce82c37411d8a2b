#pragma once
// dBase tables written with shapelib, for tests and benchmarks that read them:
// each value's bytes go into the record as given, padded with blanks.
#include <string>
#include <vector>

namespace testing_support {

struct DbfField {
    std::string name;
    char type = 'C';
    int width = 0;
};

struct DbfRecord {
    std::vector<std::string> values;
    bool deleted = false;
};

// False when the table cannot be written.
bool writeDbf(const std::string& path, const std::vector<DbfField>& fields, const std::vector<DbfRecord>& records);

// The payroll program's employee table: MAT_RAB, IME_RAB, PRZ_RAB, ADR_RAB,
// OPS_RAB, KART_RAB (character), POC_RAB, KRAJ_RAB (date).
std::vector<DbfField> payrollFields();

}  // namespace testing_support
