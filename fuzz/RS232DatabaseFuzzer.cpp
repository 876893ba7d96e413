#include "model/SerialClassGlobals.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// "RS232Serials.DEF" copied from another computer; what loads must convert
// back into records for saving.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    folder.Write("RS232Serials.DEF", data, size);
    SilentPrompts prompts;
    SerialClassGlobals rs232(folder.Path(), prompts);
    rs232.LoadRS232Database();
    for (int i = 0; i < rs232.RS232Database.Count(); ++i) rs232.RS232LibraryToRecord(i);
    return 0;
}
