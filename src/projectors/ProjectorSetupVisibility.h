#pragma once

#include <array>

// The check boxes of the projector definition editor that decide what it
// shows, indexed as the form's control arrays are.
struct ProjectorSetupChecks {
    bool SerialOnOffUsed = false;
    // Elements 1 (Data 2), 3 (Blank), 4 (Blank Off) and 5 (Video 2) are used.
    std::array<bool, 6> Available{};
    bool VolumeAvailable = false;
    bool UseLevels = false;
    std::array<bool, 13> Reply{};
};

// What the editor shows for those check states. A message slot is in use
// exactly when it is shown.
struct ProjectorSetupShown {
    std::array<bool, 25> Slot{};
    std::array<bool, 13> ReplyCheck{};
    bool UseLevelsCheck = false;
    // The line between the two volume rows.
    bool VolumeSeparator = false;
};

ProjectorSetupShown ShownProjectorSetupControls(const ProjectorSetupChecks& checks);
