#pragma once

#include "controls/NewNamesForm.h"

#include <cstddef>

class ApplicationState;

// Asks for new names for the definition in the projector clipboard and adds
// it to the database under them. Accepted only when a definition was added;
// otherwise the clipboard keeps its names.
class NewNameForm : public NewNamesForm {
public:
    static constexpr std::size_t MaximumNameLength = 32;

    explicit NewNameForm(ApplicationState& state, QWidget* parent = nullptr);
};

// Shows the new-name dialog modally; the caller reads the outcome from the
// projector clipboard and the database.
void ShowNewNameForm(ApplicationState& state, QWidget* parent);
