#include "CopyAnswers.h"

#include <algorithm>

namespace {

constexpr int SecondByteStep = 32;
constexpr int LongestLateness = 2000;

}  // namespace

VirtualDevice::Answer CopyAnswers::Next()
{
    if (position_ + 2 > data_.size()) return {};
    const uint8_t how = data_[position_];
    const uint8_t late = data_[position_ + 1];
    position_ += 2;
    static constexpr VirtualDevice::Kind Kinds[] = {VirtualDevice::Kind::Acknowledge, VirtualDevice::Kind::Refuse,
                                                    VirtualDevice::Kind::Silent, VirtualDevice::Kind::Lost};
    // The whole reply comes within the longest lateness.
    const int lateness = late * LongestLateness / 255;
    return {Kinds[how & 3], lateness, std::min((how >> 2) * SecondByteStep, LongestLateness - lateness)};
}

std::string CopyAnswers::Encode(const std::vector<Copy>& copies)
{
    std::string bytes;
    for (const Copy& copy : copies) {
        const int kind = copy.kind == VirtualDevice::Kind::Refuse   ? 1
                         : copy.kind == VirtualDevice::Kind::Silent ? 2
                         : copy.kind == VirtualDevice::Kind::Lost   ? 3
                                                                    : 0;
        const int second = std::clamp(copy.secondByteAfter / SecondByteStep, 0, 63);
        bytes.push_back(static_cast<char>(kind | (second << 2)));
        bytes.push_back(static_cast<char>(std::clamp(copy.lateness * 255 / LongestLateness, 0, 255)));
    }
    return bytes;
}
