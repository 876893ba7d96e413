#pragma once

#include <QString>
#include <optional>

struct ConfigurationRecord;

// What the page of tab t tells the installer about the rear-panel
// connections, and the frames that go with it.
struct RearPanelHint {
    QString hint;
    std::optional<QString> audioFrom;  // "Audio from ..." when the audio comes from an audio input
    std::optional<QString> hdVideo;    // "Video from ..." when the video comes from an HD input
};

RearPanelHint RearPanelHintFor(int tab, const ConfigurationRecord& record);
