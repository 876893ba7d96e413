#pragma once

#include "reconcile/ImportLibraryComparison.h"

class IRClassGlobals;
class IRclass;

// The comparison of the IR library in the record buffers with a database
// library.
class ImportIRLibraryComparison : public ImportLibraryComparison {
    Q_OBJECT
public:
    ImportIRLibraryComparison(const IRClassGlobals& ir, QWidget* parent = nullptr);
    void Show(bool hideDecision, const IRclass& library);

private:
    const IRClassGlobals& ir_;
};
