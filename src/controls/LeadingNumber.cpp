#include "controls/LeadingNumber.h"

#include <cmath>
#include <limits>

namespace {
// Only the digits 0-9 count: other scripts' digits are not part of a number.
bool IsDecimalDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit, or -1 for any other character.
int HexDigitValue(QChar c)
{
    if (IsDecimalDigit(c)) return c.unicode() - '0';
    if (c >= 'A' && c <= 'F') return c.unicode() - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c.unicode() - 'a' + 10;
    return -1;
}
}  // namespace

double LeadingDecimalNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    qsizetype digits = 0;
    while (i < n && IsDecimalDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDecimalDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    qsizetype end = i;
    // An exponent counts only with at least one digit: "1e" reads as 1.
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == '-' || text[j] == '+')) ++j;
        const qsizetype exponentStart = j;
        while (j < n && IsDecimalDigit(text[j])) ++j;
        if (j > exponentStart) end = j;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    // A number too large for a double is reported as a failure, with an
    // infinite value; it still reads as a very large number of its sign.
    if (std::isinf(value))
        return value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    if (!ok) return 0.0;
    return value;
}

int32_t LeadingHexNumber(const QString& text)
{
    uint32_t value = 0;
    int digits = 0;
    for (QChar c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        if (++digits > 8) return std::numeric_limits<int32_t>::max();
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    // The digit count sets the width: FFFF is -1 and so is FFFFFFFF.
    if (digits <= 4) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(value);
}

bool IsNumberNotYetBegun(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == "-";
}

int16_t RoundToInt16(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 32767.0) return 32767;
    if (value <= -32768.0) return -32768;
    return static_cast<int16_t>(std::nearbyint(value));
}
