#pragma once

#include "model/LibraryReconciliation.h"

// Settles a differing library with the user through the replace dialogs.
class DialogReconciliation final : public LibraryReconciliation {
public:
    void ReconcileIRLibrary(ApplicationState& state) override;
    void ReconcileRS232Library(ApplicationState& state) override;
    void ReconcileImportedIRLibrary(ApplicationState& state) override;
    void ReconcileImportedRS232Library(ApplicationState& state) override;
};
