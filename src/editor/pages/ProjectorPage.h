#pragma once

#include "editor/pages/ConfigurationPage.h"

class ApplicationState;
class ProjectorPicker;

// Tab "Projector/Display": the configuration's projector, picked from the
// projector database.
class ProjectorPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit ProjectorPage(ApplicationState& state, QWidget* parent = nullptr);
    void Fill() override;

private:
    ProjectorPicker* ProjectorFrame;
};
