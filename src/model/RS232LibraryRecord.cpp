#include "model/RS232LibraryRecord.h"

#include "model/CommandPairing.h"
#include "model/MessageRecordField.h"
#include "model/RS232FileBlockClass.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

static_assert(RS232LibraryRecord::MessageLength == MessageRecordField::Length);

namespace {

using Name = std::array<char, RS232LibraryRecord::NameLength>;

// A name upper-cased in the caller's space, without an allocation.
std::string_view UpperCased(std::string_view field, Name& space)
{
    std::copy_n(field.begin(), space.size(), space.begin());
    MakeUpperCase1252(space.data(), space.size());
    return std::string_view(space.data(), space.size());
}

}  // namespace

void RS232LibraryRecord::StoreLibrary(const RS232FileBlockClass& library)
{
    // The record is a shared buffer: what another library left there must
    // not reach this one's file.
    std::fill_n(data(), size(), uint8_t{0});
    SetInt16(BaudrateOffset, library.Baudrate());
    SetInt16(InterByteDelayOffset, library.InterByteDelay());
    SetInt16(ParityOffset, library.Parity());
    Name space{};
    Manufacturer(UpperCased(library.ManufacturerField().view(), space));
    Model(UpperCased(library.ModelField().view(), space));
    Type(UpperCased(library.MyTypeField().view(), space));
    SetText(NotesOffset, NotesLength, library.NotesField().view());
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        const auto index = static_cast<std::size_t>(i);
        SetText(CommandNamesOffset + NameLength * index, NameLength, library.CommandField(i).view());
        SetBool(IsInputNotOutputOffset + 2 * index, library.IsInputNotOutput(i));
        MessageRecordField::Write(*this, MessageOffset(i), library.My_RS232_String_Class(i));
    }
}

void RS232LibraryRecord::FillLibrary(RS232FileBlockClass& library) const
{
    std::array<int, RS232FileBlockClass::Commands> counts{};
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i)
        counts[static_cast<std::size_t>(i)] = MessageRecordField::CheckedCount(*this, MessageOffset(i));

    library.Baudrate(Int16At(BaudrateOffset));
    library.InterByteDelay(Int16At(InterByteDelayOffset));
    library.Parity(Int16At(ParityOffset));
    Name space{};
    library.Manufacturer(UpperCased(TextViewAt(ManufacturerOffset, NameLength), space));
    library.Model(UpperCased(TextViewAt(ModelOffset, NameLength), space));
    library.MyType(UpperCased(TextViewAt(TypeOffset, NameLength), space));
    library.Notes(TextViewAt(NotesOffset, NotesLength));
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        library.Command(i, CommandNameView(i));
        library.IsInputNotOutput(i, IsInputNotOutput(i));
        MessageRecordField::ReadCounted(*this, MessageOffset(i), counts[static_cast<std::size_t>(i)],
                                        library.My_RS232_String_Class(i));
    }
}

bool RS232LibraryRecord::Matches(const RS232FileBlockClass& library) const
{
    if (library.Baudrate() != Int16At(BaudrateOffset) || library.InterByteDelay() != Int16At(InterByteDelayOffset))
        return false;
    if (library.ManufacturerField().view() != TextViewAt(ManufacturerOffset, NameLength) ||
        library.ModelField().view() != TextViewAt(ModelOffset, NameLength))
        return false;
    if (library.NotesField().view() != TextViewAt(NotesOffset, NotesLength)) return false;
    if (library.Parity() != Int16At(ParityOffset) || library.MyTypeField().view() != TextViewAt(TypeOffset, NameLength))
        return false;

    return CommandsPairByName(
        RS232FileBlockClass::Commands, RS232FileBlockClass::Commands,
        [&](int r, int j) { return library.CommandField(j).view() == CommandNameView(r); },
        [&](int r, int j) {
            return library.IsInputNotOutput(j) == IsInputNotOutput(r) &&
                   MessageRecordField::Matches(*this, MessageOffset(r), library.My_RS232_String_Class(j));
        });
}

void RS232LibraryRecord::UpperCaseNames()
{
    for (const std::size_t offset : {ManufacturerOffset, ModelOffset, TypeOffset})
        MakeUpperCase1252(reinterpret_cast<char*>(BytesAt(offset, NameLength)), NameLength);
}

void RS232LibraryRecord::RemoveControlCharactersFromNames()
{
    for (const std::size_t offset : {ManufacturerOffset, ModelOffset, TypeOffset}) {
        const std::string_view name = TextViewAt(offset, NameLength);
        // Most names hold none and are left as they are; the test is a
        // fixed-length loop without an early exit, which vectorises.
        unsigned char lowest = 0xFF;
        for (const char c : name) lowest = std::min(lowest, static_cast<unsigned char>(c));
        if (lowest >= 32) continue;
        SetText(offset, NameLength, WithoutControlCharacters(name));
    }
}

bool RS232LibraryRecord::HasAllNames() const
{
    for (const std::size_t offset : {ManufacturerOffset, ModelOffset, TypeOffset}) {
        if (TextViewAt(offset, NameLength).find_first_not_of(' ') == std::string_view::npos) return false;
    }
    return true;
}

bool RS232LibraryRecord::IsSound() const
{
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i)
        if (!MessageRecordField::IsSound(*this, MessageOffset(i))) return false;
    return true;
}
