#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdlib>
#include <unistd.h>

std::filesystem::path ProgramFolderFor(const std::filesystem::path& executableFolder)
{
    if (const char* named = std::getenv("TAVLO_PROGRAM_FOLDER"); named != nullptr && *named != '\0')
        return std::filesystem::path(named);
    // An installed program ("bin" of a prefix such as ~/.local or /usr) keeps
    // its data with the user's data, even where its user can write beside it.
    if (executableFolder.filename() == "bin") return UserDataFolder();
    if (::access(executableFolder.c_str(), W_OK | X_OK) == 0) return executableFolder;
    return UserDataFolder();
}

std::filesystem::path UserDataFolder()
{
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // A folder that cannot be made shows itself at the first save, which
    // reports the failure to the user.
    QDir().mkpath(userData);
    return std::filesystem::path(userData.toStdString());
}

std::filesystem::path ResolveProgramFolder()
{
    if (QCoreApplication::instance() != nullptr)
        return ProgramFolderFor(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
    return ProgramFolderFor(std::filesystem::current_path());
}
