#include "model/SaveDatabaseReporting.h"

#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"

bool SaveDatabaseReporting(UserPrompts& prompts, const QString& databaseName, const std::function<void()>& save)
{
    try {
        save();
        return true;
    } catch (const FileError& error) {
        prompts.Message(
            "Failed to save the " + databaseName + " data base! '" + QString::fromStdString(error.what()) + "'",
            "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
}
