#pragma once

#include "model/LibraryReconciliation.h"

// A user who, asked about a library that differs from the database's, keeps
// the database's: nothing of the database or the configuration changes and
// nothing is saved.
class KeepingReconciliation final : public LibraryReconciliation {
public:
    void ReconcileIRLibrary(ApplicationState&) override {}
    void ReconcileRS232Library(ApplicationState&) override {}
    void ReconcileImportedIRLibrary(ApplicationState&) override {}
    void ReconcileImportedRS232Library(ApplicationState&) override {}
};
