#include "model/CleanedName.h"

#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <algorithm>

std::string CleanedName(std::string_view name)
{
    // Names seldom hold a control character: the common case drops nothing.
    const bool plain =
        std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 32; });
    if (plain) return FixedText<1>::TrimSpaces(name);
    return FixedText<1>::TrimSpaces(WithoutControlCharacters(name));
}
