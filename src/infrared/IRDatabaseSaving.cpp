#include "infrared/IRDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "model/SaveDatabaseReporting.h"

bool SaveIRDatabaseReporting(ApplicationState& state)
{
    return SaveDatabaseReporting(state.Prompts(), "IR", [&state] { state.IR.SaveIRDatabase(); });
}
