#include "reconcile/LibraryDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"

bool SaveLibraryDatabaseReporting(ApplicationState& state, LibraryKind kind)
{
    try {
        if (kind == LibraryKind::IR) {
            state.IR.SaveIRDatabase();
        } else {
            state.RS232Libraries.SaveRS232Database();
        }
        return true;
    } catch (const FileError& error) {
        const QString database = kind == LibraryKind::IR ? "infrared" : "RS232";
        state.Prompts().Message(
            "Failed to save the " + database + " data base! '" + QString::fromStdString(error.what()) + "'",
            "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
}
