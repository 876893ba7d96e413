#include "reconcile/LibraryDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "model/SaveDatabaseReporting.h"

bool SaveLibraryDatabaseReporting(ApplicationState& state, LibraryKind kind)
{
    if (kind == LibraryKind::IR)
        return SaveDatabaseReporting(state.Prompts(), "infrared", [&] { state.IR.SaveIRDatabase(); });
    return SaveDatabaseReporting(state.Prompts(), "RS232", [&] { state.RS232Libraries.SaveRS232Database(); });
}
