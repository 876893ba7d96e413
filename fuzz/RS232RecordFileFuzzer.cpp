#include "model/ApplicationState.h"
#include "model/ArchiveMerge.h"
#include "support/HeldLibraries.h"
#include "support/KeepingReconciliation.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <memory>

// An RS232 library member of an archive, merged as an open merges it into a
// database that already holds libraries of the seeds' names. A user who
// keeps the database's library when asked finds every held library as it
// was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    folder.Write("RS000.RST", data, size);
    SilentPrompts prompts;
    auto state = std::make_unique<ApplicationState>(folder.Path(), prompts);
    state->Installed.Install<LibraryReconciliation>(std::make_unique<KeepingReconciliation>());
    const HeldLibraries held(*state);
    MergeRS232Members(*state, folder.Path());
    CheckProperty(held.Unchanged(*state), "a merged member keeps the libraries the database held");
    return 0;
}
