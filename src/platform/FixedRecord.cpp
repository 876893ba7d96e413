#include "platform/FixedRecord.h"

#include <algorithm>
#include <stdexcept>

void FixedRecord::ThrowOutside(std::size_t offset) const
{
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

const uint8_t* FixedRecord::BytesAt(std::size_t offset, std::size_t length) const
{
    Check(offset, length);
    return bytes_.data() + offset;
}

void FixedRecord::SetBytes(std::size_t offset, const uint8_t* bytes, std::size_t length)
{
    Check(offset, length);
    std::copy_n(bytes, length, bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string FixedRecord::TextAt(std::size_t offset, std::size_t length) const
{
    return std::string(TextViewAt(offset, length));
}

std::string_view FixedRecord::TextViewAt(std::size_t offset, std::size_t length) const
{
    Check(offset, length);
    return std::string_view(reinterpret_cast<const char*>(bytes_.data() + offset), length);
}

void FixedRecord::SetText(std::size_t offset, std::size_t length, std::string_view text)
{
    Check(offset, length);
    const std::size_t n = std::min(length, text.size());
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), n, bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset + n), length - n, uint8_t(' '));
}
