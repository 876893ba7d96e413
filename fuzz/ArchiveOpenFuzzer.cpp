#include "devicelink/PromEncode.h"
#include "model/ApplicationState.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <memory>

// A configuration archive from another computer. Once one opens, the editor
// shows its messages and projector and may download it, so those must work
// on whatever the archive held.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("Fuzz.tvl", data, size);
    SilentPrompts prompts;
    auto state = std::make_unique<ApplicationState>(folder.Path(), prompts);
    if (!LoadConfigurationFile(*state, path)) return 0;
    for (int i = 0; i < Configuration::SerialStrings - 1; ++i) state->Config.LoadSerialSlotFromConfig(i);
    state->Config.LoadProjectorFromConfig();
    auto encoder = std::make_unique<PromEncode>();
    encoder->BuildControllerImage(state->Config.Record);
    return 0;
}
