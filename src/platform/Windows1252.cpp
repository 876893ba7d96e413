#include "platform/Windows1252.h"

#include <array>
#include <cstdint>

namespace {

// 0x80..0x9F; 0 marks the five codes that Windows-1252 leaves undefined,
// which map to the C1 control of the same number.
constexpr std::array<char16_t, 32> HighControlRange = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                                       0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t UnicodeOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = HighControlRange[byte - 0x80];
        return mapped != 0 ? mapped : char16_t(byte);
    }
    return char16_t(byte);
}

char ByteOf(char16_t unicode)
{
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) return static_cast<char>(unicode);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        const char16_t mapped = HighControlRange[i];
        if (mapped == unicode || (mapped == 0 && unicode == 0x80 + i)) return static_cast<char>(0x80 + i);
    }
    return '?';
}

constexpr uint8_t UpperCaseOf(unsigned b)
{
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<uint8_t>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E) return static_cast<uint8_t>(b - 0x10);  // š œ ž
    if (b == 0xFF) return 0x9F;                                                      // ÿ
    return static_cast<uint8_t>(b);
}

// Names are upper-cased by the thousand when a database loads: one look-up a byte.
constexpr std::array<uint8_t, 256> UpperCaseTable = [] {
    std::array<uint8_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b) table[b] = UpperCaseOf(b);
    return table;
}();

}  // namespace

QString FromWindows1252(std::string_view bytes)
{
    // Trees convert names by the ten thousand: one allocation, written in place.
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) *out++ = QChar(UnicodeOf(static_cast<unsigned char>(c)));
    return text;
}

std::string ToWindows1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes.push_back(ByteOf(c.unicode()));
    return bytes;
}

std::string UpperCase1252(std::string_view bytes)
{
    std::string upper(bytes);
    MakeUpperCase1252(upper.data(), upper.size());
    return upper;
}

void MakeUpperCase1252(char* bytes, std::size_t length)
{
    // Names are nearly always plain ASCII, which takes a loop the compiler
    // turns into a few vector steps; anything else goes through the table.
    unsigned char high = 0;
    for (std::size_t i = 0; i < length; ++i) high |= static_cast<unsigned char>(bytes[i]);
    if (high < 0x80) {
        for (std::size_t i = 0; i < length; ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            bytes[i] = static_cast<char>(b - ((b >= 'a' && b <= 'z') ? 0x20 : 0));
        }
        return;
    }
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(UpperCaseTable[static_cast<unsigned char>(bytes[i])]);
}

std::string WithoutControlCharacters(std::string_view bytes)
{
    std::string kept;
    kept.reserve(bytes.size());
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 32) kept.push_back(c);
    }
    return kept;
}
