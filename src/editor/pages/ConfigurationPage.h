#pragma once

#include "editor/FillGuard.h"
#include "model/ConfigurationEdit.h"

#include <QWidget>

class ApplicationState;

// One page of the main window's tabs: it fills its controls from the
// configuration and writes each user edit back, marking the configuration
// as changed. A fill never marks it.
class ConfigurationPage : public QWidget {
    Q_OBJECT
public:
    virtual void Fill() = 0;
    // Shows what the add-on switches allow; the pages that have nothing to
    // arrange keep this.
    virtual void Arrange() {}

protected:
    ConfigurationPage(ApplicationState& state, QWidget* parent);

    // Runs the store of a user edit as an edit of the group, unless the
    // page is being filled.
    template <class Store>
    void StoreEdit(ConfigGroup group, Store store)
    {
        if (ShowingConfiguration) return;
        Edit(group, store);
    }
    void Edit(ConfigGroup group, const std::function<void()>& store);

    ApplicationState& state_;
    // Set while Fill runs: controls that signal programmatic changes store nothing.
    FillFlag ShowingConfiguration;
};
