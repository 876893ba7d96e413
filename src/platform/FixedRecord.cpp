#include "platform/FixedRecord.h"

#include <algorithm>
#include <stdexcept>

void FixedRecord::Check(std::size_t offset, std::size_t length) const
{
    if (offset > bytes_.size() || length > bytes_.size() - offset)
        throw std::out_of_range("record field at " + std::to_string(offset) + " outside a record of " +
                                std::to_string(bytes_.size()) + " bytes");
}

uint8_t FixedRecord::ByteAt(std::size_t offset) const
{
    Check(offset, 1);
    return bytes_[offset];
}

void FixedRecord::SetByte(std::size_t offset, uint8_t value)
{
    Check(offset, 1);
    bytes_[offset] = value;
}

int16_t FixedRecord::Int16At(std::size_t offset) const
{
    Check(offset, 2);
    return static_cast<int16_t>(static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8)));
}

void FixedRecord::SetInt16(std::size_t offset, int16_t value)
{
    Check(offset, 2);
    const auto word = static_cast<uint16_t>(value);
    bytes_[offset] = static_cast<uint8_t>(word & 0xFF);
    bytes_[offset + 1] = static_cast<uint8_t>(word >> 8);
}

std::string FixedRecord::TextAt(std::size_t offset, std::size_t length) const
{
    Check(offset, length);
    return std::string(reinterpret_cast<const char*>(bytes_.data() + offset), length);
}

void FixedRecord::SetText(std::size_t offset, std::size_t length, std::string_view text)
{
    Check(offset, length);
    const std::size_t n = std::min(length, text.size());
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), n, bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset + n), length - n, uint8_t(' '));
}
