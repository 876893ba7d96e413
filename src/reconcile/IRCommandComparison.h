#pragma once

#include "reconcile/CommandComparisonRows.h"

#include <string>
#include <vector>

class IRClassGlobals;
class IRclass;
class IRCommandClass;
struct IRCommandRecord;

// The commands of the IR library waiting in the record buffers (the new
// one) against a database library's, paired by name.
std::vector<CommandComparisonRow> CompareIRCommands(const IRClassGlobals& ir, const IRclass& library);

// Mode, both inter-periods and both parts' data equal; names aside.
bool IsSameIRCommand(const IRCommandRecord& buffered, const IRCommandClass& stored);

// The first buffered command, or the first library command, whose trimmed,
// upper-case name is the given one; -1 when none is.
int FindBufferedIRCommand(const IRClassGlobals& ir, const std::string& name);
int FindIRLibraryCommand(const IRclass& library, const std::string& name);

// Library command k takes the buffered command's name, mode and data; its
// inter-periods stay. Without a k (-1) the command is appended; a library
// that holds as many commands as a file can count gains nothing, and false
// is returned.
bool MoveBufferedIRCommand(const IRCommandRecord& buffered, IRclass& library, int k);

// Moves the buffered command of a row into the library: over the first
// library command of its name, or appended when the library has none. A
// row only in the library changes nothing. False when the command did not
// fit.
bool MoveIRRowToLibrary(const IRClassGlobals& ir, IRclass& library, const CommandComparisonRow& row);
