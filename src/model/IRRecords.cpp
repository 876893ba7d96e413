#include "model/IRRecords.h"

#include "model/CleanedName.h"

#include <algorithm>
#include <stdexcept>

using namespace IRRecordLayout;

namespace {

void CheckLength(const FixedRecord& record)
{
    if (record.size() < RecordLength) throw std::out_of_range("IR record shorter than 275 bytes");
}

void ReadParts(const uint8_t* bytes, IRCommandClass::PartData& repeat, IRCommandClass::PartData& start)
{
    for (std::size_t i = 0; i < IRCommandClass::DataLength; ++i) {
        repeat[i] = bytes[DataOffset(IRPart::Repeat, i)];
        start[i] = bytes[DataOffset(IRPart::Start, i)];
    }
}

FixedText<16> NameOf(const uint8_t* bytes)
{
    return std::string_view(reinterpret_cast<const char*>(bytes + NameOffset), 16);
}

}  // namespace

void IRLibraryHeaderRecord::ReadFrom(const FixedRecord& record)
{
    CheckLength(record);
    Manufacturer = record.TextViewAt(ManufacturerOffset, 16);
    IRtype = record.TextViewAt(IRtypeOffset, 16);
    Model = record.TextViewAt(ModelOffset, 16);
    Comment = record.TextViewAt(CommentOffset, 160);
    InterPeriod0 = record.ByteAt(InterPeriod0Offset);
    InterPeriod1 = record.ByteAt(InterPeriod1Offset);
    Num_commands = record.ByteAt(NumCommandsOffset);
    std::copy_n(record.data() + UnusedOffset, UnusedLength, Unused.begin());
}

void IRLibraryHeaderRecord::WriteTo(FixedRecord& record) const
{
    CheckLength(record);
    record.SetText(ManufacturerOffset, 16, Manufacturer.full());
    record.SetText(IRtypeOffset, 16, IRtype.full());
    record.SetText(ModelOffset, 16, Model.full());
    record.SetText(CommentOffset, 160, Comment.full());
    record.SetByte(InterPeriod0Offset, InterPeriod0);
    record.SetByte(InterPeriod1Offset, InterPeriod1);
    record.SetByte(NumCommandsOffset, Num_commands);
    std::copy(Unused.begin(), Unused.end(), record.data() + UnusedOffset);
}

void IRCommandRecord::ReadFrom(const FixedRecord& record)
{
    CheckLength(record);
    const uint8_t* bytes = record.data();
    Name = NameOf(bytes);
    ReadParts(bytes, PartData(IRPart::Repeat), PartData(IRPart::Start));
    for (const IRPart part : {IRPart::Repeat, IRPart::Start})
        InterPeriod[static_cast<std::size_t>(part)] = bytes[CommandInterPeriodOffset(part)];
    Mode = bytes[ModeOffset];
}

void IRCommandRecord::WriteTo(FixedRecord& record) const
{
    CheckLength(record);
    record.SetText(NameOffset, 16, Name.full());
    uint8_t* bytes = record.data();
    const auto& repeat = PartData(IRPart::Repeat);
    const auto& start = PartData(IRPart::Start);
    for (std::size_t i = 0; i < IRCommandClass::DataLength; ++i) {
        bytes[DataOffset(IRPart::Repeat, i)] = repeat[i];
        bytes[DataOffset(IRPart::Start, i)] = start[i];
    }
    for (const IRPart part : {IRPart::Repeat, IRPart::Start})
        bytes[CommandInterPeriodOffset(part)] = InterPeriod[static_cast<std::size_t>(part)];
    bytes[ModeOffset] = Mode;
}

void ReadCommandRecordInto(const FixedRecord& record, IRCommandClass& command)
{
    CheckLength(record);
    const uint8_t* bytes = record.data();
    command.NameField(NameOf(bytes));
    command.Mode(bytes[ModeOffset]);
    ReadParts(bytes, command.Part(IRPart::Repeat), command.Part(IRPart::Start));
}

bool IRLibraryHeaderRecord::CleanNames()
{
    bool named = true;
    for (FixedText<16>* name : {&Manufacturer, &IRtype, &Model}) {
        *name = CleanedName(name->view());
        named = named && !name->isBlank();
    }
    return named;
}
