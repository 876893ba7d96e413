#include "devicelink/SerialLink.h"
#include "support/DeviceReplies.h"
#include "support/ScriptedLine.h"
#include "support/SilentPrompts.h"

#include <cstdlib>
#include <memory>

// Whatever answers the probe: the first byte says whether a found device is
// restarted, the rest is what the line returns.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    bool restart = (data[0] & 1) != 0;
    DeviceReplies replies({data + 1, size - 1});
    FuzzSerialPort port;
    port.Open();
    SilentPrompts prompts;
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    const bool abortWait = false;
    SerialLink link(port, abortWait, prompts, types, std::make_unique<ScriptedLineTimer>(port, replies));
    const SerialLink::DeviceIdentity identity = link.Find_pod(restart);
    // Only a device the table knows may be reported.
    if (identity != 0 && FindDeviceTypeByReply(types, IdentityByte(identity)) == nullptr) std::abort();
    return 0;
}
