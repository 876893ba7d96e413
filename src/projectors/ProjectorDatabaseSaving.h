#pragma once

class ApplicationState;

// Writes the projector database to disk; a failure is told to the user and
// the previous file stays as it was. True when the file was written.
bool SaveProjectorDatabaseReporting(ApplicationState& state);
