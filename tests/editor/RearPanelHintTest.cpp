#include "editor/pages/RearPanelHint.h"
#include "model/ConfigurationRecord.h"

#include <gtest/gtest.h>

TEST(RearPanelHint, EveryTabTellsItsConnection)
{
    struct Case {
        int tab;
        int16_t reroute0;
        int16_t reroute1;
        bool zenvara;
        const char* hint;
        const char* audioFrom;
        const char* hdVideo;
    };
    const char* hd1 =
        "Connect HDMI to 'HD-in-1' input\r\nif seperate audio is available use inputs 7, Volume control only "
        "available on seperate audio\r\nEnsure projector serial code Video 2 is set to select HDMI";
    const Case cases[] = {
        {0, 1, 0, false, "Connect video to input 1 and audio to inputs 9 on rear panel", "Audio from 'Audio 1'",
         nullptr},
        {0, 2, 0, false, "Connect audio/video to inputs 1 on rear panel", nullptr, nullptr},
        {1, 0, 1, false, "Connect video to input 2 and audio to inputs 10 on rear panel", "Audio from 'Audio 2'",
         nullptr},
        {2, 1, 1, false, "Connect audio/video to inputs 3 on rear panel", nullptr, nullptr},
        {4, 2, 0, false, "Connect video to input 5 and audio to inputs 9 on rear panel", "Audio from 'Audio 1'",
         nullptr},
        {5, 0, 2, false, "Connect video to input 6 and audio to inputs 10 on rear panel", "Audio from 'Audio 2'",
         nullptr},
        {5, 0, 1, false, "Connect audio/video to inputs 6 on rear panel", nullptr, nullptr},
        {6, 0, 0, true, hd1, nullptr, "Video from 'HD-in-1'"},
        {6, 0, 0, false, "Connect audio/video to inputs 7 on rear panel", nullptr, nullptr},
        {7, 0, 0, false, "Connect audio/video to inputs 8 on rear panel", nullptr, nullptr},
        {8, 1, 0, false, "This audio input is being used with Computer 1 video input", nullptr, nullptr},
        {8, 2, 0, false, "This audio input is being used by Video 1 video input", nullptr, nullptr},
        {8, 0, 0, false, "Connect audio to inputs 9 on rear panel", nullptr, nullptr},
        {9, 0, 1, false, "This audio input is being used with Computer 2 video input", nullptr, nullptr},
        {9, 0, 2, false, "This audio input is being used by Video 2 video input", nullptr, nullptr},
        {9, 0, 0, false, "Connect audio to inputs 10 on rear panel", nullptr, nullptr},
        {12, 1, 1, true, "Connect audio/video to inputs 13 on rear panel", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        ConfigurationRecord record;
        record.AudioRerouteMode = {c.reroute0, c.reroute1};
        record.ZenvaraEnabled = c.zenvara;
        const RearPanelHint hint = RearPanelHintFor(c.tab, record);
        EXPECT_EQ(hint.hint, c.hint) << "tab " << c.tab;
        EXPECT_EQ(hint.audioFrom.value_or("none"), c.audioFrom ? c.audioFrom : "none") << "tab " << c.tab;
        EXPECT_EQ(hint.hdVideo.value_or("none"), c.hdVideo ? c.hdVideo : "none") << "tab " << c.tab;
    }
    ConfigurationRecord record;
    record.ZenvaraEnabled = true;
    EXPECT_TRUE(RearPanelHintFor(7, record).hint.startsWith(
        "Connect HDMI to 'HD-in-2' input\r\nif seperate audio is available use inputs 8,"));
}
