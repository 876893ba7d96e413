#pragma once

#include "platform/PrefixCopy.h"

#include <algorithm>
#include <array>
#include <cstdint>

class SerialClass;

// Content-type codes of the bytes of a message.
enum ContentType : uint8_t {
    ContentAscii = 0,
    ContentHex = 1,
    ContentDecimal = 2,
    ContentBinary = 3,
    ContentControl = 4,
    ContentVariable = 5,
    ContentIgnore = 6,
};

// The bytes of one RS232 message: up to 32 bytes, each with a content type.
// Elements at and beyond the count keep whatever they last held.
class RS232_String_Class {
public:
    static constexpr int Capacity = 32;

    uint8_t ContentBytes(int index) const;
    void ContentBytes(int index, uint8_t value);
    uint8_t ContentTypes(int index) const;
    void ContentTypes(int index, uint8_t value);

    uint8_t NumberOfBytes() const { return static_cast<uint8_t>(numberOfBytes_); }
    // A count above 32 raises SubscriptOutOfRange.
    void NumberOfBytes(int count)
    {
        if (count < 0 || count > Capacity) [[unlikely]]
            ThrowBadCount(count);
        numberOfBytes_ = static_cast<int16_t>(count);
    }

    // The first `count` bytes and types at once, from two whole 32-byte
    // fields as a record stores them: only the places below the count
    // change. A count above 32 raises SubscriptOutOfRange before anything
    // changes. No calls and no branches, for the loaders.
    void AssignFromFields(int count, const uint8_t* bytes, const uint8_t* types)
    {
        NumberOfBytes(count);
        CopyPrefix<Capacity>(contentBytes_.data(), bytes, count);
        CopyPrefix<Capacity>(contentTypes_.data(), types, count);
    }
    const uint8_t* ContentBytesData() const { return contentBytes_.data(); }
    const uint8_t* ContentTypesData() const { return contentTypes_.data(); }

    void CopyFromSerialClass(SerialClass& source);
    void CopyFromThisRS232StringClass(const RS232_String_Class& source);
    void Clear() { numberOfBytes_ = 0; }
    bool IsSameAs(const RS232_String_Class& other) const;
    bool ContainsIgnore() const { return Contains(ContentIgnore); }
    bool ContainsVariable() const { return Contains(ContentVariable); }
    void MakeAllType(int typeCode);

private:
    bool Contains(uint8_t typeCode) const;
    static void CheckIndex(int index);
    [[noreturn]] static void ThrowBadCount(int count);

    std::array<uint8_t, Capacity> contentBytes_{};
    std::array<uint8_t, Capacity> contentTypes_{};
    int16_t numberOfBytes_ = 0;
};
