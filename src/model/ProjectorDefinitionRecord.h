#pragma once

#include "platform/FixedRecord.h"

#include <cstddef>
#include <string>
#include <string_view>

class ProjectorClass;

// One projector definition as "Projectors.DEF", the ".BRD" exports and the
// configuration's own projector store it: 2084 bytes. The reserved words
// and the bytes beyond each message's count are never read; the writer
// leaves them zero.
class ProjectorDefinitionRecord : public FixedRecord {
public:
    static constexpr std::size_t Length = 2084;

    static constexpr std::size_t ManufacturerOffset = 0;
    static constexpr std::size_t ModelOffset = 32;
    static constexpr std::size_t NameLength = 32;
    static constexpr std::size_t NotesOffset = 64;
    static constexpr std::size_t NotesLength = 256;
    static constexpr std::size_t InUseOffset = 320;          // + 2 * slot
    static constexpr std::size_t ReplyRequiredOffset = 370;  // + 2 * index
    static constexpr std::size_t MessagesOffset = 396;       // + 66 * slot
    static constexpr std::size_t MaxVolumeOffset = 2046;
    static constexpr std::size_t MinVolumeOffset = 2048;
    static constexpr std::size_t VolumeMessageFormatOffset = 2050;
    static constexpr std::size_t VolumeFirstByteIsLowOffset = 2052;
    static constexpr std::size_t VolumeNumberOfBytesOffset = 2054;
    static constexpr std::size_t UseLevelForVolumeOffset = 2056;
    static constexpr std::size_t VolumeStepOffset = 2058;
    static constexpr std::size_t StartUpVolumeOffset = 2060;
    static constexpr std::size_t UsePreviousLevelOffset = 2062;
    static constexpr std::size_t BaudrateOffset = 2068;
    static constexpr std::size_t InterCommandDelayOffset = 2070;
    static constexpr std::size_t InterByteDelayOffset = 2072;
    static constexpr std::size_t CoolDownTimeOffset = 2074;
    static constexpr std::size_t WarmUpTimeOffset = 2076;
    static constexpr std::size_t VolumeInsertByteNumberOffset = 2078;
    static constexpr std::size_t ParityOffset = 2080;

    ProjectorDefinitionRecord() : FixedRecord(Length) {}
    // A record in bytes that a reader holds, decoded where it lies.
    explicit ProjectorDefinitionRecord(uint8_t* bytes) : FixedRecord(bytes, Length) {}

    std::string Manufacturer() const { return TextAt(ManufacturerOffset, NameLength); }
    void Manufacturer(std::string_view text) { SetText(ManufacturerOffset, NameLength, text); }
    std::string Model() const { return TextAt(ModelOffset, NameLength); }
    void Model(std::string_view text) { SetText(ModelOffset, NameLength, text); }

    // As the database load takes names: every character below code 32
    // removed, then upper-cased, padded again and not trimmed.
    void CleanNamesForDatabase();
    // Both names, trimmed, are non-empty.
    bool HasBothNames() const;

    // Every field of the definition into the record, names and notes as they
    // are, every other byte zero.
    void StoreDefinition(const ProjectorClass& definition);
    // Every field of the record into the definition. A message count that a
    // message cannot hold raises ValueOverflow or SubscriptOutOfRange before
    // anything of the definition has changed.
    void FillDefinition(ProjectorClass& definition) const;
};
