#pragma once

#include <string>

class IRClassGlobals;
class IRclass;
class UserPrompts;

// Done's store of WorkIRLibrary, whose names the editor has written: over
// the database library of its names, once the user agrees when the names
// changed; or, when no library has them, appended after the checks for
// names and commands, and for room in the database. True when stored;
// every refusal has been shown.
bool StoreWorkIRLibrary(IRClassGlobals& ir, const IRclass& backup, UserPrompts& prompts);

// The first command of the library with the name (trimmed, upper case), or -1.
int FindIRCommand(const IRclass& library, const std::string& name);
