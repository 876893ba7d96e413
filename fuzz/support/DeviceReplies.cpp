#include "DeviceReplies.h"

#include <algorithm>

std::span<const uint8_t> DeviceReplies::Next()
{
    if (position_ >= data_.size()) return {};
    const std::size_t length = std::min<std::size_t>(data_[position_] & 0x0F, data_.size() - position_ - 1);
    const std::span<const uint8_t> reply = data_.subspan(position_ + 1, length);
    position_ += 1 + length;
    return reply;
}

std::vector<uint8_t> DeviceReplies::Encode(const std::vector<std::vector<uint8_t>>& replies)
{
    std::vector<uint8_t> data;
    for (const std::vector<uint8_t>& reply : replies) {
        const std::size_t length = std::min(reply.size(), MaximumReply);
        data.push_back(static_cast<uint8_t>(length));
        data.insert(data.end(), reply.begin(), reply.begin() + static_cast<long>(length));
    }
    return data;
}
