#pragma once

class ApplicationState;

// Settles, with the user, a library of an opened configuration archive that
// differs from the database's library of the same manufacturer, type and
// model. The archive's library waits in the database's record buffers
// (names trimmed and upper case); the configuration just read is already in
// place and may be changed; the database is saved by the step itself.
class LibraryReconciliation {
public:
    virtual ~LibraryReconciliation() = default;
    virtual void ReconcileIRLibrary(ApplicationState& state) = 0;
    virtual void ReconcileRS232Library(ApplicationState& state) = 0;
};

// Keeps the database and the configuration as they are: what the editor does
// while no reconciliation dialogs are installed.
class KeepLibrariesAsTheyAre final : public LibraryReconciliation {
public:
    void ReconcileIRLibrary(ApplicationState& /*state*/) override {}
    void ReconcileRS232Library(ApplicationState& /*state*/) override {}
};
