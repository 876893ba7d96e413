#pragma once

#include "reconcile/ImportReplaceForm.h"

class ApplicationState;

// Settles an IR library imported from an export file, waiting in the IR
// record buffers, that differs from the database library of its names.
class IRReplace2Form : public ImportReplaceForm {
    Q_OBJECT
public:
    explicit IRReplace2Form(ApplicationState& state, QWidget* parent = nullptr);
};

// Shows the dialog modally on the library in the IR record buffers.
void ShowIRReplace2Form(ApplicationState& state, QWidget* parent);
