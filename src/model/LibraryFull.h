#pragma once

#include <string>
#include <vector>

class UserPrompts;

// Tells the user that the named commands (in the stored characters) were
// not added, since the library already holds `mostCommands`, as many as it
// can: one message for all of them, none when no name is given.
void ReportLibraryFull(UserPrompts& prompts, int mostCommands, const std::vector<std::string>& names);
