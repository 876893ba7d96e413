#include "editor/pages/RearPanelHint.h"

#include "model/ConfigurationRecord.h"

namespace {

QString AudioVideoOn(int tab)
{
    return QString("Connect audio/video to inputs %1 on rear panel").arg(tab + 1);
}

// Computer 1 and 2 (mode 1) and video 1 and 2 (mode 2) can take the audio of audio input 1 or 2.
RearPanelHint RerouteTarget(int tab, int16_t mode, int16_t rerouteMode)
{
    const int audio = tab % 2;  // which audio input serves this one
    if (mode != rerouteMode) return {AudioVideoOn(tab), {}, {}};
    return {QString("Connect video to input %1 and audio to inputs %2 on rear panel").arg(tab + 1).arg(audio + 9),
            QString("Audio from 'Audio %1'").arg(audio + 1),
            {}};
}

RearPanelHint HiDefInput(int tab, bool zenvara)
{
    if (!zenvara) return {AudioVideoOn(tab), {}, {}};
    const int hd = tab - 5;
    return {QString("Connect HDMI to 'HD-in-%1' input\r\nif seperate audio is available use inputs %2, Volume control "
                    "only available on seperate audio\r\nEnsure projector serial code Video 2 is set to select HDMI")
                .arg(hd)
                .arg(tab + 1),
            {},
            QString("Video from 'HD-in-%1'").arg(hd)};
}

RearPanelHint AudioInput(int tab, int16_t rerouteMode)
{
    const int computerOrVideo = tab - 7;
    switch (rerouteMode) {
    case 1:
        return {QString("This audio input is being used with Computer %1 video input").arg(computerOrVideo), {}, {}};
    case 2: return {QString("This audio input is being used by Video %1 video input").arg(computerOrVideo), {}, {}};
    default: return {QString("Connect audio to inputs %1 on rear panel").arg(tab + 1), {}, {}};
    }
}

}  // namespace

RearPanelHint RearPanelHintFor(int tab, const ConfigurationRecord& record)
{
    switch (tab) {
    case 0:
    case 1: return RerouteTarget(tab, 1, record.AudioRerouteMode[static_cast<std::size_t>(tab)]);
    case 4:
    case 5: return RerouteTarget(tab, 2, record.AudioRerouteMode[static_cast<std::size_t>(tab - 4)]);
    case 6:
    case 7: return HiDefInput(tab, record.ZenvaraEnabled);
    case 8:
    case 9: return AudioInput(tab, record.AudioRerouteMode[static_cast<std::size_t>(tab - 8)]);
    default: return {AudioVideoOn(tab), {}, {}};
    }
}
