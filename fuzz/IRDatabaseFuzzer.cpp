#include "model/IRClassGlobals.h"
#include "support/DatabaseInput.h"
#include "support/LoadAndSaveAlone.h"
#include "support/PropertyCheck.h"
#include "support/SameIRLibrary.h"
#include "support/SavedFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "InfraRed.DEF" and "InfraRed.BAK" copied from another computer. A load
// and a save lose neither: each is read whole into the saved database or
// kept on disk unchanged. What loads saves, and the saved file loads again,
// without a message, to the same libraries; a second save writes the same
// bytes, whatever the first left in the buffers.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const DatabaseInput input(data, size);
    input.WriteTo(folder.Path(), "InfraRed");
    const auto file = folder.Path() / "InfraRed.DEF";
    SilentPrompts prompts;
    IRClassGlobals loaded(folder.Path(), prompts);
    loaded.LoadIRDatabase();
    loaded.SaveIRDatabase();
    CheckEachFileReadWholeOrKept(input, folder.Path(), "InfraRed", [](const std::string& def) {
        return LoadAndSaveAlone<IRClassGlobals>("InfraRed", IRRecordLayout::RecordLength, def,
                                                [](IRClassGlobals& alone) {
                                                    alone.LoadIRDatabase();
                                                    alone.SaveIRDatabase();
                                                });
    });
    const auto saved = SavedFile(file);
    loaded.SaveIRDatabase();
    CheckProperty(SavedFile(file) == saved, "a second save of a database writes the same bytes");

    const int messages = prompts.Messages();
    IRClassGlobals reloaded(folder.Path(), prompts);
    reloaded.LoadIRDatabase();
    CheckProperty(prompts.Messages() == messages, "a saved database loads without a message");
    bool same = reloaded.IRDatabase().Count() == loaded.IRDatabase().Count();
    for (int i = 0; same && i < loaded.IRDatabase().Count(); ++i)
        same = SameIRLibrary(reloaded.IRDatabase()[i], loaded.IRDatabase()[i]);
    CheckProperty(same, "a saved database loads again to the same libraries");
    return 0;
}
