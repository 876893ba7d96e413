#pragma once

#include "controls/ExchangeFilePrompts.h"

#include <filesystem>
#include <vector>

class ApplicationState;
class SerialClassGlobals;

// ".BRS" files: whole RS232 library records, no header, no count.

// Writes the database libraries at `indices`, in that order, to `target`.
// The records go to a temporary file beside it, which replaces the target
// only once complete, so a failed export leaves the old file as it was.
// Throws FileError.
void WriteRS232ExchangeFile(SerialClassGlobals& libraries, const std::vector<int>& indices,
                            const std::filesystem::path& target);

// Merges the file's whole records into the database, one at a time through
// the record buffer: a library of new names is added, one equal to the
// database's is left, one that differs goes to the installed library
// reconciliation (kept as it is when none is installed). A record without
// its three names is skipped. The import stops at a damaged record, keeping
// what came before it; a file without one whole record is Empty. A file
// that cannot be read throws FileError, also keeping what came before.
ImportEnd ImportRS232ExchangeFile(ApplicationState& state, const std::filesystem::path& source);
