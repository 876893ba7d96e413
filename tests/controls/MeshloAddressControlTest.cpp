#include "EntryTestHost.h"
#include "controls/IntegerEntry.h"
#include "controls/MeshloAddressControl.h"
#include "controls/MeshloControl.h"

#include <QCheckBox>
#include <QLabel>

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
    control->set_values(40, 1, 2047, "Address in");
    window.show();
    QSignalSpy changes(control, &MeshloControl::ActiveChanged);
    QSignalSpy edits(control, &MeshloControl::ValueChanged);
    auto* box = Named<QCheckBox>(*control, "ActiveCheck");
    auto* address = Named<IntegerEntry>(*control, "MeshloAddress");
    EXPECT_EQ(box->text(), "Right/Forward Meshlo in");
    EXPECT_EQ(Named<QLabel>(*control, "Label1")->text(), "Left");
    EXPECT_FALSE(address->isVisible());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(control->MyAddress());
    EXPECT_TRUE(address->isVisible());
    ASSERT_EQ(changes.count(), 1);
    EXPECT_TRUE(changes[0][0].toBool());

    QTest::mouseClick(Named<QWidget>(*address, "Up"), Qt::LeftButton);
    EXPECT_EQ(control->return_value(), 41);
    EXPECT_EQ(edits.count(), 1) << "the entry's event reaches the host";

    control->MyAddress(false);
    EXPECT_FALSE(address->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(changes.count(), 1);
}
