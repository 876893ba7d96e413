#include "messages/VolumeFormatRules.h"

#include "model/VolumeExtensionClass.h"

#include <algorithm>
#include <cstdlib>

namespace {

int DigitCount(int64_t value, int base)
{
    int digits = 1;
    for (value /= base; value > 0; value /= base) ++digits;
    return digits;
}

int LeadingHexDigit(int64_t value)
{
    while (value > 0xF) value >>= 4;
    return static_cast<int>(value);
}

// 0x8, 0x80, 0x800, ...: the one magnitude above 7 that a negative level
// still fits in its digit count.
bool IsEightFollowedByZeros(int64_t value)
{
    return LeadingHexDigit(value) == 8 && value == (int64_t{8} << (4 * (DigitCount(value, 16) - 1)));
}

bool HexFitsWithSign(int64_t magnitudeMax, int64_t magnitudeMin, int count)
{
    const int digits = std::max(DigitCount(magnitudeMax, 16), DigitCount(magnitudeMin, 16));
    const bool minNeedsMore = LeadingHexDigit(magnitudeMin) > 7 && !IsEightFollowedByZeros(magnitudeMin);
    // A maximum whose leading digit is above 7 would read as a negative
    // level in the digits sent, whatever the minimum is.
    const bool maxNeedsMore = LeadingHexDigit(magnitudeMax) > 7;
    return digits + ((minNeedsMore || maxNeedsMore) ? 1 : 0) <= count;
}

}  // namespace

bool HasEnoughBytesForLevels(const VolumeFormatDraft& draft)
{
    const int count = draft.VolumeNumberOfBytes;
    const int64_t magnitudeMax = std::llabs(draft.MaxVolume);
    const int64_t magnitudeMin = std::llabs(draft.MinVolume);
    const int64_t largest = std::max(magnitudeMax, magnitudeMin);
    const bool signedRange = draft.MinVolume < 0;
    switch (draft.VolumeMessageFormat) {
    case VolumeExtensionClass::DecimalInAscii: return DigitCount(largest, 10) + (signedRange ? 1 : 0) <= count;
    case VolumeExtensionClass::HexInAscii:
        if (!signedRange) return DigitCount(largest, 16) <= count;
        return HexFitsWithSign(magnitudeMax, magnitudeMin, count);
    default:
        if (count >= 2) return true;
        if (!signedRange) return draft.MaxVolume < 256;
        return magnitudeMin <= 128 && draft.MaxVolume <= 127;
    }
}

std::string FirstVolumeFormatFault(const VolumeFormatDraft& draft)
{
    const std::array<bool, VolumeFormatFaultTexts.size()> fails = {
        draft.MaxVolume == draft.MinVolume,
        draft.MaxVolume<draft.MinVolume, draft.VolumeStep == 0, int64_t{draft.VolumeStep}> int64_t{draft.MaxVolume} -
            draft.MinVolume,
        !draft.UsePreviousLevel && draft.StartUpVolume > draft.MaxVolume,
        !draft.UsePreviousLevel && draft.StartUpVolume < draft.MinVolume,
        draft.VolumeNumberOfBytes < 1 || draft.VolumeNumberOfBytes > 4,
        !HasEnoughBytesForLevels(draft),
    };
    for (std::size_t rule = 0; rule < fails.size(); ++rule)
        if (fails[rule]) return VolumeFormatFaultTexts[rule];
    return {};
}
