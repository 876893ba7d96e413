#pragma once

#include "controls/NewNamesForm.h"
#include "model/ArrivingLibrary.h"

class ApplicationState;

// Asks for new names for the library in the record buffers and appends it
// to the database under them, in memory only. Accepted only when a library
// was added; otherwise the buffer keeps its names. A blank name is refused
// as the browsers refuse it.
class NewLibraryNameForm : public NewNamesForm {
public:
    NewLibraryNameForm(ApplicationState& state, LibraryKind kind, QWidget* parent = nullptr);
};

// The new-name dialogs, each shown modally; true when the library was added
// under new names. The configuration and the import flows of RS232 share one.
// A full IR database is told instead, and the dialog is not shown.
bool ShowNewIRNameForm(ApplicationState& state, QWidget* parent);
bool ShowNewRS232NameForm(ApplicationState& state, QWidget* parent);
bool ShowNewRs232Name2Form(ApplicationState& state, QWidget* parent);
