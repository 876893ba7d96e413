#include "devicelink/ImageDownload.h"
#include "support/DeviceReplies.h"
#include "support/ExchangeBounds.h"
#include "support/PropertyCheck.h"
#include "support/ScriptedLine.h"
#include "support/SilentPrompts.h"

#include <memory>
#include <vector>

// The controller's answers to an image download: the first byte sets the
// image's length (1 to 32 blocks, the last one possibly short), the rest is
// what the line returns. Whatever it answers, the download ends within the
// protocol's retries.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int blocks = 1 + (data[0] & 31);
    const int32_t length = blocks * DownloadBlockSize - (data[0] >> 5);
    std::vector<uint8_t> image(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 37 + 11);

    DeviceReplies replies({data + 1, size - 1});
    FuzzSerialPort port;
    port.Open();
    SilentPrompts prompts;
    DeviceTypeTable types;
    const bool abortWait = false;
    VirtualClock clock;
    SerialLink link(port, abortWait, prompts, types, std::make_unique<ScriptedLineTimer>(port, replies, clock));
    const LinkWaits waits;
    link.SetWaits(waits);
    int lastValue = 0;
    bool finished = false;
    bool barInRange = true;
    const bool sent = download_image(link, image, length, [&](int value, const QString&) {
        barInRange = barInRange && value >= lastValue && value <= ProgressBarMaximum;
        lastValue = value;
        finished = value == ProgressBarMaximum;
    });
    CheckProperty(barInRange, "the download's bar only moves forward and stays within its range");
    CheckProperty(sent == finished, "a download succeeds exactly when its bar is full");
    CheckProperty(sent || prompts.Messages() == 1, "a failed download has told the user once");
    CheckProperty(clock.Milliseconds <= DownloadBound(waits, DownloadBlockCount(length)),
                  "a download ends within its retries");
    return 0;
}
