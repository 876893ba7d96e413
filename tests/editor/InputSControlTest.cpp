#include "controls/IntegerEntry.h"
#include "controls/integer5v.h"
#include "editor/PanelTestHost.h"
#include "editor/panels/InputSControl.h"
#include "support/NamedChild.h"

#include <QLabel>
#include <QRadioButton>

namespace {
using Host = PanelTestHost<InputSControl>;

QRadioButton* Option(const InputSControl& page, const char* group, int k)
{
    return Named<QRadioButton>(page, group, k);
}

int SelectedOf(const InputSControl& page, const char* group, int count)
{
    for (int k = 0; k < count; ++k)
        if (Option(page, group, k)->isChecked()) return k;
    return -1;
}

void ExpectEnabled(const InputSControl& page, bool groups, bool sensor)
{
    for (int k = 0; k < 4; ++k) EXPECT_EQ(Option(page, "ControlInput1Option", k)->isEnabled(), groups) << k;
    for (int k = 0; k < 2; ++k) EXPECT_EQ(Option(page, "ControlInput2Option", k)->isEnabled(), groups) << k;
    EXPECT_EQ(Named<QLabel>(page, "LabelInput1")->isEnabled(), groups);
    EXPECT_EQ(Named<QLabel>(page, "LabelInput2")->isEnabled(), groups);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(Option(page, "ControlInputOptionLowHighOption", k)->isEnabled(), sensor) << k;
        EXPECT_EQ(Named<QLabel>(page, "TresholdLabel", k)->isEnabled(), sensor) << k;
        EXPECT_EQ(Named<QLabel>(page, "InputTimeOutLabel", k)->isEnabled(), sensor) << k;
    }
    EXPECT_EQ(Named<QLabel>(page, "InputStateLabel")->isEnabled(), sensor);
    EXPECT_EQ(Named<QWidget>(page, "InputVoltageThreshold")->isEnabled(), sensor);
    EXPECT_EQ(Named<QWidget>(page, "RoomTimeout")->isEnabled(), sensor);
}
}  // namespace

TEST(InputSControl, FillSelectsTheStoredModesAndEnablesByThemWithoutAnEvent)
{
    struct Case {
        int16_t inputsMode, input1Mode, input2Mode;
        int mainSelected, input1Selected, sensorSelected, lowHighSelected;
        bool groupsEnabled, sensorEnabled;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 0, false, false},  // new configuration
        {1, 2, 1, 1, 2, 1, 0, false, false},  // volume buttons: no separate functions
        {2, 3, 0, 2, 3, 0, 0, true, false},   // separate, no room sensor
        {2, 1, 1, 2, 1, 1, 0, true, true},    // room sensor, low when occupied
        {2, 0, 2, 2, 0, 1, 1, true, true},    // room sensor, high when occupied
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "modes " << c.inputsMode << c.input1Mode << c.input2Mode);
        Host host([&c](ConfigurationRecord& r) {
            r.ControlInputsMode = c.inputsMode;
            r.ControlInput1Mode = c.input1Mode;
            r.ControlInput2Mode = c.input2Mode;
        });
        const InputSControl& page = *host.panel;
        EXPECT_EQ(SelectedOf(page, "MainOption", 3), c.mainSelected);
        EXPECT_EQ(SelectedOf(page, "ControlInput1Option", 4), c.input1Selected);
        EXPECT_EQ(SelectedOf(page, "ControlInput2Option", 2), c.sensorSelected);
        EXPECT_EQ(SelectedOf(page, "ControlInputOptionLowHighOption", 2), c.lowHighSelected);
        ExpectEnabled(page, c.groupsEnabled, c.sensorEnabled);
        host.panel->FillSettings();
        EXPECT_EQ(host.ChangeEvents(), 0);
        EXPECT_FALSE(host.Changed());
    }
}

TEST(InputSControl, ClicksStoreTheModesAndRaiseOneEventEach)
{
    Host host;
    const InputSControl& page = *host.panel;
    EXPECT_NEAR(Named<integer5v>(page, "InputVoltageThreshold")->return_value(), 128.01F, 0.001F);
    EXPECT_EQ(Named<IntegerEntry>(page, "RoomTimeout")->return_value(), 10);

    Host::Click(Option(page, "MainOption", 2));
    EXPECT_EQ(host.Record().ControlInputsMode, 2);
    EXPECT_TRUE(host.Changed());
    EXPECT_EQ(host.ChangeEvents(), 1);
    ExpectEnabled(page, true, false);

    Host::Click(Option(page, "ControlInput2Option", 1));
    EXPECT_EQ(host.Record().ControlInput2Mode, 1);
    ExpectEnabled(page, true, true);
    Host::Click(Option(page, "ControlInputOptionLowHighOption", 1));
    EXPECT_EQ(host.Record().ControlInput2Mode, 2);
    Host::Click(Option(page, "ControlInputOptionLowHighOption", 0));
    EXPECT_EQ(host.Record().ControlInput2Mode, 1);
    Host::Click(Option(page, "ControlInputOptionLowHighOption", 1));
    Host::Click(Option(page, "ControlInput2Option", 0));
    EXPECT_EQ(host.Record().ControlInput2Mode, 0) << "disabled whatever Low/High shows";
    ExpectEnabled(page, true, false);

    Host::Click(Option(page, "ControlInput1Option", 3));
    EXPECT_EQ(host.Record().ControlInput1Mode, 3);
    Host::Click(Option(page, "MainOption", 1));
    EXPECT_EQ(host.Record().ControlInputsMode, 1);
    ExpectEnabled(page, false, false);
    EXPECT_EQ(host.ChangeEvents(), 8);
}

TEST(InputSControl, EntriesStoreTheThresholdAndTimeOut)
{
    Host host([](ConfigurationRecord& r) {
        r.ControlInputsMode = 2;
        r.ControlInput2Mode = 1;
        r.RoomEmptyTimeout = 90;
    });
    auto* timeout = Named<IntegerEntry>(*host.panel, "RoomTimeout");
    EXPECT_EQ(host.Record().RoomEmptyTimeout, 90) << "shown clamped, kept until edited";
    EXPECT_EQ(timeout->return_value(), 60);
    EXPECT_FALSE(host.Changed());

    Host::Type(Named<QWidget>(*host.panel, "InputVoltageThreshold"), "3");
    EXPECT_EQ(host.Record().SensorThreshold, 153);
    Host::Type(Named<QWidget>(*host.panel, "InputVoltageThreshold"), "2.5");
    EXPECT_EQ(host.Record().SensorThreshold, 128) << "127.5 on the byte scale, rounded";
    Host::Type(timeout, "25");
    EXPECT_EQ(host.Record().RoomEmptyTimeout, 25);
    EXPECT_TRUE(host.Changed());
    EXPECT_GT(host.ChangeEvents(), 0);
}

TEST(InputSControl, DamagedModesSelectNoOptionAndAreKept)
{
    Host host([](ConfigurationRecord& r) {
        r.ControlInputsMode = 7;
        r.ControlInput1Mode = -1;
        r.ControlInput2Mode = 9;
    });
    const InputSControl& page = *host.panel;
    EXPECT_EQ(SelectedOf(page, "MainOption", 3), -1);
    EXPECT_EQ(SelectedOf(page, "ControlInput1Option", 4), -1);
    EXPECT_EQ(SelectedOf(page, "ControlInput2Option", 2), -1);
    EXPECT_EQ(SelectedOf(page, "ControlInputOptionLowHighOption", 2), -1);
    EXPECT_EQ(host.Record().ControlInputsMode, 7);
    EXPECT_EQ(host.Record().ControlInput1Mode, -1);
    EXPECT_EQ(host.Record().ControlInput2Mode, 9);

    // Low/High alone says nothing about whether the sensor is in use.
    host.Record().ControlInputsMode = 2;
    host.panel->FillSettings();
    Host::Click(Option(page, "ControlInputOptionLowHighOption", 1));
    EXPECT_EQ(host.Record().ControlInput2Mode, 9);
    EXPECT_TRUE(host.Changed());
}
