#include "model/ProjectorClassGlobals.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "Projectors.DEF" copied from another computer; what loads must convert
// back into records for saving.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    folder.Write("Projectors.DEF", data, size);
    SilentPrompts prompts;
    ProjectorClassGlobals projectors(folder.Path(), prompts);
    projectors.LoadProjectorDatabase();
    for (int i = 0; i < projectors.ProjectorDatabase.Count(); ++i) projectors.ProjectorDefinitionToRecord(i);
    return 0;
}
