#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The bytes of one fixed-length file record, with the field codings that all
// record files share: 16-bit little-endian integers, Booleans as -1 and 0,
// text as 8-bit characters padded with spaces. A field outside the record is
// a programming error and throws std::out_of_range.
class FixedRecord {
public:
    explicit FixedRecord(std::size_t length) : bytes_(length, 0) {}

    std::size_t size() const { return bytes_.size(); }
    uint8_t* data() { return bytes_.data(); }
    const uint8_t* data() const { return bytes_.data(); }

    uint8_t ByteAt(std::size_t offset) const;
    void SetByte(std::size_t offset, uint8_t value);
    int16_t Int16At(std::size_t offset) const
    {
        Check(offset, 2);
        return static_cast<int16_t>(static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8)));
    }
    void SetInt16(std::size_t offset, int16_t value)
    {
        Check(offset, 2);
        const auto word = static_cast<uint16_t>(value);
        bytes_[offset] = static_cast<uint8_t>(word & 0xFF);
        bytes_[offset + 1] = static_cast<uint8_t>(word >> 8);
    }
    bool BoolAt(std::size_t offset) const { return Int16At(offset) != 0; }
    void SetBool(std::size_t offset, bool value) { SetInt16(offset, value ? -1 : 0); }
    // A run of bytes, checked once; valid while the record lives.
    const uint8_t* BytesAt(std::size_t offset, std::size_t length) const;
    void SetBytes(std::size_t offset, const uint8_t* bytes, std::size_t length);
    // The whole field, spaces included.
    std::string TextAt(std::size_t offset, std::size_t length) const;
    // The same without a copy; valid while the record lives and is unchanged.
    std::string_view TextViewAt(std::size_t offset, std::size_t length) const;
    // Padded with spaces or cut to the field's length.
    void SetText(std::size_t offset, std::size_t length, std::string_view text);

    bool operator==(const FixedRecord& other) const = default;

private:
    // Inline: every field access passes through here.
    void Check(std::size_t offset, std::size_t length) const
    {
        if (offset > bytes_.size() || length > bytes_.size() - offset) [[unlikely]]
            ThrowOutside(offset);
    }
    [[noreturn]] void ThrowOutside(std::size_t offset) const;
    std::vector<uint8_t> bytes_;
};
