#include "model/IRCommandClass.h"

#include "model/RuntimeErrors.h"

void IRCommandClass::CopyFrom(const IRCommandClass& source)
{
    name_ = source.name_;
    data_ = source.data_;
    interPeriod_ = source.interPeriod_;
    mode_ = source.mode_;
}

bool IRCommandClass::IsSameAs(const IRCommandClass& other) const
{
    return name_ == other.name_ && data_ == other.data_ && interPeriod_ == other.interPeriod_ && mode_ == other.mode_;
}

void IRCommandClass::Clear()
{
    name_ = "";
    data_ = {};
    interPeriod_ = {};
    mode_ = 0;
}

void IRCommandClass::CheckIndex(int index)
{
    if (index < 0 || index >= DataLength) throw SubscriptOutOfRange("IR command data index " + std::to_string(index));
}

uint8_t IRCommandClass::Data(IRPart part, int index) const
{
    CheckIndex(index);
    return data_[Slot(part)][static_cast<std::size_t>(index)];
}

void IRCommandClass::Data(IRPart part, int index, uint8_t value)
{
    CheckIndex(index);
    data_[Slot(part)][static_cast<std::size_t>(index)] = value;
}
