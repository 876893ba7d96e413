#include "model/IRClassGlobals.h"
#include "platform/RecordFile.h"
#include "support/PropertyCheck.h"
#include "support/SameIRLibrary.h"
#include "support/SavedFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "InfraRed.DEF" copied from another computer. What loads saves, and the
// saved file loads again to the same libraries; a second save writes the
// same bytes, whatever the first left in the buffers.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto file = folder.Write("InfraRed.DEF", data, size);
    SilentPrompts prompts;
    IRClassGlobals loaded(folder.Path(), prompts);
    try {
        loaded.LoadIRDatabase();
    } catch (const FileError&) {
        return 0;
    }
    loaded.SaveIRDatabase();
    const auto saved = SavedFile(file);
    loaded.SaveIRDatabase();
    CheckProperty(SavedFile(file) == saved, "a second save of a database writes the same bytes");

    IRClassGlobals reloaded(folder.Path(), prompts);
    reloaded.LoadIRDatabase();
    bool same = reloaded.IRDatabase().Count() == loaded.IRDatabase().Count();
    for (int i = 0; same && i < loaded.IRDatabase().Count(); ++i)
        same = SameIRLibrary(reloaded.IRDatabase()[i], loaded.IRDatabase()[i]);
    CheckProperty(same, "a saved database loads again to the same libraries");
    return 0;
}
