#include "model/MessageRecordField.h"

#include "model/RuntimeErrors.h"

#include <algorithm>
#include <string>

namespace MessageRecordField {

void Write(FixedRecord& record, std::size_t offset, const RS232_String_Class& message)
{
    const std::size_t count = message.NumberOfBytes();
    record.SetInt16(offset + CountOffset, static_cast<int16_t>(count));
    record.SetBytes(offset + BytesOffset, message.ContentBytesData(), count);
    record.SetBytes(offset + TypesOffset, message.ContentTypesData(), count);
}

int CheckedCount(const FixedRecord& record, std::size_t offset)
{
    const int count = record.Int16At(offset + CountOffset);
    if (count < 0 || count > 255) throw ValueOverflow("message byte count " + std::to_string(count));
    if (count > RS232_String_Class::Capacity)
        throw SubscriptOutOfRange("message byte count " + std::to_string(count));
    return count;
}

void Read(const FixedRecord& record, std::size_t offset, RS232_String_Class& message)
{
    const int count = CheckedCount(record, offset);
    const auto length = static_cast<std::size_t>(count);
    message.AssignBytes(count, record.BytesAt(offset + BytesOffset, length),
                        record.BytesAt(offset + TypesOffset, length));
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
