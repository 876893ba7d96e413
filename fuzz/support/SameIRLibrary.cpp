#include "SameIRLibrary.h"

#include "SilentPrompts.h"
#include "model/IRClassGlobals.h"

bool SameIRLibrary(const IRclass& a, const IRclass& b)
{
    // Buffers of their own, so that the caller's stay as they are.
    const std::filesystem::path noFolder;
    SilentPrompts prompts;
    IRClassGlobals scratch(noFolder, prompts);
    // Never read from a file.
    scratch.ClearIRDatabase();
    scratch.AddIRLibrary().CopyFrom(a);
    scratch.AddIRLibrary().CopyFrom(b);
    scratch.IRLibraryToRecord(0);
    return scratch.IRRecordMatchesLibrary(1);
}
