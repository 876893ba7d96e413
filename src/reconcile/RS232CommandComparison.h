#pragma once

#include "reconcile/CommandComparisonRows.h"

#include <string>
#include <string_view>
#include <vector>

class RS232FileBlockClass;
class RS232LibraryRecord;
class RS232_String_Class;

// The named command slots of the RS232 library waiting in the record
// buffer (the new one) against a database library's, paired by name;
// slots without a name are not commands.
std::vector<CommandComparisonRow> CompareRS232Commands(const RS232LibraryRecord& record,
                                                       const RS232FileBlockClass& library);

// The first slot of the record, or of the library, whose trimmed,
// upper-case name is the given one; -1 when none is.
int FindRecordRS232Command(const RS232LibraryRecord& record, const std::string& name);
int FindLibraryRS232Command(const RS232FileBlockClass& library, const std::string& name);

// Library command k takes the message, and with it the direction its bytes
// give (an IGNORE byte makes it an input). Without a k (-1) the first
// unnamed slot of the library takes the name first; a library with every
// slot named gains nothing, and false is returned.
bool MoveRS232Message(const RS232_String_Class& fresh, RS232FileBlockClass& library, int k, std::string_view name);

// The same with the message of the record's command j; a stored count that
// no message can hold moves nothing either.
bool MoveRecordRS232Command(const RS232LibraryRecord& record, int j, RS232FileBlockClass& library, int k,
                            const std::string& name);

// Moves the record's command of a row into the library: over the first
// library command of its name, or into the first unnamed slot. A row only
// in the library changes nothing. False when the command found no place.
bool MoveRS232RowToLibrary(const RS232LibraryRecord& record, RS232FileBlockClass& library,
                           const CommandComparisonRow& row);
