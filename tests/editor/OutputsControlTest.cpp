#include "controls/IntegerEntry.h"
#include "editor/PanelTestHost.h"
#include "editor/panels/OutputsControl.h"
#include "support/NamedChild.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

namespace {
using Host = PanelTestHost<OutputsControl>;

QRadioButton* Option(const OutputsControl& page, const char* group, int k)
{
    return Named<QRadioButton>(page, group, k);
}

int SelectedOf(const OutputsControl& page, const char* group, int count)
{
    for (int k = 0; k < count; ++k)
        if (Option(page, group, k)->isChecked()) return k;
    return -1;
}

// The time group, 0..2, whose entries are enabled, or -1 for none.
void ExpectEnabledGroup(const OutputsControl& page, int group)
{
    for (int g = 0; g < OutputsControl::TimeGroups; ++g) {
        EXPECT_EQ(Named<QWidget>(page, "ScreenUpTime", g)->isEnabled(), g == group) << g;
        EXPECT_EQ(Named<QWidget>(page, "ScreenDownTime", g)->isEnabled(), g == group) << g;
    }
    EXPECT_EQ(Named<QCheckBox>(page, "ScreenUseVolumeCheck")->isEnabled(), group == 0);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(Option(page, "LiftOption", k)->isEnabled(), group == 1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Named<QLabel>(page, "LiftLabel", k)->isEnabled(), group == 1) << k;
        EXPECT_EQ(Named<QLabel>(page, "PowerLabel", k)->isEnabled(), group == 2) << k;
        EXPECT_TRUE(Named<QLabel>(page, "ScreenLabel", k)->isEnabled()) << k;
    }
}
}  // namespace

TEST(OutputsControl, EachModeEnablesOnlyItsOwnGroupAndKeepsTimesAndFlags)
{
    Host host([](ConfigurationRecord& r) {
        r.ScreenUpSeconds = 12;
        r.ScreenDownSeconds = 34;
    });
    EXPECT_EQ(SelectedOf(*host.panel, "OutputsOption", 4), 1);
    ExpectEnabledGroup(*host.panel, 0);
    for (int mode : {0, 2, 3, 1}) {
        SCOPED_TRACE(mode);
        Host::Click(Option(*host.panel, "OutputsOption", mode));
        EXPECT_EQ(host.Record().OutputsMode, mode);
        ExpectEnabledGroup(*host.panel, mode - 1);
    }
    EXPECT_EQ(host.ChangeEvents(), 4);
    EXPECT_TRUE(host.Changed());
    EXPECT_EQ(host.Record().ScreenUpSeconds, 12);
    EXPECT_EQ(host.Record().ScreenDownSeconds, 34);
    EXPECT_EQ(host.Record().OutputFlags, 1);

    host.Record().OutputsMode = 3;
    host.panel->FillSettings();
    ExpectEnabledGroup(*host.panel, 2);
    EXPECT_EQ(host.ChangeEvents(), 4) << "a fill raises nothing";
}

TEST(OutputsControl, LiftOptionStandsForTheBitWhenFilledAndWhenClicked)
{
    struct Case {
        int16_t flags;
        bool screenByVolume;
        int liftSelected;
    };
    const Case cases[] = {{0, false, 0}, {1, true, 0}, {2, false, 1}, {3, true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        Host host([&c](ConfigurationRecord& r) {
            r.OutputsMode = 2;
            r.OutputFlags = c.flags;
        });
        EXPECT_EQ(Named<QCheckBox>(*host.panel, "ScreenUseVolumeCheck")->isChecked(), c.screenByVolume);
        EXPECT_EQ(SelectedOf(*host.panel, "LiftOption", 2), c.liftSelected);
        EXPECT_FALSE(host.Changed());
    }

    Host host([](ConfigurationRecord& r) { r.OutputsMode = 2; });
    EXPECT_EQ(Option(*host.panel, "LiftOption", 1)->text(), "Raise lift after cooling");
    Host::Click(Option(*host.panel, "LiftOption", 1));
    EXPECT_EQ(host.Record().OutputFlags, 3);
    host.panel->FillSettings();
    EXPECT_EQ(SelectedOf(*host.panel, "LiftOption", 2), 1) << "a refill shows what was clicked";
    Host::Click(Option(*host.panel, "LiftOption", 0));
    EXPECT_EQ(host.Record().OutputFlags, 1);

    Host::Click(Option(*host.panel, "OutputsOption", 1));
    Host::Click(Named<QCheckBox>(*host.panel, "ScreenUseVolumeCheck"));
    EXPECT_EQ(host.Record().OutputFlags, 0);
}

TEST(OutputsControl, ATimeTypedInOneGroupShowsInEveryGroup)
{
    Host host([](ConfigurationRecord& r) { r.OutputsMode = 2; });
    Host::Type(Named<QWidget>(*host.panel, "ScreenUpTime", 1), "20");
    Host::Type(Named<QWidget>(*host.panel, "ScreenDownTime", 1), "300");
    EXPECT_EQ(host.Record().ScreenUpSeconds, 20);
    EXPECT_EQ(host.Record().ScreenDownSeconds, 255);
    EXPECT_TRUE(host.Changed());
    for (int g = 0; g < OutputsControl::TimeGroups; ++g) {
        EXPECT_EQ(Named<IntegerEntry>(*host.panel, "ScreenUpTime", g)->return_value(), 20) << g;
        EXPECT_EQ(Named<IntegerEntry>(*host.panel, "ScreenDownTime", g)->return_value(), 255) << g;
    }
}

TEST(OutputsControl, DamagedModeSelectsNoOptionAndIsKept)
{
    Host host([](ConfigurationRecord& r) { r.OutputsMode = 9; });
    EXPECT_EQ(SelectedOf(*host.panel, "OutputsOption", 4), -1);
    EXPECT_EQ(host.Record().OutputsMode, 9);
    Host::Click(Option(*host.panel, "OutputsOption", 0));
    EXPECT_EQ(host.Record().OutputsMode, 0);
    ExpectEnabledGroup(*host.panel, -1);
}
