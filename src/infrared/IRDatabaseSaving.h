#pragma once

class ApplicationState;

// Writes the IR database to disk; a failure is told to the user and the
// previous file stays as it was. True when the file was written.
bool SaveIRDatabaseReporting(ApplicationState& state);
