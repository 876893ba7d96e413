#include "devicelink/ImageDownload.h"

#include "devicelink/FrameRun.h"

DownloadPacket MakeDownloadPacket(std::span<const uint8_t> image, int block)
{
    DownloadPacket packet{};
    packet[0] = static_cast<uint8_t>((block >> 8) & 255);
    packet[1] = static_cast<uint8_t>(block & 255);
    for (int i = 0; i < DownloadBlockSize; ++i) {
        const std::size_t position = static_cast<std::size_t>(block) * DownloadBlockSize + static_cast<std::size_t>(i);
        packet[static_cast<std::size_t>(2 + i)] = position < image.size() ? image[position] : 0;
    }
    packet[10] = SerialLink::FrameChecksum(packet.data(), 10);
    return packet;
}

int DownloadBlockCount(int32_t length)
{
    return length <= 0 ? 0 : static_cast<int>((int64_t{length} + DownloadBlockSize - 1) / DownloadBlockSize);
}

int DownloadProgressValue(int block, int blocks)
{
    return static_cast<int>(static_cast<int64_t>(block) * ProgressBarMaximum / blocks);
}

QString DownloadProgressText(int progressValue)
{
    return QString("%1.%2%").arg(progressValue / 10).arg(progressValue % 10);
}

bool download_image(SerialLink& link, std::span<const uint8_t> image, int32_t length, const DownloadProgress& progress)
{
    const int blocks = DownloadBlockCount(length);
    FrameRun run;
    run.address = DownloadAddress;
    run.count = blocks;
    run.pauseMilliseconds = link.Waits().AddressPause;
    run.replyMilliseconds = link.Waits().Acknowledge;
    run.payload = [image](int block) {
        const DownloadPacket packet = MakeDownloadPacket(image, block);
        return SerialLink::Bytes(packet.begin(), packet.end());
    };
    run.failureMessages = [](int block) {
        // "Error! " and the block number as a signed number whose sign is a blank.
        return std::optional<SerialLink::FailureMessages>(
            {"Reply to download failed", "No reply to download", QString("Error!  %1").arg(block)});
    };
    run.acknowledged = [&progress, blocks](int block) {
        const int value = DownloadProgressValue(block, blocks);
        if (progress) progress(value, DownloadProgressText(value));
    };
    if (!SendFrameRun(link, run)) return false;
    if (progress) progress(ProgressBarMaximum, "100%");
    return true;
}
