#pragma once

#include <string>
#include <string_view>

// A name as the IR loader reads it back, and as the new-name boxes take what
// is typed or pasted before their checks: every character below code 32
// dropped wherever it stands (WithoutControlCharacters, which the RS232 and
// projector loaders use alone), then the spaces around what is left trimmed.
// A box that checked the name before cleaning could pass one that the next
// start reads as blank, and drops.
std::string CleanedName(std::string_view name);
