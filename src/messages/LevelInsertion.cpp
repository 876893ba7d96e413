#include "messages/LevelInsertion.h"

#include "model/ProjectorGlobals.h"
#include "model/VolumeExtensionClass.h"

#include <QStringList>
#include <algorithm>
#include <cstdlib>

namespace {

// Stored counts outside 1..4 are read as the nearest count the format has.
int ByteCountOf(const VolumeExtensionClass& format)
{
    return std::clamp<int>(format.VolumeNumberOfBytes(), 1, 4);
}

std::string DecimalLevelText(int16_t level, const VolumeExtensionClass& format)
{
    const int count = ByteCountOf(format);
    std::string text;
    int digits = count;
    if (format.MinVolume() < 0) {
        text += level >= 0 ? '+' : '-';
        digits = count - 1;
    }
    // Repeated subtraction, position by position: a level with more digits
    // than positions leaves a count above 9 in the first position.
    int32_t rest = std::abs(static_cast<int32_t>(level));
    for (int position = digits - 1; position >= 0; --position) {
        int32_t power = 1;
        for (int i = 0; i < position; ++i) power *= 10;
        const int32_t times = rest / power;
        rest -= times * power;
        text += static_cast<char>(static_cast<uint8_t>(0x30 + times));
    }
    return text;
}

std::string HexLevelText(int16_t level, const VolumeExtensionClass& format)
{
    static constexpr char Digits[] = "0123456789ABCDEF";
    const auto word = static_cast<uint16_t>(level);
    std::string four;
    for (int shift = 12; shift >= 0; shift -= 4) four += Digits[(word >> shift) & 0xF];
    return four.substr(4 - static_cast<std::size_t>(ByteCountOf(format)));
}

std::string RawLevelText(int16_t level, const VolumeExtensionClass& format)
{
    const auto word = static_cast<uint16_t>(level);
    const char low = static_cast<char>(word & 0xFF);
    const char high = static_cast<char>(word >> 8);
    if (ByteCountOf(format) == 1) return std::string(1, low);
    return format.VolumeFirstByteIsLow() ? std::string{low, high} : std::string{high, low};
}

QString Quoted(const QString& item)
{
    return '"' + item + '"';
}

}  // namespace

std::string MakeLevelText(int16_t level, const VolumeExtensionClass& format)
{
    switch (format.VolumeMessageFormat()) {
    case VolumeExtensionClass::DecimalInAscii: return DecimalLevelText(level, format);
    case VolumeExtensionClass::HexInAscii: return HexLevelText(level, format);
    default: return RawLevelText(level, format);
    }
}

QString LevelPreviewText(int16_t level, const VolumeExtensionClass& format, RawLevelPreview rawPreview)
{
    const std::string bytes = MakeLevelText(level, format);
    const int16_t messageFormat = format.VolumeMessageFormat();
    if (messageFormat == VolumeExtensionClass::DecimalInAscii || messageFormat == VolumeExtensionClass::HexInAscii) {
        QStringList characters;
        for (const char byte : bytes) characters << Quoted(QString(QChar(static_cast<uint8_t>(byte))));
        return characters.join(',');
    }
    const bool quoted = rawPreview == RawLevelPreview::Quoted;
    QStringList decimal;
    QStringList hex;
    for (const char byte : bytes) {
        const auto code = static_cast<uint8_t>(byte);
        const QString inDecimal = QString::number(code);
        const QString inHex = QString::fromStdString(HexByte(code));
        decimal << (quoted ? Quoted(inDecimal) : inDecimal);
        hex << (quoted ? Quoted(inHex) : inHex);
    }
    return decimal.join(',') + " or " + hex.join(',') + (quoted ? "in HEX" : "");
}

QString LevelValueCaption(int16_t level)
{
    return "Value = " + QString::number(level) + " or " + QString::fromStdString(HexWord(level)) + " in Hex";
}

int16_t LevelWithinRange(int32_t level, const VolumeExtensionClass& format)
{
    if (level > format.MaxVolume()) level = format.MaxVolume();
    if (level < format.MinVolume()) level = format.MinVolume();
    return static_cast<int16_t>(level);
}

int16_t LevelAfterUp(int16_t level, const VolumeExtensionClass& format)
{
    const int32_t raised = std::min<int32_t>(int32_t{level} + format.VolumeStep(), 32767);
    return static_cast<int16_t>(std::min<int32_t>(raised, format.MaxVolume()));
}

int16_t LevelAfterDown(int16_t level, const VolumeExtensionClass& format)
{
    const int32_t lowered = std::max<int32_t>(int32_t{level} - format.VolumeStep(), -32767);
    return static_cast<int16_t>(std::max<int32_t>(lowered, format.MinVolume()));
}

int16_t PowerUpLevel(const VolumeExtensionClass& format)
{
    return LevelWithinRange(std::clamp<int32_t>(format.StartUpVolume(), -32767, 32767), format);
}
