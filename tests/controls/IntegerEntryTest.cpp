#include "EntryTestHost.h"
#include "controls/IntegerEntry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

using Host = EntryTestHost<IntegerEntry>;

TEST(IntegerEntry, SetValuesClampsIntoTheRangeWithoutAnEvent)
{
    Host host;
    host.entry->set_values(5, 10, 20, "Volume");
    EXPECT_EQ(host.Shown(), "10");
    EXPECT_EQ(host.Text1()->toolTip(), "Volume");
    host.entry->set_values(-60, -56, 0, "");
    EXPECT_EQ(host.Shown(), "-56");
    host.entry->set_values(25, 10, 20, "");
    EXPECT_EQ(host.Shown(), "20");
    // A reversed range: the maximum is tested first.
    host.entry->set_values(100, 20, 10, "");
    EXPECT_EQ(host.Shown(), "10");
    host.entry->set_values(-5, 20, 10, "");
    EXPECT_EQ(host.Shown(), "20");
    EXPECT_EQ(host.EventCount(), 0);
}

TEST(IntegerEntry, KeyReleaseShowsTheClampedValueAndRaisesTheEvent)
{
    Host host;
    host.entry->set_values(-10, -56, 0, "");
    host.Type("5");
    EXPECT_EQ(host.Shown(), "0");
    EXPECT_EQ(host.EventCount(), 1);
    host.Type("xyz");
    EXPECT_EQ(host.Shown(), "0");
    EXPECT_EQ(host.entry->return_value(), 0);

    host.entry->set_values(5, 1, 10, "");
    host.Type("q");
    EXPECT_EQ(host.Shown(), "1");
    EXPECT_EQ(host.entry->return_value(), 1);
}

TEST(IntegerEntry, ANegativeNumberCanBeTyped)
{
    Host host;
    host.entry->set_values(-10, -56, 0, "");
    host.Type("-");
    EXPECT_EQ(host.Shown(), "-");
    EXPECT_EQ(host.EventCount(), 0);
    QTest::keyClicks(host.Text1(), "30");
    EXPECT_EQ(host.Shown(), "-30");
    EXPECT_EQ(host.entry->return_value(), -30);

    // A lone sign left behind is read when the focus leaves.
    host.Type("-");
    host.MoveFocusAway();
    EXPECT_EQ(host.Shown(), "0");
    EXPECT_EQ(host.entry->return_value(), 0);
}

TEST(IntegerEntry, AnEmptiedBoxStandsUntilTheFocusLeaves)
{
    Host host;
    host.entry->set_values(7, 1, 10, "");
    host.Text1()->setFocus();
    host.Text1()->end(false);
    QTest::keyClick(host.Text1(), Qt::Key_Backspace);
    EXPECT_EQ(host.Shown(), "");
    const qsizetype before = host.EventCount();
    host.MoveFocusAway();
    EXPECT_EQ(host.Shown(), "1");
    EXPECT_EQ(host.EventCount(), before + 1);
}

TEST(IntegerEntry, ReadsRoundHalvesToEvenAndClampWithoutOverflow)
{
    Host host;
    host.entry->set_values(0, -32768, 32767, "");
    host.Text1()->setText("12.5");
    EXPECT_EQ(host.entry->return_value(), 12);
    host.Text1()->setText("13.5");
    EXPECT_EQ(host.entry->return_value(), 14);
    EXPECT_EQ(host.Shown(), "14");
    host.Text1()->setText("  42abc");
    EXPECT_EQ(host.entry->return_value(), 42);
    host.Type("99999999999");
    EXPECT_EQ(host.Shown(), "32767");
    host.Text1()->setText("-1e12");
    EXPECT_EQ(host.entry->return_value(), -32768);
    // Beyond what a double holds, as a pasted text may be.
    QGuiApplication::clipboard()->setText("1e400");
    host.Text1()->selectAll();
    QTest::keyClick(host.Text1(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(host.Shown(), "32767");
    host.Text1()->setText("-1e400");
    EXPECT_EQ(host.entry->return_value(), -32768);
    host.entry->set_values(0, 0, 100, "");
    host.Text1()->setText("70000");
    EXPECT_EQ(host.entry->return_value(), 100);
}

TEST(IntegerEntry, HeldButtonStepsAtPressAfterTheDelayAndThenRepeats)
{
    Host host;
    host.entry->set_values(5, 0, 100, "");
    host.Press(host.Up());
    EXPECT_EQ(host.Shown(), "6");
    EXPECT_TRUE(host.Timer1()->isActive());
    EXPECT_EQ(host.Timer1()->interval(), 1000);
    host.Tick();
    EXPECT_EQ(host.Shown(), "7");
    EXPECT_EQ(host.Timer1()->interval(), 100);
    host.Tick();
    host.Tick();
    EXPECT_EQ(host.Shown(), "9");
    EXPECT_EQ(host.EventCount(), 0);
    host.Release(host.Up());
    EXPECT_FALSE(host.Timer1()->isActive());
    EXPECT_EQ(host.EventCount(), 1);
    EXPECT_EQ(host.entry->return_value(), 9);

    host.Press(host.Down());
    host.Tick();
    host.Release(host.Down());
    EXPECT_EQ(host.Shown(), "7");
    EXPECT_EQ(host.EventCount(), 2);
}

TEST(IntegerEntry, RepeatStopsAtTheBoundsAndStillRaisesOneEvent)
{
    Host host;
    host.entry->set_values(10, 0, 10, "");
    host.Press(host.Up());
    host.Tick();
    host.Tick();
    host.Release(host.Up());
    EXPECT_EQ(host.Shown(), "10");
    EXPECT_EQ(host.EventCount(), 1);

    host.entry->set_values(-32768, -32768, 32767, "");
    QTest::mouseClick(host.Down(), Qt::RightButton);
    EXPECT_EQ(host.Shown(), "-32768");
    EXPECT_EQ(host.EventCount(), 2);
    host.entry->set_values(32767, -32768, 32767, "");
    QTest::mouseClick(host.Up(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "32767");
}

TEST(IntegerEntry, AReleaseSeenWhileThePressRunsPendingEventsEndsTheClick)
{
    Host host;
    host.entry->set_values(5, 0, 100, "");
    const QPoint centre = host.Up()->rect().center();
    QCoreApplication::postEvent(
        host.Up(), new QMouseEvent(QEvent::MouseButtonRelease, centre, host.Up()->mapToGlobal(centre), Qt::LeftButton,
                                   Qt::NoButton, Qt::NoModifier));
    host.Press(host.Up());
    EXPECT_EQ(host.Shown(), "6");
    EXPECT_FALSE(host.Timer1()->isActive());
    EXPECT_EQ(host.EventCount(), 1);
}

TEST(IntegerEntry, FocusMovesAloneRaiseNoEvent)
{
    Host host;
    host.entry->set_values(3, 0, 9, "");
    host.Text1()->setFocus();
    host.MoveFocusAway();
    host.Text1()->setFocus();
    host.MoveFocusAway();
    EXPECT_EQ(host.EventCount(), 0);
    EXPECT_EQ(host.Shown(), "3");
}

TEST(IntegerEntry, DisabledShowsHyphensAndKeepsTheValue)
{
    Host host;
    host.entry->set_values(42, 0, 100, "");
    host.entry->Enabled(false);
    ASSERT_TRUE(host.Frame1()->isVisible());
    EXPECT_EQ(Named<QLabel>(*host.Frame1(), "Label1")->text(), "--------------------");
    EXPECT_EQ(host.Frame1()->geometry(), host.entry->rect());
    // The buttons lie under the overlay and do nothing.
    QTest::mouseClick(host.Up(), Qt::LeftButton);
    EXPECT_EQ(host.EventCount(), 0);
    host.entry->Enabled(true);
    EXPECT_FALSE(host.Frame1()->isVisible());
    EXPECT_EQ(host.Shown(), "42");
    EXPECT_EQ(host.entry->return_value(), 42);
}

TEST(IntegerEntry, CaretKeysLetTheUserEditInsideTheNumber)
{
    Host host;
    host.entry->set_values(0, 0, 9999, "");
    host.Type("123");
    QTest::keyClick(host.Text1(), Qt::Key_Home);
    QTest::keyClick(host.Text1(), '9');
    EXPECT_EQ(host.Shown(), "9123");
    QTest::keyClick(host.Text1(), Qt::Key_Delete);
    EXPECT_EQ(host.Shown(), "923");
    EXPECT_EQ(host.entry->return_value(), 923);
    // A text rewritten to its clamped value leaves the caret at its end.
    QTest::keyClick(host.Text1(), Qt::Key_Home);
    QTest::keyClick(host.Text1(), '5');
    QTest::keyClick(host.Text1(), '5');
    EXPECT_EQ(host.Shown(), "9999");
    EXPECT_EQ(host.Text1()->cursorPosition(), 4);
}

TEST(IntegerEntry, DisablingOrHidingWhileAButtonIsHeldEndsTheHold)
{
    Host host;
    host.entry->set_values(5, 0, 100, "");
    host.Press(host.Up());
    host.entry->Enabled(false);
    EXPECT_FALSE(host.Timer1()->isActive());
    EXPECT_EQ(host.EventCount(), 1);
    host.Release(host.Up());
    EXPECT_EQ(host.EventCount(), 1);
    EXPECT_EQ(host.entry->return_value(), 6);

    host.entry->Enabled(true);
    QTest::mouseClick(host.Up(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "7");
    EXPECT_EQ(host.EventCount(), 2);

    // Hidden by its host in the middle of a hold, likewise.
    host.Press(host.Down());
    host.entry->hide();
    EXPECT_FALSE(host.Timer1()->isActive());
    EXPECT_EQ(host.EventCount(), 3);
    EXPECT_EQ(host.entry->return_value(), 6);
}

TEST(IntegerEntry, AStepFromAnEmptiedBoxStepsFromItsReading)
{
    Host host;
    host.entry->set_values(7, 1, 10, "");
    host.Type("");
    QTest::keyClick(host.Text1(), Qt::Key_Backspace);
    QTest::mouseClick(host.Down(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "1");
    EXPECT_EQ(host.EventCount(), 1);
}
