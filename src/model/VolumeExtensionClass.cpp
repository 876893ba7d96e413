#include "model/VolumeExtensionClass.h"

void VolumeExtensionClass::Clear()
{
    volumeInsertByteNumber_ = -1;
    maxVolume_ = 1;
    minVolume_ = 0;
    volumeMessageFormat_ = DecimalInAscii;
    volumeNumberOfBytes_ = 1;
    volumeStep_ = 1;
    startUpVolume_ = 0;
    useLevelForVolume_ = false;
    usePreviousLevel_ = false;
    volumeFirstByteIsLow_ = false;
}

void VolumeExtensionClass::CopyFrom(const VolumeExtensionClass& source)
{
    *this = source;
}

bool VolumeExtensionClass::IsSameAs(const VolumeExtensionClass& other) const
{
    return volumeInsertByteNumber_ == other.volumeInsertByteNumber_ && maxVolume_ == other.maxVolume_ &&
           minVolume_ == other.minVolume_ && volumeMessageFormat_ == other.volumeMessageFormat_ &&
           volumeNumberOfBytes_ == other.volumeNumberOfBytes_ && volumeStep_ == other.volumeStep_ &&
           startUpVolume_ == other.startUpVolume_ && useLevelForVolume_ == other.useLevelForVolume_ &&
           usePreviousLevel_ == other.usePreviousLevel_ && volumeFirstByteIsLow_ == other.volumeFirstByteIsLow_;
}
