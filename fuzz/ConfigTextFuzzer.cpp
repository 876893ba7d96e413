#include "model/ConfigText.h"
#include "platform/RecordFile.h"
#include "support/ScratchFolder.h"

#include <memory>

// "Config.tmp" as an archive delivers it: any bytes at all.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("Config.tmp", data, size);
    auto record = std::make_unique<ConfigurationRecord>();
    try {
        ReadConfigText(path, *record);
    } catch (const ConfigTextError&) {
    } catch (const FileError&) {
    }
    return 0;
}
