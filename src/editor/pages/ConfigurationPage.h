#pragma once

#include "controls/FillGuard.h"
#include "model/ConfigurationEdit.h"

#include <QWidget>

class Configuration;

// One page of the main window's tabs: it fills its controls from the
// configuration and writes each user edit back, marking the configuration
// as changed. A fill never marks it. A page works on the configuration
// alone; one that hosts message panes or a database picker is also given the
// application state, which those belong to, and hands it on to them.
class ConfigurationPage : public QWidget {
    Q_OBJECT
public:
    virtual void Fill() = 0;
    // Shows what the add-on switches allow; the pages that have nothing to
    // arrange keep this.
    virtual void Arrange() {}

protected:
    ConfigurationPage(Configuration& config, QWidget* parent);

    // Runs the store of a user edit as an edit of the group, unless the
    // page is being filled.
    template <class Store>
    void StoreEdit(ConfigGroup group, Store store)
    {
        if (ShowingConfiguration) return;
        Edit(group, store);
    }
    void Edit(ConfigGroup group, const std::function<void()>& store);

    Configuration& config_;
    // Set while Fill runs: controls that signal programmatic changes store nothing.
    FillFlag ShowingConfiguration;
};
