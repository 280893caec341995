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

TEST(SettingsLocation, TheRealCheckSeesAWritableFolder) {
    TempFolder program;
    EXPECT_EQ(km::settingsFolder(program.path()), program.path());
}

} // namespace
