#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

// The one pair of conversions between the Windows-1252 bytes kept in records
// and the text shown in widgets. Characters without a Windows-1252 code
// become '?'.
QString FromWindows1252(std::string_view bytes);
std::string ToWindows1252(const QString& text);

// Upper case as the Windows ANSI code page has it (accented letters included).
std::string UpperCase1252(std::string_view bytes);
// The same in place, for fixed fields that need no copy.
void MakeUpperCase1252(char* bytes, std::size_t length);
// The text without any character whose code is below 32, wherever it stands.
std::string WithoutControlCharacters(std::string_view bytes);
