#include "EntryTestHost.h"
#include "controls/IntegerEntry.h"
#include "controls/MeshloAddressControl.h"
#include "controls/MeshloControl.h"

#include <QCheckBox>

using Host = EntryTestHost<MeshloAddressControl>;

TEST(MeshloAddressControl, ZeroShowsOffAndTheRangeIsKept)
{
    Host host;
    host.entry->set_values(0, "Power on");
    EXPECT_EQ(host.Shown(), "OFF");
    host.entry->set_values(5000, "");
    EXPECT_EQ(host.Shown(), "2047");
    host.entry->set_values(-3, "");
    EXPECT_EQ(host.Shown(), "OFF");
    host.entry->set_values(12, "");
    EXPECT_EQ(host.entry->return_value(), 12.0F);
    EXPECT_EQ(host.EventCount(), 0);
}

TEST(MeshloAddressControl, TypingReplacesOffAndEmptyReadsAsOff)
{
    Host host;
    host.entry->set_values(0, "");
    host.Text1()->setFocus();
    host.Text1()->end(false);
    QTest::keyClick(host.Text1(), Qt::Key_1);
    EXPECT_EQ(host.Shown(), "1");
    EXPECT_EQ(host.EventCount(), 1);
    QTest::keyClick(host.Text1(), Qt::Key_5);
    EXPECT_EQ(host.entry->return_value(), 15.0F);
    QTest::keyClick(host.Text1(), Qt::Key_Backspace);
    QTest::keyClick(host.Text1(), Qt::Key_Backspace);
    EXPECT_EQ(host.Shown(), "OFF");
    host.Type("99999");
    EXPECT_EQ(host.Shown(), "2047");
}

TEST(MeshloAddressControl, StepsStopAtOffAndAtTheHighestAddress)
{
    Host host;
    host.entry->set_values(1, "");
    host.Press(host.Down());
    EXPECT_EQ(host.Shown(), "OFF");
    host.Tick();
    host.Tick();
    host.Release(host.Down());
    EXPECT_EQ(host.Shown(), "OFF");
    EXPECT_EQ(host.EventCount(), 1);
    host.entry->set_values(2046, "");
    host.Press(host.Up());
    host.Tick();
    host.Tick();
    host.Release(host.Up());
    EXPECT_EQ(host.Shown(), "2047");
    EXPECT_EQ(host.EventCount(), 2);
}

TEST(MeshloControl, TheBoxShowsAndHidesTheAddressEntry)
{
    QWidget window;
    auto* control = new MeshloControl(&window);
    control->MyName("Left");
    window.show();
    QSignalSpy changes(control, &MeshloControl::ActiveChanged);
    auto* box = control->findChild<QCheckBox*>("ActiveCheck");
    EXPECT_EQ(box->text(), "Right/Forward Meshlo in");
    EXPECT_FALSE(control->MeshloAddress->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(control->MyAddress());
    EXPECT_TRUE(control->MeshloAddress->isVisible());
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(changes[0][0].toBool());
    control->MyAddress(false);
    EXPECT_FALSE(control->MeshloAddress->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(changes.count(), 1);
}
