#pragma once

class ApplicationState;

// Settles, with the user, a library of an opened configuration archive that
// differs from the database's library of the same manufacturer, type and
// model. The archive's library waits in the database's record buffers
// (names trimmed and upper case); the configuration just read is already in
// place and may be changed; the database is saved by the step itself.
// The import steps settle a library imported by a browser from an export
// file the same way: the imported library waits in the same buffers and
// only the database may change.
// While none is installed, the database and the configuration stay as
// they are.
class LibraryReconciliation {
public:
    virtual ~LibraryReconciliation() = default;
    virtual void ReconcileIRLibrary(ApplicationState& state) = 0;
    virtual void ReconcileRS232Library(ApplicationState& state) = 0;
    virtual void ReconcileImportedIRLibrary(ApplicationState& state) = 0;
    virtual void ReconcileImportedRS232Library(ApplicationState& state) = 0;
};
