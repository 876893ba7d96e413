#include "reconcile/LibraryDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"

#include <functional>

namespace {

bool SaveReporting(ApplicationState& state, const QString& database, const std::function<void()>& save)
{
    try {
        save();
        return true;
    } catch (const FileError& error) {
        state.Prompts().Message(
            "Failed to save the " + database + " data base! '" + QString::fromStdString(error.what()) + "'",
            "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
        return false;
    }
}

}  // namespace

bool SaveIRDatabaseReporting(ApplicationState& state)
{
    return SaveReporting(state, "IR", [&state] { state.IR.SaveIRDatabase(); });
}

bool SaveRS232DatabaseReporting(ApplicationState& state)
{
    return SaveReporting(state, "RS232", [&state] { state.RS232Libraries.SaveRS232Database(); });
}
