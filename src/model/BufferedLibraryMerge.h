#pragma once

#include "model/ArrivingLibrary.h"

class ApplicationState;

// Where a library waiting in the record buffers came from: the reconciliation
// step differs, the rest of the merge does not.
enum class LibraryArrival { FromArchive, Imported };

// Settles the library waiting in the buffers of its kind with the database:
// its names take the form the database search gives them (trimmed, upper
// case); a library the database lacks is added in memory, an equal one
// changes nothing, a differing one goes to the installed reconciliation
// (kept as the database has it when none is installed).
void MergeBufferedLibrary(ApplicationState& state, LibraryKind kind, LibraryArrival arrival);
