#include "EntryTestHost.h"
#include "controls/HEXentry.h"
#include "controls/IntegerEntry.h"
#include "controls/MeshloAddressControl.h"
#include "controls/integer5v.h"

#include <utility>
#include <vector>

namespace {

// How each entry is given a value, and whether its typed text waits for Enter.
template <typename Entry>
struct EntryKind;
template <>
struct EntryKind<IntegerEntry> {
    static void Set(IntegerEntry& entry) { entry.set_values(12, 0, 100, "count"); }
    static constexpr bool waitsForEnter = false;
};
template <>
struct EntryKind<integer5v> {
    static void Set(integer5v& entry) { entry.set_values(51, "threshold"); }
    static constexpr bool waitsForEnter = false;
};
template <>
struct EntryKind<HEXentry> {
    static void Set(HEXentry& entry) { entry.set_values(12, "step"); }
    static constexpr bool waitsForEnter = true;
};
template <>
struct EntryKind<MeshloAddressControl> {
    // "OFF", which a typed digit replaces and a caret key must leave.
    static void Set(MeshloAddressControl& entry) { entry.set_values(0, "address"); }
    static constexpr bool waitsForEnter = false;
};

template <typename Entry>
class SpinEntryKeys : public ::testing::Test {
};

using EntryKinds = ::testing::Types<IntegerEntry, integer5v, HEXentry, MeshloAddressControl>;
TYPED_TEST_SUITE(SpinEntryKeys, EntryKinds);

}  // namespace

// Keys that change no text raise no event: the release of the Tab that
// brought the focus in, the caret keys, a modifier and Enter. A key that
// changes the text still raises one.
TYPED_TEST(SpinEntryKeys, OnlyAKeyThatChangesTheTextRaisesTheEvent)
{
    EntryTestHost<TypeParam> host;
    EntryKind<TypeParam>::Set(*host.entry);
    host.Text1()->setFocus();
    const QString shown = host.Shown();
    const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> unchanging = {{Qt::Key_Left, {}},
                                                                               {Qt::Key_Right, {}},
                                                                               {Qt::Key_Home, {}},
                                                                               {Qt::Key_End, {}},
                                                                               {Qt::Key_Shift, {}},
                                                                               {Qt::Key_Return, {}},
                                                                               {Qt::Key_Left, Qt::ShiftModifier}};
    QTest::keyRelease(host.Text1(), Qt::Key_Tab);
    QTest::keyRelease(host.Text1(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(host.EventCount(), 0) << "tabbing in";
    for (const auto& [key, modifiers] : unchanging) {
        QTest::keyClick(host.Text1(), key, modifiers);
        EXPECT_EQ(host.EventCount(), 0) << QKeySequence(key | modifiers).toString().toStdString();
        EXPECT_EQ(host.Shown(), shown);
    }

    host.Text1()->end(false);
    QTest::keyClick(host.Text1(), Qt::Key_5);
    if (EntryKind<TypeParam>::waitsForEnter) QTest::keyClick(host.Text1(), Qt::Key_Return);
    EXPECT_EQ(host.EventCount(), 1) << "a typed digit";
    EXPECT_NE(host.Shown(), shown);
    host.MoveFocusAway();
    EXPECT_EQ(host.EventCount(), 1) << "leaving after the event was raised";
}

// Up and Down step as a click of the arrow buttons does, within the same
// limits (the address stops at "OFF"), each step raising its event; with a
// modifier they are the text box's own keys.
TYPED_TEST(SpinEntryKeys, UpAndDownStepAsTheArrowButtonsDo)
{
    EntryTestHost<TypeParam> keys;
    EntryTestHost<TypeParam> clicks;
    EntryKind<TypeParam>::Set(*keys.entry);
    EntryKind<TypeParam>::Set(*clicks.entry);
    keys.Text1()->setFocus();
    const Qt::Key steps[] = {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down};
    for (const Qt::Key step : steps) {
        QTest::keyClick(keys.Text1(), step);
        QWidget* button = step == Qt::Key_Up ? clicks.Up() : clicks.Down();
        clicks.Press(button);
        clicks.Release(button);
        EXPECT_EQ(keys.Shown(), clicks.Shown()) << QKeySequence(step).toString().toStdString();
        EXPECT_EQ(keys.EventCount(), clicks.EventCount());
    }
    EXPECT_NE(keys.EventCount(), 0);

    const QString shown = keys.Shown();
    QTest::keyClick(keys.Text1(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(keys.Shown(), shown) << "Shift+Up selects text";
}
