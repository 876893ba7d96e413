#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <cstdlib>

std::filesystem::path ResolveProgramFolder()
{
    if (const char* named = std::getenv("TAVLO_PROGRAM_FOLDER"); named != nullptr && *named != '\0')
        return std::filesystem::path(named);
    if (QCoreApplication::instance() != nullptr)
        return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    return std::filesystem::current_path();
}
