#include "infrared/IRExchangeFile.h"
#include "model/ApplicationState.h"
#include "model/RuntimeErrors.h"
#include "platform/RecordFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <memory>

// A ".BRI" export from another computer, imported by the IR browser into a
// database that already holds a library, so that a library of the same
// names is compared as well as added. What was merged must then save.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("Fuzz.BRI", data, size);
    SilentPrompts prompts;
    auto state = std::make_unique<ApplicationState>(folder.Path(), prompts);
    IRclass& known = state->IR.AddIRLibrary();
    known.Manufacturer("SONIQ");
    known.IRtype("TV");
    known.Model("PJ-100");
    known.AddIRCommand().Name("KEY0");
    try {
        ImportIRExchangeFile(*state, path);
    } catch (const FileError&) {
        return 0;
    } catch (const ValueOverflow&) {
        return 0;
    }
    state->IR.SaveIRDatabase();
    return 0;
}
