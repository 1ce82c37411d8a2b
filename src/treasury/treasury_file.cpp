#include "treasury/treasury_file.h"

#include <filesystem>

#include "platform/desktop/files.h"
#include "platform/ui/ui.h"
#include "shell/app_state.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/order_file.h"
#include "treasury/specification.h"

namespace treasury {

void NAPRAVIFAJL(Mode mode, TreasuryFileInput& input, const WorkBeforePlacing& work) {
    if (const auto why = refusal(input)) {
        ui::msgInfo(*why, vocab::CPORGRESKA);
        return;
    }
    const std::string folder =
        shell::FOLDERSOSLASH(shell::FOLDERSOSLASH(shell::app().CFOLDERNAINSTALACIJABAZA) + "TREZOR");
    std::error_code ignored;  // a folder that cannot be made shows when the file is written
    std::filesystem::create_directory(folder, ignored);

    const auto proposal =
        proposedName(input.DDATANAPODNESUVANJE, input.payer.MKRATENKAINSTITUCIJA, desktop::takenNames(folder));
    if (!proposal) {
        ui::msgInfo(vocab::CPORMAXFAJLOVI, vocab::CPORGRESKA);
        return;
    }
    const std::string pattern = "*." + proposal->name.substr(proposal->name.find('.') + 1);
    const auto path = ui::putFile(vocab::CTITSAVEFILE, {{"", pattern}}, folder, proposal->name);
    if (!path || path->empty()) {
        ui::msgInfo(vocab::CPORNEMAFILENAME, vocab::CPORGRESKA);
        return;
    }
    desktop::FileWriter file(*path);
    writeOrderFile(input, *treasuryKind(input.payer), mode, proposal->batchDigit,
                   [&file](std::string_view piece) { return file.write(piece); });
    std::string failure = file.close();
    bool workDone = false;
    if (failure.empty() && work.run) {
        // Once the work is done the file must follow: its place is checked
        // again first, and it is set aside under a name no cleanup removes.
        failure = file.placeable();
        if (failure.empty()) failure = file.setAside();
        if (failure.empty()) {
            if (!work.run()) return;  // refused: the producer has said why
            workDone = true;
        }
    }
    if (failure.empty()) failure = file.commit();
    if (!failure.empty() && workDone) {
        // The work stands: the complete file stays, under the name it was set aside with.
        ui::msgInfo(work.done + "\r\n" + vocab::CPORFAJLNESMESTEN + *path + "\r\n" + vocab::CPORFAJLZADRZAN +
                        file.keep(),
                    vocab::CPORGRESKA);
        return;
    }
    if (!failure.empty()) {
        ui::msgInfo(vocab::CPORNEMOZESOCUVAFAJL + failure, vocab::CPORGRESKA);
        return;
    }
    input.CDEL = proposal->batchDigit;
    input.savedFile = *path;
    input.LUSPEH = true;
    ui::msgInfo(vocab::CPORUSPEHSAVEFILE, vocab::CPORUSPEH);
    PRINTSPECIFIKACIJA(mode, input);
}

}  // namespace treasury
