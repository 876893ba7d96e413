#pragma once

#include <array>
#include <cstdint>
#include <span>

struct ConfigurationRecord;
struct ProjectorMessageRecord;
struct ConfigSerialSlotRecord;

// One message of the image: its count, its bytes, and a mask with a bit for
// every byte that the controller ignores when it receives the message.
struct ImageSerialStringEntry {
    uint8_t Count = 0;
    std::array<uint8_t, 32> Content{};
    std::array<uint8_t, 4> IgnoreMask{};
};

// Turns the configuration into the byte image the controller stores: Meshlo
// addresses, settings, then 64 messages. Every value is kept within its
// field (a byte 0 to 255, a word 0 to 65535), and message bytes past a
// message's count are zero, so the image depends on the configuration alone.
class PromEncode {
public:
    static constexpr std::size_t ImageCapacity = 8192;
    static constexpr int Entries = 64;

    void BuildControllerImage(const ConfigurationRecord& config);

    const std::array<uint8_t, ImageCapacity>& ControllerImage() const { return image_; }
    int32_t ControllerImageLength() const { return length_; }
    std::span<const uint8_t> Image() const { return {image_.data(), static_cast<std::size_t>(length_)}; }
    const std::array<ImageSerialStringEntry, Entries>& ImageSerialStringTable() const { return table_; }

    // content is the message's 32 bytes and types; count above 32 is cut to it.
    static void FillImageSerialStringEntry(int count, const std::array<uint8_t, 32>& bytes,
                                           const std::array<uint8_t, 32>& types, ImageSerialStringEntry& entry);

private:
    void AppendImageMeshloAddress(const ConfigurationRecord& config, int i);
    void AppendImageZeroWord();
    void AppendByte(int value);
    void AppendWord(int32_t value);
    void FillTable(const ConfigurationRecord& config);

    std::array<uint8_t, ImageCapacity> image_{};
    int ImageWriteIndex = 0;
    int32_t length_ = 0;
    std::array<ImageSerialStringEntry, Entries> table_{};
};
