#include "model/RS232LibraryRecord.h"

#include "model/MessageRecordField.h"
#include "model/RS232FileBlockClass.h"
#include "platform/Windows1252.h"

#include <algorithm>

std::size_t RS232LibraryRecord::MessageOffset(int command)
{
    return MessagesOffset + MessageRecordField::Length * static_cast<std::size_t>(command);
}

std::string RS232LibraryRecord::CommandName(int command) const
{
    return TextAt(CommandNamesOffset + NameLength * static_cast<std::size_t>(command), NameLength);
}

bool RS232LibraryRecord::IsInputNotOutput(int command) const
{
    return BoolAt(IsInputNotOutputOffset + 2 * static_cast<std::size_t>(command));
}

void RS232LibraryRecord::StoreLibrary(const RS232FileBlockClass& library)
{
    SetInt16(BaudrateOffset, library.Baudrate());
    SetInt16(InterByteDelayOffset, library.InterByteDelay());
    SetInt16(ParityOffset, library.Parity());
    Manufacturer(UpperCase1252(library.Manufacturer()));
    Model(UpperCase1252(library.Model()));
    Type(UpperCase1252(library.MyType()));
    SetText(NotesOffset, NotesLength, library.Notes());
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        const auto index = static_cast<std::size_t>(i);
        SetText(CommandNamesOffset + NameLength * index, NameLength, library.Command(i));
        SetBool(IsInputNotOutputOffset + 2 * index, library.IsInputNotOutput(i));
        MessageRecordField::Write(*this, MessageOffset(i), library.My_RS232_String_Class(i));
    }
}

void RS232LibraryRecord::FillLibrary(RS232FileBlockClass& library) const
{
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) MessageRecordField::CheckedCount(*this, MessageOffset(i));

    library.Baudrate(Int16At(BaudrateOffset));
    library.InterByteDelay(Int16At(InterByteDelayOffset));
    library.Parity(Int16At(ParityOffset));
    library.Manufacturer(UpperCase1252(Manufacturer()));
    library.Model(UpperCase1252(Model()));
    library.MyType(UpperCase1252(Type()));
    library.Notes(TextViewAt(NotesOffset, NotesLength));
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        library.Command(i, TextViewAt(CommandNamesOffset + NameLength * static_cast<std::size_t>(i), NameLength));
        library.IsInputNotOutput(i, IsInputNotOutput(i));
        MessageRecordField::Read(*this, MessageOffset(i), library.My_RS232_String_Class(i));
    }
}

bool RS232LibraryRecord::Matches(const RS232FileBlockClass& library) const
{
    if (library.Baudrate() != Int16At(BaudrateOffset) || library.InterByteDelay() != Int16At(InterByteDelayOffset))
        return false;
    if (library.Manufacturer() != Manufacturer() || library.Model() != Model()) return false;
    if (library.Notes() != Notes()) return false;
    if (library.Parity() != Int16At(ParityOffset) || library.MyType() != Type()) return false;

    for (int r = 0; r < RS232FileBlockClass::Commands; ++r) {
        const std::string name = CommandName(r);
        int j = 0;
        while (j < RS232FileBlockClass::Commands && library.Command(j) != name) ++j;
        if (j == RS232FileBlockClass::Commands) return false;
        if (library.IsInputNotOutput(j) != IsInputNotOutput(r)) return false;
        if (!MessageRecordField::Matches(*this, MessageOffset(r), library.My_RS232_String_Class(j))) return false;
    }
    return true;
}

void RS232LibraryRecord::RemoveControlCharactersFromNames()
{
    for (const std::size_t offset : {ManufacturerOffset, ModelOffset, TypeOffset}) {
        const std::string_view name = TextViewAt(offset, NameLength);
        // Most names hold none; they are left as they are.
        if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 32; }))
            continue;
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
