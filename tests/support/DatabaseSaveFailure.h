#pragma once

#include <QString>
#include <cstring>
#include <filesystem>

// The message of a database save that failed: the database file and the
// cause, in one pair of quotes, whichever of its companions failed.
inline QString DatabaseSaveFailure(const QString& databaseName, const std::filesystem::path& databaseFile, int cause)
{
    return "Failed to save the " + databaseName + " data base! '" +
           QString::fromStdString(databaseFile.string() + ": " + std::strerror(cause)) + "'";
}
