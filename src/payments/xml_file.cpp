#include "payments/xml_file.h"

#include <filesystem>

#include "platform/desktop/files.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace payments {

std::optional<std::string> NAPRAVIXML(const XmlExport& header, const ui::TextTable& items) {
    const std::string folder =
        shell::FOLDERSOSLASH(shell::FOLDERSOSLASH(shell::app().CFOLDERNAINSTALACIJABAZA) + "ePDDxml");
    std::error_code ignored;  // a folder that cannot be made shows when the file is written
    std::filesystem::create_directory(folder, ignored);
    const std::string name = proposedXmlName(header.payerName, shell::storedDate(header.paymentDate));
    const auto path = ui::putFile(vocab::CTITSAVEFILE, {{"Xml files", "*.xml"}}, folder, name);
    if (!path || path->empty()) {
        ui::msgInfo(vocab::CPORNEMAFILENAME, vocab::CPORGRESKA);
        return std::nullopt;
    }
    const std::string failure = desktop::writeFile(*path, revenueOfficeXml(header, items));
    if (!failure.empty()) {
        ui::msgInfo(vocab::CPORNEMOZESOCUVAFAJL + failure, vocab::CPORGRESKA);
        return std::nullopt;
    }
    ui::msgInfo(vocab::CPORUSPEHSAVEFILE, vocab::CPORUSPEH);
    return path;
}

}  // namespace payments
