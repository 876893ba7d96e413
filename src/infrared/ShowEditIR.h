#pragma once

class ApplicationState;
class QWidget;

// Shows the IR library editor modally on WorkIRLibrary, which the caller has
// filled (cleared for a new library). Done stores the library into the IR
// database and saves the database; Cancel leaves WorkIRLibrary as it was.
void ShowEditIR(ApplicationState& state, QWidget* parent);
