#include "devicelink/SerialLink.h"
#include "support/DeviceReplies.h"
#include "support/ExchangeBounds.h"
#include "support/PropertyCheck.h"
#include "support/ScriptedLine.h"
#include "support/SilentPrompts.h"

#include <memory>

// Whatever answers the probe: the first byte says whether a found device is
// restarted, the rest is what the line returns. Only a device the table
// knows is reported, and the probe ends within its rounds and retries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const bool restartWanted = (data[0] & 1) != 0;
    bool restart = restartWanted;
    DeviceReplies replies({data + 1, size - 1});
    FuzzSerialPort port;
    port.Open();
    SilentPrompts prompts;
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    const bool abortWait = false;
    VirtualClock clock;
    SerialLink link(port, abortWait, prompts, types, std::make_unique<ScriptedLineTimer>(port, replies, clock));
    const LinkWaits waits;
    link.SetWaits(waits);
    const SerialLink::DeviceIdentity identity = link.Find_pod(restart);
    CheckProperty(identity == 0 || FindDeviceTypeByReply(types, IdentityByte(identity)) != nullptr,
                  "the probe reports only a device the table knows");
    CheckProperty(clock.Milliseconds <= FindPodBound(waits, restartWanted), "the probe ends within its retries");
    return 0;
}
