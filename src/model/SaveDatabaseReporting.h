#pragma once

#include <QString>
#include <functional>

class UserPrompts;

// Runs the save of one database ("projector", "RS232"); a failure is told
// to the user and the previous file stays as it was, while the entries stay
// in memory for the next save. True when the file was written.
bool SaveDatabaseReporting(UserPrompts& prompts, const QString& databaseName, const std::function<void()>& save);
