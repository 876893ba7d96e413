#pragma once

#include "controls/ExchangeFilePrompts.h"

#include <filesystem>
#include <vector>

class ApplicationState;
class IRClassGlobals;

// ".BRI" files: IR libraries as the database file holds them, each a header
// record followed by its command records.

// Writes the database libraries at `indices`, in that order, to `target`;
// a library without commands is left out. The records go to a temporary
// file beside the target, which replaces it only once complete, so a failed
// export leaves the old file as it was. Throws FileError.
void WriteIRExchangeFile(IRClassGlobals& ir, const std::vector<int>& indices, const std::filesystem::path& target);

// Merges the libraries of the file into the database: a new one is added,
// an identical one skipped, a differing one handed to the installed library
// reconciliation (kept as it is when none is installed). Libraries without
// commands or without all three names are skipped; the import ends at a
// library the file ends inside, or one holding a command of a mode the
// editor never writes, taking nothing of it (Damaged); a file without one
// whole record is Empty. Throws FileError when the file cannot be read,
// ValueOverflow when the database is full; what was merged before stays
// merged.
ImportEnd ImportIRExchangeFile(ApplicationState& state, const std::filesystem::path& path);
