#pragma once

#include "model/RS232_String_Class.h"
#include "platform/FixedRecord.h"

#include <cstddef>

// A message as the RS232 and projector records store it, 66 bytes: the
// 16-bit byte count, 32 content bytes, 32 content types. Only the bytes below
// the count are written or read; the record's writers clear the rest first.
namespace MessageRecordField {

constexpr std::size_t Length = 66;
constexpr std::size_t CountOffset = 0;
constexpr std::size_t BytesOffset = 2;
constexpr std::size_t TypesOffset = 34;

void Write(FixedRecord& record, std::size_t offset, const RS232_String_Class& message);
// A count that cannot be a byte raises ValueOverflow, one above 32
// SubscriptOutOfRange.
[[noreturn]] void ThrowBadCount(int count);

// The stored count, when a message can hold it; otherwise ThrowBadCount.
inline int CheckedCount(const FixedRecord& record, std::size_t offset)
{
    const int count = record.Int16At(offset + CountOffset);
    if (count < 0 || count > RS232_String_Class::Capacity) [[unlikely]]
        ThrowBadCount(count);
    return count;
}

// The same with a count that CheckedCount has already passed.
inline void ReadCounted(const FixedRecord& record, std::size_t offset, int count, RS232_String_Class& message)
{
    constexpr auto whole = static_cast<std::size_t>(RS232_String_Class::Capacity);
    message.AssignFromFields(count, record.BytesAt(offset + BytesOffset, whole),
                             record.BytesAt(offset + TypesOffset, whole));
}

// Whether a message read from outside can be held: a count of 0 to 32
// and, below it, only known content types.
bool IsSound(const FixedRecord& record, std::size_t offset);

// The stored message has the same count, bytes and types as the given one.
bool Matches(const FixedRecord& record, std::size_t offset, const RS232_String_Class& message);

}  // namespace MessageRecordField
