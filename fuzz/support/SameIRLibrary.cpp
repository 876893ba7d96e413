#include "SameIRLibrary.h"

#include "model/IRClassGlobals.h"

bool SameIRLibrary(const IRclass& a, const IRclass& b)
{
    // Buffers of their own, so that the caller's stay as they are.
    const std::filesystem::path noFolder;
    IRClassGlobals scratch(noFolder);
    scratch.AddIRLibrary().CopyFrom(a);
    scratch.AddIRLibrary().CopyFrom(b);
    scratch.IRLibraryToRecord(0);
    return scratch.IRRecordMatchesLibrary(1);
}
