#include "platform/FixedRecord.h"

#include <algorithm>
#include <stdexcept>

void FixedRecord::ThrowOutside(std::size_t offset) const
{
    throw std::out_of_range("record field at " + std::to_string(offset) + " outside a record of " +
                            std::to_string(length_) + " bytes");
}

FixedRecord& FixedRecord::operator=(const FixedRecord& other)
{
    if (other.length_ != length_)
        throw std::out_of_range("a record of " + std::to_string(other.length_) + " bytes assigned to one of " +
                                std::to_string(length_));
    if (this != &other) std::copy_n(other.bytes_, length_, bytes_);
    return *this;
}

bool FixedRecord::operator==(const FixedRecord& other) const
{
    return length_ == other.length_ && std::equal(bytes_, bytes_ + length_, other.bytes_);
}

void FixedRecord::SetBytes(std::size_t offset, const uint8_t* bytes, std::size_t length)
{
    Check(offset, length);
    std::copy_n(bytes, length, bytes_ + offset);
}

void FixedRecord::SetText(std::size_t offset, std::size_t length, std::string_view text)
{
    Check(offset, length);
    const std::size_t n = std::min(length, text.size());
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), n, bytes_ + offset);
    std::fill_n(bytes_ + offset + n, length - n, uint8_t(' '));
}
