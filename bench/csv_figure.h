#pragma once
// The CSV export of a list as a figure: its bytes written through the file
// writer and saved, beside one fwrite of the same bytes; both to a new file,
// as an export to a new name is.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "listkit/csv.h"
#include "listkit/export_table.h"
#include "platform/desktop/files.h"
#include "timing.h"

namespace bench {

inline void reportCsv(const listkit::ExportTable& table, const std::filesystem::path& csvFile) {
    const auto removeFile = [&] { std::filesystem::remove(csvFile); };
    const double csv = best(
        [&] {
            desktop::FileWriter out(csvFile.string());
            listkit::writeCsv(table, [&](std::string_view piece) { return out.write(piece); });
            out.commit();
        },
        removeFile);
    const std::string bytes = listkit::csvBytes(table);
    const double fwrite = best(
        [&] {
            std::FILE* f = std::fopen(csvFile.c_str(), "wb");
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        },
        removeFile);
    report("csv: bytes written and saved", csv, "one fwrite of the same bytes", fwrite);
    const double format = best([&] { listkit::writeCsv(table, [](std::string_view) { return true; }); });
    report("  of which: the bytes made", format, "one fwrite of the same bytes", fwrite);
}

}  // namespace bench
