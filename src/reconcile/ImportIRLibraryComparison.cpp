#include "reconcile/ImportIRLibraryComparison.h"

#include "reconcile/IRCommandComparison.h"

ImportIRLibraryComparison::ImportIRLibraryComparison(const IRClassGlobals& ir, QWidget* parent)
    : ImportLibraryComparison(parent), ir_(ir)
{
}

void ImportIRLibraryComparison::Show(bool hideDecision, const IRclass& library)
{
    ShowRows(hideDecision, CompareIRCommands(ir_, library));
}
