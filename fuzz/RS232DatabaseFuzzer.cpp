#include "model/SerialClassGlobals.h"
#include "support/DatabaseInput.h"
#include "support/LoadAndSaveAlone.h"
#include "support/PropertyCheck.h"
#include "support/SavedFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "RS232Serials.DEF" and "RS232Serials.BAK" copied from another computer. A
// load and a save lose neither: each is read whole into the saved database
// or kept on disk unchanged. What loads saves, and the saved file loads
// again, without a message, to the same libraries; a second save writes the
// same bytes, whatever the first left in the buffer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const DatabaseInput input(data, size);
    input.WriteTo(folder.Path(), "RS232Serials");
    const auto file = folder.Path() / "RS232Serials.DEF";
    SilentPrompts prompts;
    SerialClassGlobals loaded(folder.Path(), prompts);
    loaded.LoadRS232Database();
    loaded.SaveRS232Database();
    CheckEachFileReadWholeOrKept(input, folder.Path(), "RS232Serials", [](const std::string& def) {
        return LoadAndSaveAlone<SerialClassGlobals>("RS232Serials", RS232LibraryRecord::Length, def,
                                                    [](SerialClassGlobals& alone) {
                                                        alone.LoadRS232Database();
                                                        alone.SaveRS232Database();
                                                    });
    });
    const auto saved = SavedFile(file);
    loaded.SaveRS232Database();
    CheckProperty(SavedFile(file) == saved, "a second save of a database writes the same bytes");

    const int messages = prompts.Messages();
    SerialClassGlobals reloaded(folder.Path(), prompts);
    reloaded.LoadRS232Database();
    CheckProperty(prompts.Messages() == messages, "a saved database loads without a message");
    bool same = reloaded.RS232Database().Count() == loaded.RS232Database().Count();
    for (int i = 0; same && i < loaded.RS232Database().Count(); ++i)
        same = reloaded.RS232Database()[i].IsSameAs(loaded.RS232Database()[i]);
    CheckProperty(same, "a saved database loads again to the same libraries");
    return 0;
}
