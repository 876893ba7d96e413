#pragma once

#include <cstdint>

// How a level is written into a message that carries one. A new object holds
// all zeros; Clear sets the working defaults.
class VolumeExtensionClass {
public:
    bool UseLevelForVolume() const { return useLevelForVolume_; }
    void UseLevelForVolume(bool value) { useLevelForVolume_ = value; }
    bool UsePreviousLevel() const { return usePreviousLevel_; }
    void UsePreviousLevel(bool value) { usePreviousLevel_ = value; }
    bool VolumeFirstByteIsLow() const { return volumeFirstByteIsLow_; }
    void VolumeFirstByteIsLow(bool value) { volumeFirstByteIsLow_ = value; }

    void MaxVolume(int16_t value) { maxVolume_ = value; }
    int16_t MaxVolume() const { return maxVolume_; }
    void MinVolume(int16_t value) { minVolume_ = value; }
    int16_t MinVolume() const { return minVolume_; }
    void VolumeMessageFormat(int16_t value) { volumeMessageFormat_ = value; }
    int16_t VolumeMessageFormat() const { return volumeMessageFormat_; }
    void VolumeNumberOfBytes(int16_t value) { volumeNumberOfBytes_ = value; }
    int16_t VolumeNumberOfBytes() const { return volumeNumberOfBytes_; }
    void VolumeStep(int16_t value) { volumeStep_ = value; }
    int16_t VolumeStep() const { return volumeStep_; }
    void StartUpVolume(int16_t value) { startUpVolume_ = value; }
    int16_t StartUpVolume() const { return startUpVolume_; }
    void VolumeInsertByteNumber(int16_t value) { volumeInsertByteNumber_ = value; }
    int16_t VolumeInsertByteNumber() const { return volumeInsertByteNumber_; }

    void Clear();
    void CopyFrom(const VolumeExtensionClass& source);
    bool IsSameAs(const VolumeExtensionClass& other) const;

    // Level formats.
    static constexpr int16_t DecimalInAscii = 0;
    static constexpr int16_t HexInAscii = 1;
    static constexpr int16_t RawBytes = 2;

private:
    // Declaration order is the comparison order.
    int16_t volumeInsertByteNumber_ = 0;
    int16_t maxVolume_ = 0;
    int16_t minVolume_ = 0;
    int16_t volumeMessageFormat_ = 0;
    int16_t volumeNumberOfBytes_ = 0;
    int16_t volumeStep_ = 0;
    int16_t startUpVolume_ = 0;
    bool useLevelForVolume_ = false;
    bool usePreviousLevel_ = false;
    bool volumeFirstByteIsLow_ = false;
};
