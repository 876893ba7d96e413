#include "model/RS232_String_Class.h"

#include "model/RuntimeErrors.h"
#include "model/SerialClass.h"

#include <algorithm>
#include <string>

void RS232_String_Class::CheckIndex(int index)
{
    if (index < 0 || index >= Capacity) throw SubscriptOutOfRange("message byte " + std::to_string(index));
}

uint8_t RS232_String_Class::ContentBytes(int index) const
{
    CheckIndex(index);
    return contentBytes_[static_cast<std::size_t>(index)];
}

void RS232_String_Class::ContentBytes(int index, uint8_t value)
{
    CheckIndex(index);
    contentBytes_[static_cast<std::size_t>(index)] = value;
}

uint8_t RS232_String_Class::ContentTypes(int index) const
{
    CheckIndex(index);
    return contentTypes_[static_cast<std::size_t>(index)];
}

void RS232_String_Class::ContentTypes(int index, uint8_t value)
{
    CheckIndex(index);
    contentTypes_[static_cast<std::size_t>(index)] = value;
}

void RS232_String_Class::ThrowBadCount(int count)
{
    throw SubscriptOutOfRange("message byte count " + std::to_string(count));
}

void RS232_String_Class::CopyFromSerialClass(SerialClass& source)
{
    CopyFromThisRS232StringClass(source.MyRS232StringClass());
}

void RS232_String_Class::CopyFromThisRS232StringClass(const RS232_String_Class& source)
{
    if (&source == this) return;
    const int count = source.NumberOfBytes();
    NumberOfBytes(count);
    for (int i = 0; i < count; ++i) {
        ContentBytes(i, source.ContentBytes(i));
        ContentTypes(i, source.ContentTypes(i));
    }
}

bool RS232_String_Class::IsSameAs(const RS232_String_Class& other) const
{
    if (numberOfBytes_ != other.numberOfBytes_) return false;
    for (int i = 0; i < numberOfBytes_; ++i) {
        if (ContentBytes(i) != other.ContentBytes(i) || ContentTypes(i) != other.ContentTypes(i)) return false;
    }
    return true;
}

bool RS232_String_Class::Contains(uint8_t typeCode) const
{
    for (int i = 0; i < numberOfBytes_; ++i) {
        if (ContentTypes(i) == typeCode) return true;
    }
    return false;
}

void RS232_String_Class::MakeAllType(int typeCode)
{
    contentTypes_.fill(static_cast<uint8_t>(typeCode));
}
