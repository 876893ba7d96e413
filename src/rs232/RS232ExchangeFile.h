#pragma once

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

enum class RS232ImportEnd { Complete, Damaged };

// Merges the file's whole records into the database, one at a time through
// the record buffer: a library of new names is added, one equal to the
// database's is left, one that differs goes to the installed library
// reconciliation (kept as it is when none is installed). A record without
// its three names is skipped. The import stops at a damaged record, keeping
// what came before it. A file that cannot be read throws FileError, also
// keeping what came before.
RS232ImportEnd ImportRS232ExchangeFile(ApplicationState& state, const std::filesystem::path& source);
