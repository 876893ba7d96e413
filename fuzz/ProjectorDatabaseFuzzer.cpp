#include "model/ProjectorClassGlobals.h"
#include "support/DatabaseInput.h"
#include "support/LoadAndSaveAlone.h"
#include "support/PropertyCheck.h"
#include "support/SavedFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "Projectors.DEF" and "Projectors.BAK" copied from another computer. A
// load and a save lose neither: each is read whole into the saved database
// or kept on disk unchanged. What loads saves, and the saved file loads
// again, without a message, to the same definitions; a second save writes
// the same bytes, whatever the first left in the buffer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const DatabaseInput input(data, size);
    input.WriteTo(folder.Path(), "Projectors");
    const auto file = folder.Path() / "Projectors.DEF";
    SilentPrompts prompts;
    ProjectorClassGlobals loaded(folder.Path(), prompts);
    loaded.LoadProjectorDatabase();
    loaded.SaveProjectorDatabase();
    CheckEachFileReadWholeOrKept(input, folder.Path(), "Projectors", [](const std::string& def) {
        return LoadAndSaveAlone<ProjectorClassGlobals>("Projectors", ProjectorDefinitionRecord::Length, def,
                                                       [](ProjectorClassGlobals& alone) {
                                                           alone.LoadProjectorDatabase();
                                                           alone.SaveProjectorDatabase();
                                                       });
    });
    const auto saved = SavedFile(file);
    loaded.SaveProjectorDatabase();
    CheckProperty(SavedFile(file) == saved, "a second save of a database writes the same bytes");

    const int messages = prompts.Messages();
    ProjectorClassGlobals reloaded(folder.Path(), prompts);
    reloaded.LoadProjectorDatabase();
    CheckProperty(prompts.Messages() == messages, "a saved database loads without a message");
    bool same = reloaded.ProjectorDatabase().Count() == loaded.ProjectorDatabase().Count();
    for (int i = 0; same && i < loaded.ProjectorDatabase().Count(); ++i)
        same = reloaded.ProjectorDatabase()[i].IsSameAs(loaded.ProjectorDatabase()[i]);
    CheckProperty(same, "a saved database loads again to the same definitions");
    return 0;
}
