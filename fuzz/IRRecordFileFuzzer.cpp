#include "model/IRClassGlobals.h"
#include "platform/RecordFile.h"
#include "support/ScratchFolder.h"

// An IR library member of an archive; a whole library is taken into the
// database as the archive's merge takes it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("IR000.IRT", data, size);
    IRClassGlobals ir(folder.Path());
    try {
        if (!ir.ReadIRRecordFile(path)) return 0;
    } catch (const FileError&) {
        return 0;
    }
    ir.AddIRLibrary();
    ir.IRRecordToLibrary(ir.IRDatabase.LastIndex());
    return 0;
}
