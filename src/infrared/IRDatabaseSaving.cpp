#include "infrared/IRDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"

bool SaveIRDatabaseReporting(ApplicationState& state)
{
    try {
        state.IR.SaveIRDatabase();
        return true;
    } catch (const FileError& error) {
        // The libraries stay in memory; the next save of the database may still write them.
        state.Prompts().Message("Failed to save the IR data base! '" + QString::fromStdString(error.what()) + "'",
                                "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
}
