#include "model/MessageRecordField.h"

#include "model/RuntimeErrors.h"

#include <string>

namespace MessageRecordField {

void Write(FixedRecord& record, std::size_t offset, const RS232_String_Class& message)
{
    const int count = message.NumberOfBytes();
    record.SetInt16(offset + CountOffset, static_cast<int16_t>(count));
    for (int i = 0; i < count; ++i) {
        record.SetByte(offset + BytesOffset + static_cast<std::size_t>(i), message.ContentBytes(i));
        record.SetByte(offset + TypesOffset + static_cast<std::size_t>(i), message.ContentTypes(i));
    }
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
    message.NumberOfBytes(count);
    for (int i = 0; i < count; ++i) {
        message.ContentBytes(i, record.ByteAt(offset + BytesOffset + static_cast<std::size_t>(i)));
        message.ContentTypes(i, record.ByteAt(offset + TypesOffset + static_cast<std::size_t>(i)));
    }
}

}  // namespace MessageRecordField
