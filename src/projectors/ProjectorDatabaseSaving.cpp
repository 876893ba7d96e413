#include "projectors/ProjectorDatabaseSaving.h"

#include "model/ApplicationState.h"
#include "model/SaveDatabaseReporting.h"

bool SaveProjectorDatabaseReporting(ApplicationState& state)
{
    return SaveDatabaseReporting(state.Prompts(), "projector", [&state] { state.Projectors.SaveProjectorDatabase(); });
}
