#pragma once

#include <array>
#include <cstdint>
#include <string>

// A volume format as the volume editor holds it while the user works.
// Values are wide so that the range and step never overflow.
struct VolumeFormatDraft {
    int32_t MaxVolume = 1;
    int32_t MinVolume = 0;
    int32_t VolumeStep = 1;
    int32_t StartUpVolume = 0;
    bool UsePreviousLevel = false;
    int16_t VolumeMessageFormat = 0;
    // 1 to 4; 0 while no count is chosen.
    int16_t VolumeNumberOfBytes = 1;
};

inline constexpr const char* VolumeFormatOkText = "Message Format is Ok";

// What the editor reports for each rule, in the order the rules are tried.
inline constexpr std::array<const char*, 8> VolumeFormatFaultTexts = {
    "Error Max = Min Volume",     "Error Max < Min Volume",
    "Error Volume Step = 0",      "Error Volume Step < Level Range",
    "Error Start > Max level",    "Error Start < Min level",
    "Number Of Byte Not Defined", "Error Not Enough Bytes For Message",
};

// The first rule the format breaks, as the editor reports it, or an empty
// text when the format is sound. The rules are tried in a fixed order.
std::string FirstVolumeFormatFault(const VolumeFormatDraft& draft);

// Rule 8 alone: whether the chosen count of bytes can carry every level of
// the range in the chosen format, as level insertion writes it.
bool HasEnoughBytesForLevels(const VolumeFormatDraft& draft);
