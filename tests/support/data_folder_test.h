#pragma once
// A test of a file the program saves into its data folder: the data folder is
// a scratch folder, the user's answers are scripted, and the data folder and
// the current folder (a save dialog moves it to the folder saved into) are put
// back afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/app_state.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace testing_support {

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedFolder = shell::app().CFOLDERNAINSTALACIJABAZA;
        shell::app().CFOLDERNAINSTALACIJABAZA = data.path().string();
    }
    void TearDown() override {
        shell::app().CFOLDERNAINSTALACIJABAZA = savedFolder;
        std::filesystem::current_path(savedCurrent);
    }
    // A message as the recorded answers show it.
    std::string info(const std::string& title, const std::string& text) const { return "info|" + title + "|" + text; }

    TempFolder data;
    RecordingInteraction seam;
    std::string savedFolder;
    std::filesystem::path savedCurrent = std::filesystem::current_path();
};

}  // namespace testing_support
