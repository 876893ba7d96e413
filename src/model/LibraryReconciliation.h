#pragma once

class ApplicationState;

// Settles, with the user, a library of an opened configuration archive that
// differs from the database's library of the same manufacturer, type and
// model. The archive's library waits in the database's record buffers
// (names trimmed and upper case); the configuration just read is already in
// place and may be changed; the database is saved by the step itself.
// While none is installed, the database and the configuration stay as
// they are.
class LibraryReconciliation {
public:
    virtual ~LibraryReconciliation() = default;
    virtual void ReconcileIRLibrary(ApplicationState& state) = 0;
    virtual void ReconcileRS232Library(ApplicationState& state) = 0;
};
