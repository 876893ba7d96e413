#pragma once

#include "model/ConfigurationRecord.h"
#include "model/IRRecords.h"
#include "model/RS232LibraryRecord.h"
#include "platform/ZipArchive.h"

#include <cstdint>

// The most that a configuration archive written by the editor can hold, and
// the limits within which an opened archive must stay.
namespace ConfigurationArchiveContent {

// "Config.tmp" at its widest: every number at its longest ("-32768", "255",
// "#FALSE#") and every text at its full width.
inline constexpr std::uint64_t LargestConfigText = 216465;
// "Notes.txt": the 200 characters of the notes and a line end.
inline constexpr std::uint64_t LargestNotes = 202;
// An IR member: the header and at most 255 commands (the count is a byte).
inline constexpr std::uint64_t LargestIRMember = IRRecordLayout::RecordLength * (1 + 255);

// At most one IR library per input and one RS232 library per serial slot,
// besides "Config.tmp" and "Notes.txt": 52 members, about 1 MB.
inline constexpr std::uint64_t Members = ConfigurationRecord::Inputs + ConfigurationRecord::SerialSlots + 2;
inline constexpr std::uint64_t LargestSize = LargestConfigText + LargestNotes +
                                             ConfigurationRecord::Inputs * LargestIRMember +
                                             ConfigurationRecord::SerialSlots * RS232LibraryRecord::Length;

}  // namespace ConfigurationArchiveContent

// Twice the largest configuration: room enough for any archive a user can
// make, far too little for one to fill the disk.
inline constexpr ArchiveLimits ConfigurationArchiveLimits{2 * ConfigurationArchiveContent::Members,
                                                          2 * ConfigurationArchiveContent::LargestSize};
