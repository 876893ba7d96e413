#pragma once

#include <string>
#include <vector>

class UserPrompts;

// Tells the user that the named commands (in the stored characters) were
// not added, since the IR library holds as many commands as its files can
// count: one message for all of them, none when no name is given.
void ReportIRLibraryFull(UserPrompts& prompts, const std::vector<std::string>& names);
