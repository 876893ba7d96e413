#include "projectors/ProjectorDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"

bool SaveProjectorDatabaseReporting(ApplicationState& state)
{
    try {
        state.Projectors.SaveProjectorDatabase();
        return true;
    } catch (const FileError& error) {
        // The definitions stay in memory; the next save of the database may still write them.
        state.Prompts().Message(
            "Failed to save the projector data base! '" + QString::fromStdString(error.what()) + "'", "Save Fail!",
            PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
}
