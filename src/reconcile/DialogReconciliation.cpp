#include "reconcile/DialogReconciliation.h"

void DialogReconciliation::ReconcileIRLibrary(ApplicationState& /*state*/) {}

void DialogReconciliation::ReconcileRS232Library(ApplicationState& /*state*/) {}

// An imported library that differs leaves the database as it is.
void DialogReconciliation::ReconcileImportedIRLibrary(ApplicationState& /*state*/) {}

void DialogReconciliation::ReconcileImportedRS232Library(ApplicationState& /*state*/) {}
