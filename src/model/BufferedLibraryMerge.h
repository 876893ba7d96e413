#pragma once

class ApplicationState;

// Where a library waiting in the record buffers came from: the reconciliation
// step differs, the rest of the merge does not.
enum class LibraryArrival { FromArchive, Imported };

// Settles the IR library in IRHeaderRecordBuffer and IRCommandRecordBuffers
// with the database: a library the database lacks is added in memory, an
// equal one changes nothing, a differing one goes to the installed
// reconciliation (kept as the database has it when none is installed).
void MergeBufferedIRLibrary(ApplicationState& state, LibraryArrival arrival);

// The same for the RS232 library in RS232RecordBuffer, whose names take the
// form the database search gives them (trimmed, upper case) first.
void MergeBufferedRS232Library(ApplicationState& state, LibraryArrival arrival);
