#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one pair of conversions between the Windows-1252 bytes kept in records
// and the text shown in widgets. Characters without a Windows-1252 code
// become '?'.
QString FromWindows1252(std::string_view bytes);
std::string ToWindows1252(const QString& text);
