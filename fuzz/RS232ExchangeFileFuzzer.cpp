#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "rs232/RS232ExchangeFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <numeric>
#include <vector>

// A ".BRS" export from another computer, imported into a database that
// already holds a library of the seeds' names; what was merged must export
// again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("in.BRS", data, size);
    SilentPrompts prompts;
    ApplicationState state(folder.Path(), prompts);
    SerialClassGlobals& libraries = state.RS232Libraries;
    libraries.AddRS232Library();
    libraries.RS232Database[0].Manufacturer("ACME");
    libraries.RS232Database[0].MyType("PROJECTOR");
    libraries.RS232Database[0].Model("PJ-100");
    try {
        ImportRS232ExchangeFile(state, path);
    } catch (const FileError&) {
    }
    std::vector<int> all(static_cast<std::size_t>(libraries.RS232Database.Count()));
    std::iota(all.begin(), all.end(), 0);
    WriteRS232ExchangeFile(libraries, all, folder.Path() / "out.BRS");
    return 0;
}
