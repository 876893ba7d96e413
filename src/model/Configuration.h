#pragma once

#include "model/ConfigurationEdit.h"
#include "model/ConfigurationRecord.h"
#include "model/ProjectorClass.h"
#include "model/SerialClass.h"

#include <array>
#include <memory>
#include <string>
#include <utility>

// The configuration being edited: the record that is stored and downloaded,
// whether it changed since it was opened or saved, its file, and the objects
// the editors work on (ConfigSerialStrings, ConfigProjector), filled from the
// record and copied back after edits.
class Configuration {
public:
    static constexpr int SerialStrings = 41;  // the last one is never transferred

    ConfigurationRecord Record;
    bool ConfigChanged = false;
    std::string ConfigFileName;  // empty while untitled

    // Every user edit goes through here: the change is stored, the
    // configuration marked changed and the group's listeners told.
    template <class Change>
    void Edit(ConfigGroup group, Change&& change)
    {
        std::forward<Change>(change)();
        ConfigChanged = true;
        Edits.Tell(group);
    }
    // The same for a change a dialog or a message object has already stored.
    void Edit(ConfigGroup group)
    {
        Edit(group, [] {});
    }
    ConfigurationEdits Edits;

    // Gives every variable its default and clears ConfigChanged.
    void ClearConfiguration();

    // The message object of slot i (0 to 40), created on first use.
    SerialClass& ConfigSerialStrings(int i);

    // Slot i (0 to 39) from the message object into the record and back.
    // Another index raises SubscriptOutOfRange.
    void StoreSerialSlotToConfig(int i);
    void LoadSerialSlotFromConfig(int i);

    // The projector object, created on first use, and its transfers to and
    // from the record's projector block (whose reserved words stay as they are).
    ProjectorClass& ConfigProjector();
    void StoreProjectorToConfig();
    void LoadProjectorFromConfig();

private:
    std::array<std::unique_ptr<SerialClass>, SerialStrings> serialStrings_;
    std::unique_ptr<ProjectorClass> projector_;
};
