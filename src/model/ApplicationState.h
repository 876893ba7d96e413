#pragma once

#include "model/Configuration.h"
#include "model/ConfigurationArchive.h"
#include "model/DeviceTypes.h"
#include "model/IRClassGlobals.h"
#include "model/ProjectorClassGlobals.h"
#include "model/ProjectorGlobals.h"
#include "model/SerialClass.h"
#include "model/SerialClassGlobals.h"
#include "platform/FolderMemoryPrompts.h"
#include "platform/InstalledInterfaces.h"

#include <cstdint>
#include <filesystem>

class UserPrompts;

// State of the serial message tools: the message handed to their modal
// dialogs, the reply of the last serial test and the dialogs' results. A
// WorkSerialHandOff sets the hand-off fields for as long as a dialog is open
// and puts them back when it closes.
struct MessageToolsState {
    // The message a modal message dialog works on; the caller owns it.
    SerialClass* WorkSerial = nullptr;
    SerialClass ReceivedSerial;
    // 0-based port option last opened by the serial test with chosen settings.
    int16_t LastPortIndex = 0;
    // CanBeInput of the message open in the byte editor.
    bool EditStringCanBeInput = false;
    // Set by the volume format editor's Done when the format changed.
    bool VolumeParametersChanged = false;
    // Whether the settings dialog is asked about a captured message.
    bool SettingsFromCapture = false;
};

// Owns every piece of process-wide state, grouped by the module that owns it.
// The program makes one; each test makes a fresh one in a temporary folder.
class ApplicationState {
    // First, as the stores below are given it. The file dialogs' folders are
    // remembered for this run only.
    mutable FolderMemoryPrompts prompts_;

public:
    ApplicationState(std::filesystem::path programFolder, UserPrompts& prompts)
        : prompts_(prompts),
          ProgramFolder(std::move(programFolder)),
          RS232Libraries(ProgramFolder, prompts_),
          Projectors(ProgramFolder, prompts_),
          IR(ProgramFolder, prompts_)
    {
    }
    ApplicationState(const ApplicationState&) = delete;
    ApplicationState& operator=(const ApplicationState&) = delete;

    // The given prompts, with each file dialog started in the folder last
    // used for its kind of file.
    UserPrompts& Prompts() const { return prompts_; }

    // Dialogs and devices of outer rings, installed at start-up.
    InstalledInterfaces Installed;

    std::filesystem::path ProgramFolder;
    ProjectorGlobals Names;
    SerialClass SerialClipboard;
    MessageToolsState Messages;
    // The RS232 library database with its buffer, clipboard and work objects.
    SerialClassGlobals RS232Libraries;
    // The projector database with its buffer, clipboard and work definition.
    ProjectorClassGlobals Projectors;

    // Device types known to the port searches, built once at start-up.
    DeviceTypeTable DeviceTypes;

    // The IR database with its record buffers, clipboard and work objects.
    IRClassGlobals IR;

    Configuration Config;  // the configuration being edited
    ConfigurationArchiveState Archive;
};
