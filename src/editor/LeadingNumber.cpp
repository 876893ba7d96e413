#include "editor/LeadingNumber.h"

#include <cmath>
#include <limits>

double LeadingDecimalNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == '-' || text[i] == '+')) ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == '-' || text[j] == '+')) ++j;
        const qsizetype exponentStart = j;
        while (j < n && text[j] >= '0' && text[j] <= '9') ++j;
        if (j > exponentStart) end = j;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    // A number too large for a double is reported as a failure, with an
    // infinite value; it still reads as a very large number of its sign.
    if (std::isinf(value)) return value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    if (!ok) return 0.0;
    return value;
}

int32_t LeadingHexNumber(const QString& text)
{
    uint32_t value = 0;
    int digits = 0;
    for (QChar c : text) {
        const int digit = QString(c).toInt(nullptr, 16);
        const bool isDigit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!isDigit) break;
        if (++digits > 8) return std::numeric_limits<int32_t>::max();
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    if (digits <= 4) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(value);
}

int16_t RoundToInt16(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 32767.0) return 32767;
    if (value <= -32768.0) return -32768;
    return static_cast<int16_t>(std::nearbyint(value));
}
