#include "model/SerialClassGlobals.h"
#include "support/PropertyCheck.h"
#include "support/SavedFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "RS232Serials.DEF" copied from another computer. What loads saves, and the
// saved file loads again, without a message, to the same libraries; a
// second save writes the same bytes, whatever the first left in the buffer.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto file = folder.Write("RS232Serials.DEF", data, size);
    SilentPrompts prompts;
    SerialClassGlobals loaded(folder.Path(), prompts);
    loaded.LoadRS232Database();
    loaded.SaveRS232Database();
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
