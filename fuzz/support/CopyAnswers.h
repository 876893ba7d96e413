#pragma once

#include "support/devices/VirtualLine.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How a device on a virtual line answers each copy of a frame it hears,
// taken from fuzz data: two bytes a copy, in the order the copies come.
// The first byte's low two bits say acknowledged (0), refused (1), never
// read (2) or taken with its acknowledgement lost (3), its other six how long the reply's second byte follows
// its first (32 ms a step); the second byte the reply's lateness (0 to
// 2000 ms). The whole reply comes within 2000 ms.
// Past the end of the data every copy is acknowledged at once.
class CopyAnswers {
public:
    explicit CopyAnswers(std::span<const uint8_t> data) : data_(data) {}

    VirtualDevice::Answer Next();

    struct Copy {
        VirtualDevice::Kind kind = VirtualDevice::Kind::Acknowledge;
        int lateness = 0;
        int secondByteAfter = 0;
    };
    // The data that yields these answers in turn (the nearest each can be).
    static std::string Encode(const std::vector<Copy>& copies);

private:
    std::span<const uint8_t> data_;
    std::size_t position_ = 0;
};
