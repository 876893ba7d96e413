#include "platform/ProgramFolder.h"
#include "support/FileLock.h"
#include "support/ScopedVariable.h"
#include "support/TempProgramFolder.h"

#include <QByteArray>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace fs = std::filesystem;

// Installed programs live in "bin" folders or in folders their users cannot
// write; the data then lives in the user's own data folder. The variable
// overrides both.
TEST(ProgramFolder, AnExecutableFolderThatCannotBeWrittenGivesWayToTheUsersDataFolder)
{
    TempProgramFolder home;
    const ScopedVariable dataHome("XDG_DATA_HOME", (home / "data").string());
    const ScopedVariable unnamed("TAVLO_PROGRAM_FOLDER", std::nullopt);
    const fs::path executableFolder = home / "editor";
    fs::create_directory(executableFolder);
    const fs::path installedFolder = home / "bin";  // as cmake --install lays it out
    fs::create_directory(installedFolder);
    const fs::path userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    ASSERT_EQ(userData.string().rfind((home / "data").string(), 0), 0u) << userData;

    EXPECT_EQ(ProgramFolderFor(executableFolder), executableFolder);
    EXPECT_FALSE(fs::exists(userData));
    EXPECT_EQ(ProgramFolderFor(installedFolder), userData);  // writable, yet installed
    fs::remove(userData);

    const ImmutableWhileInScope lock(executableFolder);
    if (!lock.Locked()) GTEST_SKIP() << "this file system cannot lock a folder";
    EXPECT_EQ(ProgramFolderFor(executableFolder), userData);
    EXPECT_TRUE(fs::is_directory(userData));  // made on first use
    EXPECT_EQ(ProgramFolderFor(executableFolder), userData);

    const ScopedVariable named("TAVLO_PROGRAM_FOLDER", (home / "chosen").string());
    EXPECT_EQ(ProgramFolderFor(executableFolder), home / "chosen");
}
