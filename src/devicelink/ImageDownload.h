#pragma once

#include "devicelink/SerialLink.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>

// The controller image goes out in blocks of eight bytes, each in one frame
// behind the block address: block number (high byte first), the eight image
// bytes and the frame checksum.
inline constexpr uint8_t DownloadAddress = 0x11;
inline constexpr int DownloadBlockSize = 8;
inline constexpr int ProgressBarMaximum = 1000;

using DownloadPacket = std::array<uint8_t, 11>;

// Image bytes past the end of the image count as zero.
DownloadPacket MakeDownloadPacket(std::span<const uint8_t> image, int block);
int DownloadBlockCount(int32_t length);
// The bar's value after a block: thousandths of the blocks done, truncated.
int DownloadProgressValue(int block, int blocks);
// The percentage label for a bar value: 498 reads "49.8%".
QString DownloadProgressText(int progressValue);

// Told after every acknowledged block (the bar's value and its label) and
// once at the end ("100%").
using DownloadProgress = std::function<void(int progressValue, const QString& label)>;

// Sends the first length bytes of the image, rounded up to whole blocks, as
// a FrameRun: a block whose acknowledgement may have been a late reply to
// another is sent again. False after a block failed its fourth attempt (the
// user has been told) or when the abort flag ended a wait (nothing shown).
bool download_image(SerialLink& link, std::span<const uint8_t> image, int32_t length, const DownloadProgress& progress);
