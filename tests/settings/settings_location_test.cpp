// SPDX-License-Identifier: MIT
#include "settings/settings_location.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(SettingsLocation, AWritableProgramFolderKeepsTheSettingsBesideTheProgram) {
    TempFolder program;
    TempFolder config;
    const auto writable = [](const QString&) {
        return true;
    };
    EXPECT_EQ(km::settingsFolder(program.path(), writable, config.filePath("Kestrelmark")),
              program.path());
    EXPECT_FALSE(QFileInfo::exists(config.filePath("Kestrelmark")));
}

TEST(SettingsLocation, AnInstalledProgramKeepsThemInTheUsersConfigurationFolder) {
    TempFolder program;
    TempFolder config;
    const auto readOnly = [](const QString&) {
        return false;
    };
    const QString chosen = km::settingsFolder(program.path(), readOnly, config.filePath("a/b"));
    EXPECT_EQ(chosen, config.filePath("a/b"));
    EXPECT_TRUE(QFileInfo(chosen).isDir());
}

TEST(SettingsLocation, AProgramInItsInstallFolderOrASharedProgramFolderIsInstalled) {
    EXPECT_TRUE(km::isInstalledProgramFolder("/opt/km/programs", "/opt/km/programs/"));
    for (const char* folder : {"/usr/bin", "/bin", "/usr/local/sbin", "/home/ann/.local/bin"})
        EXPECT_TRUE(km::isInstalledProgramFolder(folder, "/usr/local/bin")) << folder;
    for (const char* folder : {"/home/ann/kestrelmark", "/home/ann/bin-old", "/usr/lib", "/"})
        EXPECT_FALSE(km::isInstalledProgramFolder(folder, "/usr/local/bin")) << folder;
}

TEST(SettingsLocation, TheRealCheckSeesAWritableFolder) {
    TempFolder program;
    EXPECT_EQ(km::settingsFolder(program.path()), program.path());
}

} // namespace
