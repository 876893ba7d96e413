#include "model/IRClassGlobals.h"
#include "platform/RecordFile.h"
#include "support/ScratchFolder.h"

// "InfraRed.DEF" copied from another computer; what loads must convert back
// into records for saving.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    folder.Write("InfraRed.DEF", data, size);
    IRClassGlobals ir(folder.Path());
    try {
        ir.LoadIRDatabase();
    } catch (const FileError&) {
        return 0;
    }
    for (int i = 0; i < ir.IRDatabase.Count(); ++i) ir.IRLibraryToRecord(i);
    return 0;
}
