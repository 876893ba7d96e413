#include "controls/IntegerEntry.h"
#include "editor/PanelTestHost.h"
#include "editor/panels/LockModeControl.h"
#include "support/NamedChild.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {
using Host = PanelTestHost<LockModeControl>;

QCheckBox* Check(const LockModeControl& page, const char* name)
{
    return Named<QCheckBox>(page, name);
}

QWidget* Step(const LockModeControl& page, int step)
{
    return Named<QWidget>(page, "LockControl1", step);
}

int SelectedButton(const LockModeControl& page, int step)
{
    for (int k = 0; k < 10; ++k)
        if (Named<QRadioButton>(*Step(page, step), "FirstLock", k)->isChecked()) return k;
    return -1;
}

struct Visible {
    bool unlock, sequence, warning;
};

void ExpectVisible(const LockModeControl& page, const Visible& v)
{
    EXPECT_EQ(Check(page, "UnlockCheck")->isVisible(), v.unlock);
    EXPECT_EQ(Named<QWidget>(page, "LockSequenceFrame")->isVisible(), v.sequence);
    EXPECT_EQ(Named<QWidget>(page, "WarningFrame")->isVisible(), v.warning);
}
}  // namespace

TEST(LockModeControl, ConditionsCountOnlyWhileTheirInputModeAllowsThem)
{
    struct Case {
        int16_t flags, input1Mode, input2Mode;
        bool externalEnabled, roomEnabled;
        Visible visible;
    };
    const Case cases[] = {
        {0, 0, 0, false, false, {false, false, false}},  // new configuration
        {1, 0, 0, false, false, {true, false, true}},    // front panel off
        {17, 0, 0, false, false, {true, true, false}},   // ... and unlocked by the sequence
        {8, 0, 0, false, false, {true, true, true}},     // the sequence locks, nothing unlocks
        {2, 0, 0, false, false, {false, false, false}},  // external, but input 1 is not power down
        {2, 3, 0, true, false, {true, false, true}},     // external power down in use
        {4, 0, 0, false, false, {false, false, false}},  // room empty, but no room sensor
        {4, 0, 1, false, true, {true, false, true}},     // room sensor, low
        {4, 0, 2, false, true, {true, false, true}},     // room sensor, high
        {20, 0, 2, false, true, {true, true, false}},    // room empty, unlocked by the sequence
        {16, 0, 0, false, false, {false, true, false}},  // unlock alone shows the sequence
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " inputs " << c.input1Mode << c.input2Mode);
        Host host([&c](ConfigurationRecord& r) {
            r.LockFlags = c.flags;
            r.ControlInput1Mode = c.input1Mode;
            r.ControlInput2Mode = c.input2Mode;
        });
        const LockModeControl& page = *host.panel;
        EXPECT_EQ(Check(page, "LockONExternalCheck")->isEnabled(), c.externalEnabled);
        EXPECT_EQ(Check(page, "LockOnRoomEmptyCheck")->isEnabled(), c.roomEnabled);
        EXPECT_EQ(Named<QWidget>(page, "LockOnRoomEmptyPeriod")->isEnabled(), c.roomEnabled);
        EXPECT_EQ(Named<QLabel>(page, "LockOnRoomEmptyPeriodLabel")->isEnabled(), c.roomEnabled);
        const char* checks[] = {"LockOnFrontPanelCheck", "LockONExternalCheck", "LockOnRoomEmptyCheck",
                                "LockUsingButtonsCheck", "UnlockCheck"};
        for (int bit = 0; bit < 5; ++bit)
            EXPECT_EQ(Check(page, checks[bit])->isChecked(), (c.flags & (1 << bit)) != 0) << "a tick is kept";
        auto* minutes = Named<IntegerEntry>(page, "LockOnFrontPanelAfterTimePeriod");
        EXPECT_EQ(minutes->isEnabled(), (c.flags & 1) != 0);
        EXPECT_EQ(minutes->return_value(), 30);
        for (int step = 0; step < LockModeControl::Steps; ++step) EXPECT_EQ(SelectedButton(page, step), 0);
        ExpectVisible(page, c.visible);
        EXPECT_EQ(host.ChangeEvents(), 0);
        EXPECT_FALSE(host.Changed());
    }
}

TEST(LockModeControl, ClicksSetTheirOwnBitAndShowTheWarningUntilSomethingUnlocks)
{
    Host host([](ConfigurationRecord& r) {
        r.LockFlags = 0x40;
        r.ControlInput2Mode = 1;
    });
    const LockModeControl& page = *host.panel;
    Host::Click(Check(page, "LockOnFrontPanelCheck"));
    EXPECT_EQ(host.Record().LockFlags, 0x41);
    EXPECT_TRUE(host.Changed());
    EXPECT_TRUE(Named<QWidget>(page, "LockOnFrontPanelAfterTimePeriod")->isEnabled());
    EXPECT_TRUE(Named<QLabel>(page, "LockOnFrontPanelAfterTimePeriodLabel")->isEnabled());
    ExpectVisible(page, {true, false, true});

    Host::Click(Check(page, "UnlockCheck"));
    EXPECT_EQ(host.Record().LockFlags, 0x51);
    ExpectVisible(page, {true, true, false});
    Host::Click(Check(page, "LockUsingButtonsCheck"));
    Host::Click(Check(page, "UnlockCheck"));
    EXPECT_EQ(host.Record().LockFlags, 0x49);
    ExpectVisible(page, {true, true, true});
    Host::Click(Check(page, "LockOnFrontPanelCheck"));
    EXPECT_FALSE(Named<QWidget>(page, "LockOnFrontPanelAfterTimePeriod")->isEnabled());
    EXPECT_EQ(host.ChangeEvents(), 5);

    host.state.Config.ConfigChanged = false;
    Host::Type(Named<QWidget>(page, "LockOnRoomEmptyPeriod"), "5");
    EXPECT_TRUE(host.Changed()) << "the period marks the change, though no variable holds it";
}

TEST(LockModeControl, StepsStoreThePickedButtonAndShowNoneForADamagedOne)
{
    Host host([](ConfigurationRecord& r) {
        r.LockFlags = 8;
        r.UnlockedMinutes = 45;
        r.LockSequence = {3, 12, 7, -1};
    });
    const LockModeControl& page = *host.panel;
    const char* captions[] = {"1st", "2nd", "3rd", "4th"};
    for (int step = 0; step < LockModeControl::Steps; ++step)
        EXPECT_EQ(Named<QGroupBox>(*Step(page, step), "Frame1")->title(), captions[step]);
    EXPECT_EQ(SelectedButton(page, 0), 3);
    EXPECT_EQ(SelectedButton(page, 1), -1);
    EXPECT_EQ(SelectedButton(page, 2), 7);
    EXPECT_EQ(SelectedButton(page, 3), -1);
    EXPECT_EQ(host.Record().LockSequence[1], 12);
    EXPECT_FALSE(host.Changed());

    Host::Click(Named<QRadioButton>(*Step(page, 2), "FirstLock", 9));
    EXPECT_EQ(host.Record().LockSequence, (std::array<int16_t, 4>{3, 12, 9, -1}));
    EXPECT_TRUE(host.Changed());

    Host::Click(Check(page, "LockOnFrontPanelCheck"));
    Host::Type(Named<QWidget>(page, "LockOnFrontPanelAfterTimePeriod"), "0");
    EXPECT_EQ(host.Record().UnlockedMinutes, 1) << "the entry keeps 1..109";
}

// The controller counts the unlocked time in tenths of a second in one word.
TEST(LockModeControl, UnlockedMinutesStayWithinWhatTheControllerCanCount)
{
    struct Case {
        int16_t stored, shown;
        const char* typed;
        int16_t kept;
    };
    const Case cases[] = {
        {30, 30, "109", 109}, {109, 109, "110", 109}, {110, 109, "250", 109}, {255, 109, "54", 54}, {0, 1, "0", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored " << c.stored << ", typed " << c.typed);
        Host host([&c](ConfigurationRecord& r) {
            r.LockFlags = 1;
            r.UnlockedMinutes = c.stored;
        });
        auto* minutes = Named<IntegerEntry>(*host.panel, "LockOnFrontPanelAfterTimePeriod");
        EXPECT_EQ(minutes->return_value(), c.shown);
        EXPECT_EQ(host.Record().UnlockedMinutes, c.stored) << "opening a configuration changes nothing";
        EXPECT_FALSE(host.Changed());

        Host::Type(minutes, c.typed);
        EXPECT_EQ(minutes->return_value(), c.kept);
        EXPECT_EQ(host.Record().UnlockedMinutes, c.kept);
        QTest::mouseClick(Named<QWidget>(*minutes, "Up"), Qt::LeftButton);
        EXPECT_EQ(host.Record().UnlockedMinutes, std::min(c.kept + 1, 109));
    }
}

TEST(LockModeControl, EveryConditionAndTheWarningLieWithinThePage)
{
    Host host([](ConfigurationRecord& r) {
        r.LockFlags = 12;
        r.ControlInput2Mode = 1;
    });
    host.window->resize(host.window->sizeHint());
    QCoreApplication::processEvents();
    const LockModeControl& page = *host.panel;
    for (const char* name : {"LockOnFrontPanelCheck", "LockOnRoomEmptyCheck", "LockOnRoomEmptyPeriod",
                             "LockOnRoomEmptyPeriodLabel", "WarningFrame", "LockSequenceFrame", "UnlockCheck"}) {
        auto* widget = Named<QWidget>(page, name);
        ASSERT_TRUE(widget->isVisible()) << name;
        const QRect placed(widget->mapTo(&page, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(page.rect().contains(placed)) << name;
    }
    const QRect warning(Named<QWidget>(page, "WarningFrame")->mapTo(&page, QPoint(0, 0)),
                        Named<QWidget>(page, "WarningFrame")->size());
    const QRect sequence(Named<QWidget>(page, "LockSequenceFrame")->mapTo(&page, QPoint(0, 0)),
                         Named<QWidget>(page, "LockSequenceFrame")->size());
    EXPECT_FALSE(warning.intersects(sequence));
}

TEST(LockModeControl, FollowsTheControlInputModesWhenTheyAreEdited)
{
    Host host([](ConfigurationRecord& r) { r.LockFlags = 2; });
    const LockModeControl& page = *host.panel;
    ExpectVisible(page, {false, false, false});

    host.state.Config.Edit(ConfigGroup::ControlInputs, [&] { host.Record().ControlInput1Mode = 3; });
    EXPECT_TRUE(Check(page, "LockONExternalCheck")->isEnabled());
    ExpectVisible(page, {true, false, true});
    EXPECT_EQ(host.ChangeEvents(), 0) << "showing the configuration again is no edit of the page";
}
