#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// What a device on the line says, taken from fuzz data: a run of replies,
// each a length byte (its low four bits, 0 to 15) followed by that many
// bytes. Past the end of the data the device is silent.
class DeviceReplies {
public:
    static constexpr std::size_t MaximumReply = 15;

    explicit DeviceReplies(std::span<const uint8_t> data) : data_(data) {}

    // The next reply; empty once the data is used up.
    std::span<const uint8_t> Next();

    // The data that yields these replies in turn (each cut to MaximumReply).
    static std::vector<uint8_t> Encode(const std::vector<std::vector<uint8_t>>& replies);

private:
    std::span<const uint8_t> data_;
    std::size_t position_ = 0;
};
