#pragma once

#include "model/FindByNames.h"
#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <QString>
#include <string>

// How the IR library editor shows a stored field and stores a typed name.
namespace EditIRText {

constexpr int NameLength = 16;

inline QString Shown(const std::string& field)
{
    return FromWindows1252(FixedText<1>::TrimSpaces(field));
}

// A name as the editor stores it: without control characters, as the loader
// reads it, then its first 16 characters, trimmed, upper case.
inline std::string StoredName(const QString& text)
{
    return TrimmedUpper(WithoutControlCharacters(ToWindows1252(text)).substr(0, NameLength));
}

}  // namespace EditIRText
