#include "reconcile/DialogReconciliation.h"

#include "reconcile/IRReplace2Form.h"
#include "reconcile/LibraryReplaceForm.h"
#include "reconcile/RS232Replace2Form.h"

#include <QApplication>

void DialogReconciliation::ReconcileIRLibrary(ApplicationState& state)
{
    ShowIRreplaceForm(state, QApplication::activeWindow());
}

void DialogReconciliation::ReconcileRS232Library(ApplicationState& state)
{
    ShowRS232ReplaceForm(state, QApplication::activeWindow());
}

// The browser that imports is the active window; the dialog lies over it.
void DialogReconciliation::ReconcileImportedIRLibrary(ApplicationState& state)
{
    ShowIRReplace2Form(state, QApplication::activeWindow());
}

void DialogReconciliation::ReconcileImportedRS232Library(ApplicationState& state)
{
    ShowRS232Replace2Form(state, QApplication::activeWindow());
}
