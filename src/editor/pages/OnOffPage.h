#pragma once

#include "editor/pages/ConfigurationPage.h"

class ApplicationState;
class GlobalMessagePanes;
class IntegerEntry;
class MeshloEntries;

// Tab "On/Off": the power messages and events, the display's warming and
// cooling events and the inactive timeout.
class OnOffPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit OnOffPage(ApplicationState& state, QWidget* parent = nullptr);
    void Fill() override;

private:
    IntegerEntry* InactiveTime;
    GlobalMessagePanes* panes_;
    MeshloEntries* meshlo_;
};
