#pragma once

#include "messages/SerialTestDialog.h"

class LevelControls;
class VolumeExtensionClass;

// Sends the message in WorkSerial on a port with the message's own
// settings, with a level written in at its variable byte, and shows the
// reply. The message itself is never changed.
class ProjectorSerialTestForm : public SerialTestDialog {
    Q_OBJECT
public:
    ProjectorSerialTestForm(ApplicationState& state, QWidget* parent = nullptr);

    int16_t CurrentLevel() const { return currentLevel_; }
    const std::string& LevelText() const { return levelText_; }

private:
    void Load();
    void PortOptionClicked(int index);
    void ShowLevel();
    void MoveLevel(int16_t (*move)(int16_t, const VolumeExtensionClass&));
    void SendClicked() override;
    void CopyClicked() override;

    QGroupBox* VolumeFrame;
    LevelControls* levelControls_;
    int16_t currentLevel_ = 0;
    std::string levelText_;
};
