// kasavel-drive: runs the real program headless, answering every wait for the
// user from a scenario script, and prints what happened as a transcript.
//
//   kasavel-drive [--today YYYY-MM-DD] [--data DIR] SCRIPT     ("-" reads standard input)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "platform/desktop/desktop.h"
#include "platform/ui/application.h"
#include "shell/main.h"
#include "tools/drive/script_interaction.h"

namespace {

[[noreturn]] void finish(int status) {
    std::cout << "exit " << status << std::endl;
    std::fflush(nullptr);
    std::_Exit(status);  // windows left by a failed line are not torn down one by one
}

[[noreturn]] void usage() {
    std::cerr << "usage: kasavel-drive [--today YYYY-MM-DD] [--data DIR] SCRIPT\n";
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    std::string today, data, scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--today" && i + 1 < argc) today = argv[++i];
        else if (a == "--data" && i + 1 < argc) data = argv[++i];
        else if (scriptPath.empty()) scriptPath = a;
        else usage();
    }
    if (scriptPath.empty()) usage();
    if (!today.empty()) {
        if (today.size() != 10 || today[4] != '-' || today[7] != '-') usage();
        desktop::setToday(today.substr(0, 4) + today.substr(5, 2) + today.substr(8, 2));
    }

    std::ifstream file;
    std::istream* in = &std::cin;
    if (scriptPath != "-") {
        file.open(scriptPath);
        if (!file) {
            std::cerr << "kasavel-drive: cannot read " << scriptPath << "\n";
            return 2;
        }
        in = &file;
    }
    if (!data.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(data, ec);
        std::filesystem::current_path(data, ec);
        if (ec) {
            std::cerr << "kasavel-drive: cannot work in " << data << "\n";
            return 2;
        }
    }

    ui::Application application(argc, argv, true);
    drive::Script script(*in);
    drive::ScriptInteraction interaction(script, std::cout);
    ui::setInteraction(&interaction);
    try {
        // MAIN returns only when the program ends before its main window (the
        // database cannot be opened): the program ended, which is exit 0.
        shell::MAIN();
        finish(0);
    } catch (const drive::Ended& e) {
        finish(e.status);
    } catch (const drive::Failed& f) {
        std::cerr << "kasavel-drive: " << f.what() << "\n";
        finish(1);
    } catch (const drive::Unreadable& u) {
        std::cerr << "kasavel-drive: " << u.what() << "\n";
        finish(2);
    }
}
