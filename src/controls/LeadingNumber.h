#pragma once

#include <QString>
#include <cstdint>

// Readings of what a user typed into an entry box. Both take the longest
// leading part that forms a number and never fail.

// Decimal number with optional sign, fraction and exponent after leading
// blanks; 0 when the text starts with no number.
double LeadingDecimalNumber(const QString& text);

// The leading hexadecimal digits as a two's complement number of the digit
// count's width: up to four digits 16-bit, five to eight digits 32-bit. More
// than eight digits cannot be held and read as the largest 32-bit number.
int32_t LeadingHexNumber(const QString& text);

// An empty text or a lone minus sign: where the user starts a new or a
// negative number, which must stand until the next key.
bool IsNumberNotYetBegun(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour, and
// clamps into the 16-bit range first so that no reading can overflow.
int16_t RoundToInt16(double value);
