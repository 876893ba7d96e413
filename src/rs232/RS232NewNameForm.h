#pragma once

#include "controls/NewNamesForm.h"

class ApplicationState;

// Asks for new names for the library in the RS232 library clipboard and
// adds it to the database in memory under them. Accepted only when a
// library was added; otherwise the clipboard keeps its names.
class RS232NewNameForm : public NewNamesForm {
public:
    explicit RS232NewNameForm(ApplicationState& state, QWidget* parent = nullptr);
};

// Shows the new-name dialog modally; the caller reads the outcome from the
// library clipboard and the database.
void ShowRS232NewNameForm(ApplicationState& state, QWidget* parent);
