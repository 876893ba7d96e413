#include "controls/IntegerEntry.h"
#include "controls/MeshloAddressControl.h"
#include "editor/PanelTestHost.h"
#include "editor/panels/InputModes.h"
#include "support/NamedChild.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

namespace {
using Host = PanelTestHost<InputModes>;

// Which parts of the page an input shows; the "Use" box always stands.
struct Shown {
    bool addressesAndVolume;
    bool autoChecks;
    bool timeOut;
    bool audioCheck;
};

void ExpectShown(const InputModes& page, const Shown& shown, const std::string& what)
{
    SCOPED_TRACE(what);
    EXPECT_TRUE(Named<QCheckBox>(page, "InUse")->isVisible());
    for (const char* name : {"MeshloInLabel", "MeshloOutLabel", "Label4", "Label1"})
        EXPECT_EQ(Named<QLabel>(page, name)->isVisible(), shown.addressesAndVolume) << name;
    for (const char* name : {"MeshloInAddress", "MeshloOutAddress", "ChannelVolume"})
        EXPECT_EQ(Named<QWidget>(page, name)->isVisible(), shown.addressesAndVolume) << name;
    for (const char* name : {"AutoSelect", "AutoPowerOn", "AutoPowerOff"})
        EXPECT_EQ(Named<QCheckBox>(page, name)->isVisible(), shown.autoChecks) << name;
    EXPECT_EQ(Named<QWidget>(page, "AutoTimeOut")->isVisible(), shown.timeOut);
    EXPECT_EQ(Named<QLabel>(page, "AutoTimOutLabel", 0)->isVisible(), shown.timeOut);
    EXPECT_EQ(Named<QLabel>(page, "AutoTimOutLabel", 1)->isVisible(), shown.timeOut);
    EXPECT_EQ(Named<QCheckBox>(page, "AudioCheck")->isVisible(), shown.audioCheck);
}
}  // namespace

TEST(InputModes, EachKindOfInputShowsItsOwnControlsAndAFillMarksNothing)
{
    Host host([](ConfigurationRecord& r) {
        r.ComputerIsComponent[2] = true;
        r.InputAutoSelect[2] = true;
        r.InputAutoPowerOff[1] = true;
        r.InputAutoPowerOff[2] = true;
        r.InputNotInUse[6] = true;
        r.AudioSelectableWhenOff[1] = true;
        r.MeshloAddressTable[9] = 5;
        r.MeshloAddressTable[35] = 700;
        r.InputVolumeOffset[3] = -4;
    });
    struct Case {
        int16_t input;
        Shown shown;
    };
    const Case cases[] = {
        {0, {true, true, false, false}},    // computer, new configuration
        {1, {true, true, true, false}},     // auto power off shows its time-out
        {2, {true, false, false, false}},   // component video: no auto controls
        {5, {true, false, false, false}},   // video
        {6, {false, false, false, false}},  // not in use
        {9, {true, false, false, true}},    // audio
    };
    for (const Case& c : cases) {
        host.panel->SetToDisplay(c.input);
        ExpectShown(*host.panel, c.shown, "input " + std::to_string(c.input));
    }
    EXPECT_TRUE(Named<QCheckBox>(*host.panel, "AudioCheck")->isChecked());
    EXPECT_FALSE(Named<QCheckBox>(*host.panel, "InUse")->isHidden());
    EXPECT_EQ(Named<MeshloAddressControl>(*host.panel, "MeshloInAddress")->return_value(), 5.0F);
    EXPECT_EQ(Named<MeshloAddressControl>(*host.panel, "MeshloOutAddress")->return_value(), 700.0F);

    host.panel->SetToDisplay(3);
    EXPECT_EQ(Named<IntegerEntry>(*host.panel, "ChannelVolume")->return_value(), -4);
    EXPECT_FALSE(Named<QCheckBox>(*host.panel, "AutoPowerOn")->isChecked());
    host.panel->SetToDisplay(10);  // not an input: the page stays as it was
    ExpectShown(*host.panel, {true, true, false, false}, "after input 10");
    EXPECT_FALSE(host.Changed());
    EXPECT_EQ(host.ChangeEvents(), 0);
}

TEST(InputModes, UseBoxHidesTheRestStoresInvertedAndAsksForARelayout)
{
    Host host;
    host.panel->SetToDisplay(1);
    auto* use = Named<QCheckBox>(*host.panel, "InUse");
    Host::Click(use);
    EXPECT_TRUE(host.Record().InputNotInUse[1]);
    EXPECT_TRUE(host.Changed());
    EXPECT_EQ(host.ChangeEvents(), 1);
    ExpectShown(*host.panel, {false, false, false, false}, "unchecked");

    Host::Click(use);
    EXPECT_FALSE(host.Record().InputNotInUse[1]);
    EXPECT_EQ(host.ChangeEvents(), 2);
    ExpectShown(*host.panel, {true, true, false, false}, "checked again");
}

TEST(InputModes, EditsReachTheDisplayedInputsVariables)
{
    Host host;
    host.panel->SetToDisplay(2);
    auto* powerOff = Named<QCheckBox>(*host.panel, "AutoPowerOff");
    Host::Click(powerOff);
    EXPECT_TRUE(host.Record().InputAutoPowerOff[2]);
    EXPECT_TRUE(host.Changed());
    ASSERT_TRUE(Named<QWidget>(*host.panel, "AutoTimeOut")->isVisible());
    Host::Type(Named<QWidget>(*host.panel, "AutoTimeOut"), "150");
    EXPECT_EQ(host.Record().InputAutoTimeOut[2], 100) << "the entry keeps 0..100";
    Host::Click(powerOff);
    EXPECT_FALSE(Named<QWidget>(*host.panel, "AutoTimeOut")->isVisible());
    EXPECT_EQ(host.Record().InputAutoTimeOut[2], 100) << "hiding the time-out keeps it";

    Host::Click(Named<QCheckBox>(*host.panel, "AutoSelect"));
    Host::Click(Named<QCheckBox>(*host.panel, "AutoPowerOn"));
    Host::Type(Named<QWidget>(*host.panel, "ChannelVolume"), "9");
    Host::Type(Named<QWidget>(*host.panel, "MeshloInAddress"), "12");
    Host::Type(Named<QWidget>(*host.panel, "MeshloOutAddress"), "34");
    const ConfigurationRecord& r = host.Record();
    EXPECT_TRUE(r.InputAutoSelect[2]);
    EXPECT_TRUE(r.InputAutoPowerOn[2]);
    EXPECT_EQ(r.InputVolumeOffset[2], 6);
    EXPECT_EQ(r.MeshloAddressTable[2], 12);
    EXPECT_EQ(r.MeshloAddressTable[28], 34);
    EXPECT_FALSE(r.InputAutoSelect[1] || r.InputAutoSelect[3]);
    EXPECT_EQ(host.ChangeEvents(), 0) << "only the Use box asks for a relayout";

    host.panel->SetToDisplay(8);
    Host::Click(Named<QCheckBox>(*host.panel, "AudioCheck"));
    EXPECT_TRUE(host.Record().AudioSelectableWhenOff[0]);
    EXPECT_FALSE(host.Record().AudioSelectableWhenOff[1]);
}

// Reading an entry lets pending window events run; a change of input among
// them leaves the page on another input (or on none), and what was read
// goes to no input's setting, least of all past the end of a table.
TEST(InputModes, AChangeOfInputWhileAnEntryIsReadStoresNothing)
{
    struct Case {
        const char* entry;
        int16_t from;
        int16_t to;  // 10: a page that is not an input
    };
    const Case cases[] = {
        {"ChannelVolume", 2, 10},
        {"AutoTimeOut", 3, 4},
        {"MeshloInAddress", 1, 5},
        {"MeshloOutAddress", 0, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        Host host([](ConfigurationRecord& r) { r.InputAutoPowerOff[3] = true; });
        host.panel->SetToDisplay(c.from);
        const ConfigurationRecord before = host.Record();
        auto* entry = Named<QWidget>(*host.panel, c.entry);
        entry->setFocus(Qt::MouseFocusReason);
        QTimer::singleShot(0, host.panel, [&host, &c] { host.panel->SetToDisplay(c.to); });
        // Up steps the entry at once, and the page reads it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        EXPECT_TRUE(host.Record() == before);
        EXPECT_FALSE(host.Changed());
    }
}
