#pragma once

#include "model/ArrivingLibrary.h"

class ApplicationState;

// Writes the IR or RS232 database to disk; a failure is told to the user and
// the previous file stays as it was, the libraries staying in memory. True
// when the file was written.
bool SaveLibraryDatabaseReporting(ApplicationState& state, LibraryKind kind);
