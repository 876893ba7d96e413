#include "model/MessageRecordField.h"

#include "model/RuntimeErrors.h"
#include "platform/PrefixCopy.h"

#include <algorithm>
#include <string>

namespace MessageRecordField {

void Write(FixedRecord& record, std::size_t offset, const RS232_String_Class& message)
{
    constexpr auto whole = static_cast<std::size_t>(RS232_String_Class::Capacity);
    const int count = message.NumberOfBytes();
    record.SetInt16(offset + CountOffset, static_cast<int16_t>(count));
    CopyPrefix<whole>(record.BytesAt(offset + BytesOffset, whole), message.ContentBytesData(), count);
    CopyPrefix<whole>(record.BytesAt(offset + TypesOffset, whole), message.ContentTypesData(), count);
}

void ThrowBadCount(int count)
{
    if (count < 0 || count > 255) throw ValueOverflow("message byte count " + std::to_string(count));
    throw SubscriptOutOfRange("message byte count " + std::to_string(count));
}

bool IsSound(const FixedRecord& record, std::size_t offset)
{
    const int count = record.Int16At(offset + CountOffset);
    if (count < 0 || count > RS232_String_Class::Capacity) return false;
    const uint8_t* types = record.BytesAt(offset + TypesOffset, static_cast<std::size_t>(count));
    return std::all_of(types, types + count, [](uint8_t type) { return type <= ContentIgnore; });
}

bool Matches(const FixedRecord& record, std::size_t offset, const RS232_String_Class& message)
{
    // A count no message can hold matches none, and never bounds a read.
    const int count = record.Int16At(offset + CountOffset);
    if (count != message.NumberOfBytes()) return false;
    const auto length = static_cast<std::size_t>(count);
    return std::equal(message.ContentBytesData(), message.ContentBytesData() + length,
                      record.BytesAt(offset + BytesOffset, length)) &&
           std::equal(message.ContentTypesData(), message.ContentTypesData() + length,
                      record.BytesAt(offset + TypesOffset, length));
}

}  // namespace MessageRecordField
