#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "rs232/RS232ExchangeFile.h"
#include "support/HeldLibraries.h"
#include "support/KeepingReconciliation.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <memory>
#include <numeric>
#include <vector>

// A ".BRS" export from another computer, imported into a database that
// already holds libraries of the seeds' names. A user who keeps the
// database's library when asked finds every held library as it was; what
// was merged must export again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("in.BRS", data, size);
    SilentPrompts prompts;
    auto state = std::make_unique<ApplicationState>(folder.Path(), prompts);
    state->Installed.Install<LibraryReconciliation>(std::make_unique<KeepingReconciliation>());
    const HeldLibraries held(*state);
    try {
        ImportRS232ExchangeFile(*state, path);
    } catch (const FileError&) {
    }
    CheckProperty(held.Unchanged(*state), "an import keeps the libraries the database held");

    SerialClassGlobals& libraries = state->RS232Libraries;
    std::vector<int> all(static_cast<std::size_t>(libraries.RS232Database().Count()));
    std::iota(all.begin(), all.end(), 0);
    WriteRS232ExchangeFile(libraries, all, folder.Path() / "out.BRS");
    return 0;
}
