#pragma once

#include <QString>
#include <cstdint>
#include <string>

class VolumeExtensionClass;

// The bytes that stand in for a message's VARIABLE byte when it is sent with
// a level, in the format the message's volume format gives. Every place
// that writes or previews a level goes through these functions.
std::string MakeLevelText(int16_t level, const VolumeExtensionClass& format);

// How raw level bytes are previewed: the serial test quotes each byte and
// ends with "in HEX" ("10" or "0A"in HEX); the volume editor gives the bare
// numbers (10 or 0A).
enum class RawLevelPreview { Quoted, Plain };

// The level bytes as the level controls show them: each character quoted
// for the ASCII formats, decimal and hexadecimal for raw bytes.
QString LevelPreviewText(int16_t level, const VolumeExtensionClass& format, RawLevelPreview rawPreview);

// "Value = 10 or A in Hex".
QString LevelValueCaption(int16_t level);

// The level buttons: Up, Down and Power Up keep the level within the
// format's range; the sums are taken wide so no step overflows.
int16_t LevelAfterUp(int16_t level, const VolumeExtensionClass& format);
int16_t LevelAfterDown(int16_t level, const VolumeExtensionClass& format);
int16_t PowerUpLevel(const VolumeExtensionClass& format);
// Maximum first, then minimum, as the level controls clamp.
int16_t LevelWithinRange(int32_t level, const VolumeExtensionClass& format);
