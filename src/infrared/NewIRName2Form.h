#pragma once

#include "controls/NewNamesForm.h"

class ApplicationState;

// Asks for new names for the library in the IR clipboard and adds a copy of
// it to the database under them. Accepted only when a library was added;
// the clipboard then carries the new names.
class NewIRName2Form : public NewNamesForm {
public:
    explicit NewIRName2Form(ApplicationState& state, QWidget* parent = nullptr);
};

// Shows the dialog modally; the caller reads the outcome from the IR
// clipboard and the database. A full database is told instead, and the
// dialog is not shown.
void ShowNewIRName2Form(ApplicationState& state, QWidget* parent);
