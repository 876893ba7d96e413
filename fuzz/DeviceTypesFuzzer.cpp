#include "model/DeviceTypes.h"
#include "platform/Registry.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFolder.h"

// The registry file as another program or a damaged disk may leave it. The
// device searches rely on the table never being empty.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("registry", data, size);
    Registry registry(path);
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    CheckProperty(!table.empty(), "the device type table is never empty");
    return 0;
}
