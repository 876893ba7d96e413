#pragma once

#include "model/IRCommandClass.h"
#include "platform/FixedRecord.h"
#include "platform/FixedText.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The two 275-byte records of every IR file (database, archive members,
// exports): a library's header record followed by its command records.
namespace IRRecordLayout {
constexpr std::size_t RecordLength = 275;

constexpr std::size_t ManufacturerOffset = 0;
constexpr std::size_t IRtypeOffset = 16;
constexpr std::size_t ModelOffset = 32;
constexpr std::size_t CommentOffset = 48;
constexpr std::size_t InterPeriod0Offset = 208;
constexpr std::size_t InterPeriod1Offset = 209;
constexpr std::size_t NumCommandsOffset = 210;
constexpr std::size_t UnusedOffset = 211;
constexpr std::size_t UnusedLength = 64;

constexpr std::size_t NameOffset = 0;
// Code byte i of each part: the repeat part at 16 + 2i, the start part at 17 + 2i.
constexpr std::size_t DataOffset(IRPart part, std::size_t i)
{
    return 16 + 2 * i + (part == IRPart::Start ? 1 : 0);
}
constexpr std::size_t CommandInterPeriodOffset(IRPart part)
{
    return part == IRPart::Start ? 273 : 272;
}
constexpr std::size_t ModeOffset = 274;
}  // namespace IRRecordLayout

struct IRLibraryHeaderRecord {
    FixedText<16> Manufacturer;
    FixedText<16> IRtype;
    FixedText<16> Model;
    FixedText<160> Comment;
    uint8_t InterPeriod0 = 0;
    uint8_t InterPeriod1 = 0;
    uint8_t Num_commands = 0;
    // Carried as read; nothing gives these bytes a meaning. Zero in a header
    // made from a library.
    std::array<uint8_t, IRRecordLayout::UnusedLength> Unused{};

    void ReadFrom(const FixedRecord& record);
    void WriteTo(FixedRecord& record) const;
    // The names lose every control character and the spaces around them;
    // true when all three are left non-empty.
    bool CleanNames();
};

struct IRCommandRecord {
    FixedText<16> Name;
    std::array<IRCommandClass::PartData, 2> Data{};  // indexed by IRPart
    std::array<uint8_t, 2> InterPeriod{};            // indexed by IRPart
    uint8_t Mode = 0;

    IRCommandClass::PartData& PartData(IRPart part) { return Data[static_cast<std::size_t>(part)]; }
    const IRCommandClass::PartData& PartData(IRPart part) const { return Data[static_cast<std::size_t>(part)]; }

    void ReadFrom(const FixedRecord& record);
    void WriteTo(FixedRecord& record) const;
    // Mode 1 marks a command with a repeat part, 0 one without; a capture
    // gives no other, so a record holding another is no command the editor
    // wrote.
    bool HasKnownMode() const { return Mode <= 1; }
};

// Decodes a command record straight into a new command: its name, mode and
// both parts, as the record buffers would carry them (inter-periods untouched).
void ReadCommandRecordInto(const FixedRecord& record, IRCommandClass& command);
