#include "model/SerialClassGlobals.h"
#include "platform/RecordFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

// An RS232 library member of an archive, or an export file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("RS000.RST", data, size);
    SilentPrompts prompts;
    SerialClassGlobals rs232(folder.Path(), prompts);
    try {
        rs232.ReadRS232RecordFile(path);
    } catch (const FileError&) {
    }
    return 0;
}
