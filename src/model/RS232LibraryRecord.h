#pragma once

#include "platform/FixedRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

class RS232FileBlockClass;

// One RS232 library as "RS232Serials.DEF", the ".BRS" exports and the ".RST"
// archive members store it: 2904 bytes. The reserved word and the bytes
// beyond each command's count are never read; the writer leaves them zero.
// The editors' IsFromLibrary flags are not stored.
class RS232LibraryRecord : public FixedRecord {
public:
    static constexpr std::size_t Length = 2904;

    static constexpr std::size_t ManufacturerOffset = 0;
    static constexpr std::size_t ModelOffset = 16;
    static constexpr std::size_t TypeOffset = 32;
    static constexpr std::size_t NameLength = 16;
    static constexpr std::size_t NotesOffset = 48;
    static constexpr std::size_t NotesLength = 160;
    static constexpr std::size_t BaudrateOffset = 208;
    static constexpr std::size_t ParityOffset = 210;
    static constexpr std::size_t InterByteDelayOffset = 214;
    static constexpr std::size_t MessagesOffset = 216;  // + 66 * command
    static constexpr std::size_t MessageLength = 66;
    static constexpr std::size_t CommandNamesOffset = 2328;      // + 16 * command
    static constexpr std::size_t IsInputNotOutputOffset = 2840;  // + 2 * command

    RS232LibraryRecord() : FixedRecord(Length) {}
    // A record in bytes that a reader holds, decoded where it lies.
    explicit RS232LibraryRecord(uint8_t* bytes) : FixedRecord(bytes, Length) {}

    std::string Manufacturer() const { return TextAt(ManufacturerOffset, NameLength); }
    void Manufacturer(std::string_view text) { SetText(ManufacturerOffset, NameLength, text); }
    std::string Model() const { return TextAt(ModelOffset, NameLength); }
    void Model(std::string_view text) { SetText(ModelOffset, NameLength, text); }
    std::string Type() const { return TextAt(TypeOffset, NameLength); }
    void Type(std::string_view text) { SetText(TypeOffset, NameLength, text); }
    std::string Notes() const { return TextAt(NotesOffset, NotesLength); }
    std::string CommandName(int command) const { return std::string(CommandNameView(command)); }
    std::string_view CommandNameView(int command) const
    {
        return TextViewAt(CommandNamesOffset + NameLength * static_cast<std::size_t>(command), NameLength);
    }
    bool IsInputNotOutput(int command) const
    {
        return BoolAt(IsInputNotOutputOffset + 2 * static_cast<std::size_t>(command));
    }
    static constexpr std::size_t MessageOffset(int command)
    {
        return MessagesOffset + MessageLength * static_cast<std::size_t>(command);
    }

    // Every stored field of the library into the record, every other byte
    // zero; the three names upper-cased, notes and command names as they are.
    void StoreLibrary(const RS232FileBlockClass& library);
    // Every stored field of the record into the library, the three names
    // upper-cased; the library's IsFromLibrary flags stay. A command count
    // that a message cannot hold raises ValueOverflow or SubscriptOutOfRange
    // before anything of the library has changed.
    void FillLibrary(RS232FileBlockClass& library) const;
    // True when the record holds the same library: settings, the names as
    // they stand (whole fields, case-sensitive), notes, and every command of
    // the record paired by its exact name with a library command (the n-th
    // of a name with the n-th of that name), with the same direction and
    // bytes.
    bool Matches(const RS232FileBlockClass& library) const;
    // Upper-cases the three names where they stand.
    void UpperCaseNames();
    // Removes every character below code 32 from the three names, which are
    // padded again; nothing is trimmed or upper-cased.
    void RemoveControlCharactersFromNames();
    // True when the three names, trimmed, are all non-empty.
    bool HasAllNames() const;
    // Whether a record read from outside can be a library: every command
    // count within 0 to 32 and every content type of its bytes a known one.
    bool IsSound() const;
};
