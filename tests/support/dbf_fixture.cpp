#include "support/dbf_fixture.h"

#include <shapefil.h>

namespace testing_support {

bool writeDbf(const std::string& path, const std::vector<DbfField>& fields, const std::vector<DbfRecord>& records) {
    DBFHandle dbf = DBFCreate(path.c_str());
    if (!dbf) return false;
    bool ok = true;
    for (const DbfField& f : fields)
        ok = ok && DBFAddNativeFieldType(dbf, f.name.c_str(), f.type, f.width, 0) >= 0;
    for (int r = 0; ok && r < static_cast<int>(records.size()); ++r) {
        const DbfRecord& record = records[static_cast<std::size_t>(r)];
        for (int f = 0; ok && f < static_cast<int>(fields.size()); ++f) {
            std::string value = f < static_cast<int>(record.values.size()) ? record.values[static_cast<std::size_t>(f)] : "";
            ok = DBFWriteAttributeDirectly(dbf, r, f, value.data()) != 0;
        }
        if (ok && record.deleted) ok = DBFMarkRecordDeleted(dbf, r, 1) != 0;
    }
    DBFClose(dbf);
    return ok;
}

std::vector<DbfField> payrollFields() {
    return {{"MAT_RAB", 'C', 13}, {"IME_RAB", 'C', 15}, {"PRZ_RAB", 'C', 20}, {"ADR_RAB", 'C', 30},
            {"OPS_RAB", 'C', 3},  {"KART_RAB", 'C', 15}, {"POC_RAB", 'D', 8},  {"KRAJ_RAB", 'D', 8}};
}

}  // namespace testing_support
