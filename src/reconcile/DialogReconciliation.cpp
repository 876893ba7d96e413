#include "reconcile/DialogReconciliation.h"

#include "reconcile/LibraryReplaceForm.h"

#include <QApplication>

void DialogReconciliation::ReconcileIRLibrary(ApplicationState& state)
{
    ShowIRreplaceForm(state, QApplication::activeWindow());
}

void DialogReconciliation::ReconcileRS232Library(ApplicationState& state)
{
    ShowRS232ReplaceForm(state, QApplication::activeWindow());
}

// An imported library that differs leaves the database as it is.
void DialogReconciliation::ReconcileImportedIRLibrary(ApplicationState& /*state*/) {}

void DialogReconciliation::ReconcileImportedRS232Library(ApplicationState& /*state*/) {}
