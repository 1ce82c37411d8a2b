// The start in a data folder that is gone: said with the folder and the
// reason, and the program ends as for a database it cannot open.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "shell/app_state.h"
#include "shell/main.h"
#include "shell/vocabulary.h"
#include "support/current_folder.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

TEST(StartUp, AWorkingFolderRemovedBeforeTheStartIsSaidAndEndsTheProgram) {
    testing_support::RecordingInteraction seam;
    const shell::AppState savedApp = shell::app();
    int status = 0;
    const char* saved = std::getenv("PWD");
    const std::string before = saved ? saved : "";
    std::string gone;
    {
        testing_support::TempFolder folder;
        gone = folder.file("data");
        std::filesystem::create_directory(gone);
        testing_support::CurrentFolder here(gone);
        ::setenv("PWD", gone.c_str(), 1);
        std::filesystem::remove(gone);
        status = shell::MAIN();
    }
    ::setenv("PWD", before.c_str(), 1);
    shell::app() = savedApp;
    EXPECT_EQ(status, 1);
    EXPECT_EQ(seam.shown, std::vector<std::string>{"plain||" + vocab::CPORNEMOZEOTVORIBAZA + "\r\n" + gone +
                                                   ": No such file or directory"});
}

}  // namespace
