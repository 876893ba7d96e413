#pragma once

#include "model/RS232FileBlockClass.h"
#include "model/SerialClass.h"

#include <array>

class SerialClassGlobals;
class UserPrompts;

using LibraryCommandMessages = std::array<SerialClass, RS232FileBlockClass::Commands>;

// Gives each command message the library's port settings and names and the
// fields of a library command; names, bytes and library flags stay.
void StampLibraryCommands(const RS232FileBlockClass& library, LibraryCommandMessages& messages);

// Fills the command messages from the library, bytes and names included.
void LoadLibraryCommands(const RS232FileBlockClass& library, LibraryCommandMessages& messages);

// Gives the library the names, library flags and bytes of the command
// messages, as Save does before its checks.
void WriteLibraryCommands(const LibraryCommandMessages& messages, RS232FileBlockClass& library);

// Writes the edited command messages back into WorkRS232Library, checks it
// and stores it into the database in memory: as a new library, or over the
// one of the same names once the user agrees. True when the editor may
// close; every refusal has been shown to the user.
bool SaveWorkRS232Library(SerialClassGlobals& libraries, UserPrompts& prompts);
