#pragma once

#include "editor/pages/ConfigurationPage.h"

class MeshloEntries;

// Tab "Other Meshlo": the input stepping events and, with the infra-red
// add-ons, the events of the remote-control buttons.
class OtherMeshloPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit OtherMeshloPage(Configuration& config, QWidget* parent = nullptr);
    void Fill() override;
    void Arrange() override;

private:
    MeshloEntries* inputs_;
    MeshloEntries* IRMeshloFrameFrame;
};
