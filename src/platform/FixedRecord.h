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
    int16_t Int16At(std::size_t offset) const;
    void SetInt16(std::size_t offset, int16_t value);
    bool BoolAt(std::size_t offset) const { return Int16At(offset) != 0; }
    void SetBool(std::size_t offset, bool value) { SetInt16(offset, value ? -1 : 0); }
    // The whole field, spaces included.
    std::string TextAt(std::size_t offset, std::size_t length) const;
    // Padded with spaces or cut to the field's length.
    void SetText(std::size_t offset, std::size_t length, std::string_view text);

    bool operator==(const FixedRecord& other) const = default;

private:
    void Check(std::size_t offset, std::size_t length) const;
    std::vector<uint8_t> bytes_;
};
