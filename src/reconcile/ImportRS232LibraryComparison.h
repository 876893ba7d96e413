#pragma once

#include "reconcile/ImportLibraryComparison.h"

class RS232FileBlockClass;
class RS232LibraryRecord;

// The comparison of the RS232 library in the record buffer with a database
// library.
class ImportRS232LibraryComparison : public ImportLibraryComparison {
    Q_OBJECT
public:
    ImportRS232LibraryComparison(const RS232LibraryRecord& record, QWidget* parent = nullptr);
    void Show(bool hideDecision, const RS232FileBlockClass& library);

private:
    const RS232LibraryRecord& record_;
};
