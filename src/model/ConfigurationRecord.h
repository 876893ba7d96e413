#pragma once

#include "platform/FixedText.h"

#include <array>
#include <cstdint>

// The stored forms the configuration is kept, saved and downloaded in. Only
// the first NumberOfBytes bytes and types of a message are significant.

// One IR command copied into the configuration. Its parts mirror
// IRCommandClass by number: Data[0] is IRPart::Repeat, Data[1] IRPart::Start.
struct ConfigIRCommandRecord {
    FixedText<16> Name;
    std::array<std::array<uint8_t, 128>, 2> Data{};
    std::array<uint8_t, 2> InterPeriod{};
    uint8_t Mode = 0;

    bool operator==(const ConfigIRCommandRecord&) const = default;
};

// The IR device of one input and the commands sent when it is selected or
// deselected.
struct InputIRRecord {
    static constexpr int Commands = 7;
    bool DeviceSelected = false;
    FixedText<16> Manufacturer;
    FixedText<16> IRtype;
    FixedText<16> Model;
    std::array<FixedText<16>, Commands> SelectCommandNames;
    std::array<FixedText<16>, Commands> DeselectCommandNames;
    std::array<bool, Commands> SelectAssigned{};
    std::array<bool, Commands> DeselectAssigned{};
    std::array<ConfigIRCommandRecord, Commands> SelectCommands;
    std::array<ConfigIRCommandRecord, Commands> DeselectCommands;

    bool operator==(const InputIRRecord&) const = default;
};

// One RS232 message slot; the names say which library it came from, if any.
struct ConfigSerialSlotRecord {
    FixedText<16> Manufacturer;
    FixedText<16> Model;
    FixedText<16> MyType;
    int16_t Baudrate = 0;
    int16_t Parity = 0;
    bool IsFromLibrary = false;
    int16_t InterByteDelay = 0;
    int16_t NumberOfBytes = 0;
    std::array<uint8_t, 32> ContentBytes{};
    std::array<uint8_t, 32> ContentTypes{};
    FixedText<16> Command;

    bool operator==(const ConfigSerialSlotRecord&) const = default;
};

struct ProjectorMessageRecord {
    int16_t NumberOfBytes = 0;
    std::array<uint8_t, 32> ContentBytes{};
    std::array<uint8_t, 32> ContentTypes{};

    bool operator==(const ProjectorMessageRecord&) const = default;
};

// The configuration's projector, laid out as a projector definition record.
struct ConfigProjectorBlockRecord {
    static constexpr int MessageSlots = 25;
    static constexpr int ReplyFlags = 13;
    FixedText<32> Manufacturer;
    FixedText<32> Model;
    FixedText<256> Notes;
    std::array<bool, MessageSlots> InUse{};
    std::array<bool, ReplyFlags> ReplyRequired{};
    std::array<ProjectorMessageRecord, MessageSlots> Messages;
    int16_t MaxVolume = 0;
    int16_t MinVolume = 0;
    int16_t VolumeMessageFormat = 0;
    bool VolumeFirstByteIsLow = false;
    int16_t VolumeNumberOfBytes = 0;
    bool UseLevelForVolume = false;
    int16_t VolumeStep = 0;
    int16_t StartUpVolume = 0;
    bool UsePreviousLevel = false;
    std::array<int16_t, 2> Reserved{};  // the two words after UsePreviousLevel
    int16_t Baudrate = 0;
    int16_t InterCommandDelay = 0;
    int16_t InterByteDelay = 0;
    int16_t CoolDownTime = 0;
    int16_t WarmUpTime = 0;
    int16_t VolumeInsertByteNumber = 0;
    int16_t Parity = 0;
    int16_t LastReserved = 0;

    bool operator==(const ConfigProjectorBlockRecord&) const = default;
};

// Every setting of the configuration being edited. Inputs are numbered 0 to
// 9: 0-3 computer inputs, 4-7 video inputs, 8-9 audio inputs.
struct ConfigurationRecord {
    static constexpr int Inputs = 10;
    static constexpr int ComputerInputs = 4;
    static constexpr int MeshloAddresses = 51;
    static constexpr int SerialSlots = 40;
    // The controller counts the unlocked time in tenths of a second in one
    // 16-bit word, which holds no more than 109 minutes.
    static constexpr int16_t MaximumUnlockedMinutes = 65535 / 600;

    bool QuilmarDraventEnabled = false;
    bool ZenvaraEnabled = false;
    std::array<int16_t, MeshloAddresses> MeshloAddressTable{};
    std::array<int16_t, Inputs> InputVolumeOffset{};
    std::array<bool, Inputs> InputNotInUse{};
    std::array<bool, ComputerInputs> ComputerIsComponent{};
    std::array<bool, ComputerInputs> InputAutoSelect{};
    std::array<bool, ComputerInputs> InputAutoPowerOn{};
    std::array<bool, ComputerInputs> InputAutoPowerOff{};
    std::array<int16_t, ComputerInputs> InputAutoTimeOut{};
    std::array<int16_t, 2> AudioRerouteMode{};
    std::array<bool, 2> AudioSelectableWhenOff{};
    int16_t ControlInputsMode = 0;
    int16_t ControlInput1Mode = 0;
    int16_t ControlInput2Mode = 0;
    int16_t RoomEmptyTimeout = 0;
    int16_t SensorThreshold = 0;
    int16_t OutputsMode = 0;
    int16_t OutputFlags = 0;
    int16_t ScreenUpSeconds = 0;
    int16_t ScreenDownSeconds = 0;
    int16_t LockFlags = 0;
    int16_t UnlockedMinutes = 0;
    bool MicrophoneWhenOff = false;
    std::array<int16_t, 4> LockSequence{};
    int16_t VolumeMaximum = 0;
    int16_t VolumeMinimum = 0;
    int16_t VolumeStepDb = 0;
    bool UsePowerDownLevel = false;
    int16_t StartUpLevel = 0;
    int16_t ControlPortBaudrate = 0;
    int16_t ControlPortParity = 0;
    int16_t ControlPortInterByteDelay = 0;
    ConfigProjectorBlockRecord ConfigProjectorBlock;
    std::array<ConfigSerialSlotRecord, SerialSlots> ConfigSerialSlots;
    std::array<InputIRRecord, Inputs> InputIRRecords;
    uint8_t InactiveTimeoutHours = 0;
    FixedText<200> ConfigNotes;

    bool operator==(const ConfigurationRecord&) const = default;
};

// Gives every variable the default of a new configuration.
void ClearConfigurationRecord(ConfigurationRecord& record);
