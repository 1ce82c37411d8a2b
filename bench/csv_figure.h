#pragma once
// The CSV export of a list as a figure: its bytes written through the file
// writer and saved, beside the same bytes written by one fwrite to a temporary
// file that is then synced to the disk and renamed into place, as the writer
// saves; both to a new file, as an export to a new name is. A second line
// compares the making of the bytes alone with one plain fwrite of them.
#include <unistd.h>

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
    const auto fwriteTo = [&](const std::filesystem::path& file, bool saved) {
        std::FILE* f = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        if (saved) std::fflush(f), ::fsync(::fileno(f));
        std::fclose(f);
    };
    const std::filesystem::path temporary = csvFile.string() + ".part";
    const double saved = best(
        [&] {
            fwriteTo(temporary, true);
            std::filesystem::rename(temporary, csvFile);
        },
        removeFile);
    const double fwrite = best([&] { fwriteTo(csvFile, false); }, removeFile);
    report("csv: bytes written and saved", csv, "fwrite to a temp, fsync, rename", saved);
    const double format = best([&] { listkit::writeCsv(table, [](std::string_view) { return true; }); });
    report("  of which: the bytes made", format, "one fwrite of the same bytes", fwrite);
}

}  // namespace bench
