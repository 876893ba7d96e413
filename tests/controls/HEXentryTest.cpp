#include "EntryTestHost.h"
#include "controls/HEXentry.h"

using Host = EntryTestHost<HEXentry>;

TEST(HEXentry, ShowsHexadecimalWithTwosComplement)
{
    Host host;
    host.entry->set_values(255, "Step");
    EXPECT_EQ(host.Shown(), "FF");
    host.entry->set_values(0, "");
    EXPECT_EQ(host.Shown(), "0");
    host.entry->set_values(-2, "");
    EXPECT_EQ(host.Shown(), "FFFE");
    host.entry->set_values(-32768, "");
    EXPECT_EQ(host.Shown(), "8000");
    EXPECT_EQ(host.EventCount(), 0);
}

TEST(HEXentry, OnlyEnterOrLeavingTheBoxRaisesTheEvent)
{
    Host host;
    host.entry->set_values(0, "");
    host.Type("1a");
    EXPECT_EQ(host.EventCount(), 0);
    EXPECT_EQ(host.Shown(), "1a");
    QTest::keyClick(host.Text1(), Qt::Key_Return);
    EXPECT_EQ(host.Shown(), "1A");
    EXPECT_EQ(host.EventCount(), 1);
    EXPECT_EQ(host.entry->return_value(), 26);

    host.Type("ff");
    host.MoveFocusAway();
    EXPECT_EQ(host.Shown(), "FF");
    EXPECT_EQ(host.EventCount(), 2);
    host.Text1()->setFocus();
    host.MoveFocusAway();
    EXPECT_EQ(host.EventCount(), 2);
}

TEST(HEXentry, ReadsTheDigitCountsWidthAndClamps)
{
    Host host;
    host.Type("10000");
    QTest::keyClick(host.Text1(), Qt::Key_Return);
    EXPECT_EQ(host.Shown(), "7FFF");
    const std::pair<const char*, int16_t> readings[] = {
        {"FFFF", -1}, {"8000", -32768}, {"FFFFFFFF", -1},        {"FFFF0000", -32768},
        {"G1", 0},    {"7fz9", 127},    {"123456789ABC", 32767}, {"", 0}};
    for (const auto& [text, expected] : readings) {
        host.Text1()->setText(text);
        EXPECT_EQ(host.entry->return_value(), expected) << text;
    }
    EXPECT_EQ(host.Shown(), "0");
}

TEST(HEXentry, StepsWrapNeitherWay)
{
    Host host;
    host.entry->set_values(32767, "");
    host.Press(host.Up());
    host.Tick();
    host.Release(host.Up());
    EXPECT_EQ(host.Shown(), "7FFF");
    EXPECT_EQ(host.EventCount(), 1);
    host.entry->set_values(0, "");
    QTest::mouseClick(host.Down(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "FFFF");
    EXPECT_EQ(host.entry->return_value(), -1);
}

// A step button takes no focus, so what was typed is read at the press and
// the step goes from there; the release reports both at once.
TEST(HEXentry, AStepAfterTypingStepsFromWhatWasTyped)
{
    Host host;
    host.entry->set_values(0, "");
    host.Type("1a");
    QTest::mouseClick(host.Up(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "1B");
    EXPECT_EQ(host.EventCount(), 1);
    host.MoveFocusAway();
    EXPECT_EQ(host.EventCount(), 1);
    EXPECT_EQ(host.entry->return_value(), 0x1B);
}
