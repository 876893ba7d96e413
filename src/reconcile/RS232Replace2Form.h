#pragma once

#include "reconcile/ImportReplaceForm.h"

class ApplicationState;

// Settles an RS232 library imported from an export file, waiting in the
// RS232 record buffer, that differs from the database library of its names.
class RS232Replace2Form : public ImportReplaceForm {
    Q_OBJECT
public:
    explicit RS232Replace2Form(ApplicationState& state, QWidget* parent = nullptr);
};

// Shows the dialog modally on the library in the RS232 record buffer.
void ShowRS232Replace2Form(ApplicationState& state, QWidget* parent);
