#include "editor/PanelTestHost.h"
#include "editor/panels/AudioReroute.h"
#include "editor/panels/VGACompControl.h"
#include "support/NamedChild.h"

#include <QGroupBox>
#include <QRadioButton>

namespace {
template <class Panel>
int SelectedOf(const Panel& panel, int count)
{
    for (int k = 0; k < count; ++k)
        if (Named<QRadioButton>(panel, "Option1", k)->isChecked()) return k;
    return -1;
}
}  // namespace

TEST(AudioReroute, EachAudioInputShowsItsOwnNamesAndStoresThePick)
{
    PanelTestHost<AudioReroute> host([](ConfigurationRecord& r) { r.AudioRerouteMode = {0, 7}; });
    AudioReroute& page = *host.panel;
    page.SetToDisplay(0);
    EXPECT_EQ(SelectedOf(page, 3), 0);
    EXPECT_EQ(Named<QRadioButton>(page, "Option1", 0)->text(), "Audio 1");
    EXPECT_EQ(Named<QGroupBox>(page, "Frame2")->title(), "Use Audio 1 As");

    page.SetToDisplay(1);
    EXPECT_EQ(SelectedOf(page, 3), -1) << "a damaged mode shows no option";
    const char* captions[] = {"Audio 2", "Computer 2", "Video 2"};
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Named<QRadioButton>(page, "Option1", k)->text(), captions[k]);
    EXPECT_EQ(Named<QGroupBox>(page, "Frame2")->title(), "Use Audio 2 As");
    EXPECT_FALSE(host.Changed());
    EXPECT_EQ(host.ChangeEvents(), 0);

    PanelTestHost<AudioReroute>::Click(Named<QRadioButton>(page, "Option1", 2));
    EXPECT_EQ(host.Record().AudioRerouteMode, (std::array<int16_t, 2>{0, 2}));
    EXPECT_TRUE(host.Changed());
    EXPECT_EQ(host.ChangeEvents(), 1);

    page.SetToDisplay(5);
    EXPECT_EQ(SelectedOf(page, 3), -1);
    PanelTestHost<AudioReroute>::Click(Named<QRadioButton>(page, "Option1", 1));
    EXPECT_EQ(host.Record().AudioRerouteMode, (std::array<int16_t, 2>{0, 2})) << "no audio input to store for";
    EXPECT_EQ(host.ChangeEvents(), 1);
}

TEST(VGACompControl, EachComputerInputShowsAndStoresItsVideoKind)
{
    PanelTestHost<VGACompControl> host([](ConfigurationRecord& r) { r.ComputerIsComponent[3] = true; });
    VGACompControl& page = *host.panel;
    for (int16_t input = 0; input < 4; ++input) {
        page.SetToDisplay(input);
        EXPECT_EQ(SelectedOf(page, 2), input == 3 ? 1 : 0) << input;
    }
    EXPECT_FALSE(host.Changed());

    page.SetToDisplay(2);
    PanelTestHost<VGACompControl>::Click(Named<QRadioButton>(page, "Option1", 1));
    EXPECT_TRUE(host.Record().ComputerIsComponent[2]);
    EXPECT_TRUE(host.Changed());
    EXPECT_EQ(host.ChangeEvents(), 1);
    page.SetToDisplay(3);
    PanelTestHost<VGACompControl>::Click(Named<QRadioButton>(page, "Option1", 0));
    EXPECT_FALSE(host.Record().ComputerIsComponent[3]);
}
