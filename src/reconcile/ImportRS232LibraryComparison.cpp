#include "reconcile/ImportRS232LibraryComparison.h"

#include "reconcile/RS232CommandComparison.h"

ImportRS232LibraryComparison::ImportRS232LibraryComparison(const RS232LibraryRecord& record, QWidget* parent)
    : ImportLibraryComparison(parent), record_(record)
{
}

void ImportRS232LibraryComparison::Show(bool hideDecision, const RS232FileBlockClass& library)
{
    ShowRows(hideDecision, CompareRS232Commands(record_, library));
}
