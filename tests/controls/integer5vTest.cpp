#include "EntryTestHost.h"
#include "controls/integer5v.h"

using Host = EntryTestHost<integer5v>;

TEST(integer5v, ShowsTheByteScaleAsVoltsAndReadsItBack)
{
    Host host;
    host.entry->set_values(0, "Threshold");
    EXPECT_EQ(host.Shown(), "0");
    host.entry->set_values(51, "");
    EXPECT_EQ(host.Shown(), "1");
    host.entry->set_values(255, "");
    EXPECT_EQ(host.Shown(), "5");
    host.entry->set_values(128, "");
    EXPECT_EQ(host.Shown(), "2.51");
    EXPECT_FLOAT_EQ(host.entry->return_value(), 2.51F / 5 * 255);
    host.entry->set_values(100, "");
    EXPECT_EQ(host.Shown(), "1.96");
    EXPECT_NEAR(host.entry->return_value(), 99.96, 0.001);
    EXPECT_EQ(host.EventCount(), 0);
}

TEST(integer5v, OutOfRangeLandsAQuarterVoltInside)
{
    Host host;
    host.entry->set_values(0, "");
    host.Type("7");
    EXPECT_EQ(host.Shown(), "4.75");
    EXPECT_EQ(host.EventCount(), 1);
    host.Type("-1");
    EXPECT_EQ(host.Shown(), "0.25");
    host.Type("volts");
    EXPECT_EQ(host.Shown(), "0");
}

TEST(integer5v, ADecimalNumberCanBeTypedDigitByDigit)
{
    Host host;
    host.entry->set_values(0, "");
    host.Type("2.05");
    EXPECT_EQ(host.Shown(), "2.05");
    EXPECT_NEAR(host.entry->return_value(), 2.05 / 5 * 255, 0.001);
    host.Type("3.");
    host.MoveFocusAway();
    EXPECT_EQ(host.Shown(), "3");
}

TEST(integer5v, SwitchingWindowsLeavesAHalfTypedNumberAsItStands)
{
    Host host;
    host.entry->set_values(0, "");
    host.Type("2.");
    const qsizetype before = host.EventCount();
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_EQ(host.Shown(), "2.");
    host.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host.window.get()));
    QTest::keyClick(host.Text1(), '5');
    EXPECT_EQ(host.Shown(), "2.5");
    EXPECT_EQ(host.EventCount(), before + 1);
}

TEST(integer5v, HoldingUpRunsPastFiveToFourSeventyFive)
{
    Host host;
    host.entry->set_values(0, "");
    host.Type("4.9");
    host.Press(host.Up());
    EXPECT_EQ(host.Shown(), "4.92");
    QStringList shown;
    for (int i = 0; i < 6; ++i) {
        host.Tick();
        shown << host.Shown();
    }
    EXPECT_EQ(shown, QStringList({"4.94", "4.96", "4.98", "5", "4.75", "4.77"}));
    const qsizetype before = host.EventCount();
    host.Release(host.Up());
    EXPECT_EQ(host.EventCount(), before + 1);

    host.entry->set_values(0, "");
    QTest::mouseClick(host.Down(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "0.25");
}
