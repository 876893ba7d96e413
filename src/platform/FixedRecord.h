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
//
// A record either owns its bytes or borrows them (a record in a file's bytes
// that a reader holds), so that a loader decodes each record where it was
// read instead of copying it first. A copy always owns its bytes.
class FixedRecord {
public:
    // Owns `length` zero bytes.
    explicit FixedRecord(std::size_t length) : storage_(length, 0), bytes_(storage_.data()), length_(length) {}
    // Borrows `length` bytes that must outlive the record.
    FixedRecord(uint8_t* bytes, std::size_t length) : bytes_(bytes), length_(length) {}
    FixedRecord(const FixedRecord& other)
        : storage_(other.bytes_, other.bytes_ + other.length_), bytes_(storage_.data()), length_(other.length_)
    {
    }
    // Copies the other record's bytes into this record's own (or borrowed)
    // bytes; the two must be of one length.
    FixedRecord& operator=(const FixedRecord& other);
    ~FixedRecord() = default;

    std::size_t size() const { return length_; }
    uint8_t* data() { return bytes_; }
    const uint8_t* data() const { return bytes_; }

    uint8_t ByteAt(std::size_t offset) const
    {
        Check(offset, 1);
        return bytes_[offset];
    }
    void SetByte(std::size_t offset, uint8_t value)
    {
        Check(offset, 1);
        bytes_[offset] = value;
    }
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
    // A run of bytes, checked once; valid while the record's bytes live.
    const uint8_t* BytesAt(std::size_t offset, std::size_t length) const
    {
        Check(offset, length);
        return bytes_ + offset;
    }
    uint8_t* BytesAt(std::size_t offset, std::size_t length)
    {
        Check(offset, length);
        return bytes_ + offset;
    }
    void SetBytes(std::size_t offset, const uint8_t* bytes, std::size_t length);
    // The whole field, spaces included.
    std::string TextAt(std::size_t offset, std::size_t length) const { return std::string(TextViewAt(offset, length)); }
    // The same without a copy; valid while the record's bytes live unchanged.
    std::string_view TextViewAt(std::size_t offset, std::size_t length) const
    {
        Check(offset, length);
        return std::string_view(reinterpret_cast<const char*>(bytes_ + offset), length);
    }
    // Padded with spaces or cut to the field's length.
    void SetText(std::size_t offset, std::size_t length, std::string_view text);

    bool operator==(const FixedRecord& other) const;

private:
    // Inline: every field access passes through here.
    void Check(std::size_t offset, std::size_t length) const
    {
        if (offset > length_ || length > length_ - offset) [[unlikely]]
            ThrowOutside(offset);
    }
    [[noreturn]] void ThrowOutside(std::size_t offset) const;

    std::vector<uint8_t> storage_;  // empty while the bytes are borrowed
    uint8_t* bytes_;
    std::size_t length_;
};
