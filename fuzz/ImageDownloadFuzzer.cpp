#include "devicelink/ImageDownload.h"
#include "support/CopyAnswers.h"
#include "support/ExchangeBounds.h"
#include "support/PropertyCheck.h"
#include "support/SilentPrompts.h"
#include "support/devices/VirtualLine.h"

#include <vector>

// A download and the restart after it, against a controller on a line in
// virtual time that keeps a block only when it acknowledges it: the first
// byte sets the image's length (1 to 32 blocks, the last one possibly
// short), the second whether replies keep their turn (bit 0), the rest how
// the controller answers each copy it hears (support/CopyAnswers.h).
// Whatever it answers, the download ends within the protocol's retries, and
// it is done only with every block kept.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const int blocks = 1 + (data[0] & 31);
    const int32_t length = blocks * DownloadBlockSize - (data[0] >> 5);
    std::vector<uint8_t> image(static_cast<std::size_t>(length));
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 37 + 11);

    VirtualLine line;
    line.InOrder = (data[1] & 1) != 0;
    line.Open();
    CopyAnswers answers({data + 2, size - 2});
    VirtualDevice controller(line, [&answers](const VirtualLine::Frame&, int) { return answers.Next(); });
    SilentPrompts prompts;
    DeviceTypeTable types;
    const bool abortWait = false;
    SerialLink link(line, abortWait, prompts, types, line.MakeTimer());
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
    CheckProperty(line.Now() <= DownloadBound(waits, DownloadBlockCount(length)), "a download ends within its retries");
    for (int block = 0; sent && block < DownloadBlockCount(length); ++block) {
        const DownloadPacket packet = MakeDownloadPacket(image, block);
        CheckProperty(controller.Kept(DownloadAddress, {packet.begin(), packet.end()}),
                      "a download is done only with every block kept");
    }
    if (!sent) return 0;
    const long long restartFrom = line.Now();
    const bool restarted = link.restart_unit();
    CheckProperty(!restarted || controller.Kept(SerialLink::RestartAddress, {0xFF}),
                  "a restart is done only when the controller took it");
    CheckProperty(line.Now() - restartFrom <= FrameRunBound(1, waits.AddressPause, waits.Acknowledge),
                  "a restart ends within its retries");
    return 0;
}
