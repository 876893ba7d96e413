#include "infrared/IRExchangeFile.h"
#include "model/ApplicationState.h"
#include "model/RuntimeErrors.h"
#include "platform/RecordFile.h"
#include "support/HeldLibraries.h"
#include "support/KeepingReconciliation.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <memory>

// A ".BRI" export from another computer, imported by the IR browser into a
// database that already holds libraries of the seeds' names. A user who
// keeps the database's library when asked finds every held library as it
// was; what was merged must then save.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("Fuzz.BRI", data, size);
    SilentPrompts prompts;
    auto state = std::make_unique<ApplicationState>(folder.Path(), prompts);
    state->Installed.Install<LibraryReconciliation>(std::make_unique<KeepingReconciliation>());
    const HeldLibraries held(*state);
    try {
        ImportIRExchangeFile(*state, path);
    } catch (const FileError&) {
    } catch (const ValueOverflow&) {
    }
    CheckProperty(held.Unchanged(*state), "an import keeps the libraries the database held");
    state->IR.SaveIRDatabase();
    return 0;
}
