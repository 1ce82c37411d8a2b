// kasavel-write-dbf TABLE.dbf: writes a dBase table for a scenario's fixtures.
// Standard input: the first line names the fields, "NAME:TYPE:WIDTH" separated
// by blanks; every further line is one record, its values separated by "|"
// and written as given; a line starting with "*" is a record flagged deleted.
#include <iostream>
#include <sstream>
#include <string>

#include "support/dbf_fixture.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kasavel-write-dbf TABLE.dbf < fields-and-records\n";
        return 2;
    }
    using namespace testing_support;
    std::vector<DbfField> fields;
    std::string line;
    std::getline(std::cin, line);
    std::istringstream header(line);
    for (std::string field; header >> field;) {
        const auto first = field.find(':'), second = field.rfind(':');
        if (first == std::string::npos || second != first + 2) {
            std::cerr << "kasavel-write-dbf: field " << field << " is not NAME:TYPE:WIDTH\n";
            return 2;
        }
        fields.push_back({field.substr(0, first), field[first + 1], std::stoi(field.substr(second + 1))});
    }
    std::vector<DbfRecord> records;
    while (std::getline(std::cin, line)) {
        DbfRecord record;
        if (!line.empty() && line[0] == '*') {
            record.deleted = true;
            line.erase(0, 1);
        }
        std::size_t start = 0;
        for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
            record.values.push_back(line.substr(start, bar - start));
        record.values.push_back(line.substr(start));
        records.push_back(std::move(record));
    }
    if (!writeDbf(argv[1], fields, records)) {
        std::cerr << "kasavel-write-dbf: " << argv[1] << " cannot be written\n";
        return 1;
    }
    return 0;
}
