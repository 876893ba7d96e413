#include "platform/Windows1252.h"

#include <array>

namespace {

// 0x80..0x9F; 0 marks the five codes that Windows-1252 leaves undefined,
// which map to the C1 control of the same number.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
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
        if (mapped == unicode || (mapped == 0 && unicode == 0x80 + i))
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString FromWindows1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) text.append(QChar(UnicodeOf(static_cast<unsigned char>(c))));
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
    for (char& c : upper) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 0x20);
        else if (b == 0x9A || b == 0x9C || b == 0x9E) c = static_cast<char>(b - 0x10);
        else if (b == 0xFF) c = static_cast<char>(0x9F);
    }
    return upper;
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
