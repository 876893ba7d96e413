#pragma once

class ApplicationState;

// Write the IR or RS232 database to disk; a failure is told to the user and
// the previous file stays as it was, the libraries staying in memory for the
// next save. True when the file was written.
bool SaveIRDatabaseReporting(ApplicationState& state);
bool SaveRS232DatabaseReporting(ApplicationState& state);
