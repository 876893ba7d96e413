#include "ByteCellTestHost.h"
#include "controls/ByteModeForm.h"
#include "controls/FormControlcodeForm.h"
#include "model/RS232_String_Class.h"
#include "support/KeyPresses.h"

// The rows a content-type pop-up lets the user reach: shown, inside the
// pop-up and not covered by a row in front of them.
static QList<int> OfferedRows(BytePopup* popup)
{
    QList<int> rows;
    for (int i = 0; i <= ContentIgnore; ++i) {
        const QRect row = popup->RowRect(i);
        bool covered = false;
        for (int j = i + 1; j <= ContentIgnore; ++j) covered = covered || popup->RowRect(j).contains(row.center());
        if (!row.isEmpty() && !covered) rows << i;
    }
    return rows;
}

TEST(ByteModeForm, LeavingWithoutAClickKeepsTheTypeAndStillReportsOnce)
{
    ByteCellTestHost host;
    host.Show(ContentHex, 0x41);
    ByteCellTestHost::PointerAway();
    host.ClickCaption();
    EXPECT_EQ(host.cell->Mode(), ContentHex);
    EXPECT_EQ(host.Shown(), "41");
    EXPECT_EQ(host.modeChanges->count(), 1);
}

TEST(ByteModeForm, AClickPicksTheTypeAnyButtonWill)
{
    ByteCellTestHost host;
    host.Show(ContentHex, 0x41);
    ByteCellTestHost::ClickRowWhenOpen(ContentDecimal, Qt::RightButton);
    host.ClickCaption();
    EXPECT_EQ(host.cell->Mode(), ContentDecimal);
    EXPECT_EQ(host.Shown(), "65");
    EXPECT_EQ(host.Caption()->text(), "DEC");
    EXPECT_EQ(host.modeChanges->count(), 1);
    // The right button on the caption opens nothing.
    QTest::mouseClick(host.Caption(), Qt::RightButton);
    EXPECT_EQ(host.modeChanges->count(), 1);
}

TEST(ByteModeForm, HighlightFollowsThePointer)
{
    ByteCellTestHost host;
    host.Show(ContentBinary, 1);
    ByteCellTestHost::WhenPopupOpens([](BytePopup* popup) {
        EXPECT_EQ(popup->HighlightedRow(), ContentBinary);
        QTest::mouseMove(popup, popup->RowRect(ContentAscii).center());
        EXPECT_EQ(popup->HighlightedRow(), ContentAscii);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->RowRect(ContentAscii).center());
    });
    host.ClickCaption();
    EXPECT_EQ(host.cell->Mode(), ContentAscii);
}

TEST(ByteModeForm, TheKeyboardMovesTheHighlightAndPicks)
{
    ByteCellTestHost host;
    host.Show(ContentHex, 7);
    ByteCellTestHost::WhenPopupOpens([](BytePopup* popup) {
        QCursor::setPos(popup->geometry().center());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        // CONTROL is the last row offered here.
        QTest::keyClick(popup, Qt::Key_Down);
        EXPECT_EQ(popup->HighlightedRow(), ContentControl);
        QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    host.ClickCaption();
    EXPECT_EQ(host.cell->Mode(), ContentBinary);
    EXPECT_EQ(host.Shown(), "00000111");
}

// Like a combo box: F4 or Alt+Down in the byte opens the type pop-up, which
// hands the focus back to the byte however it closes.
TEST(ByteModeForm, OpensFromTheByteByKeyAndEscapeChangesNothing)
{
    ByteCellTestHost host;
    ByteCellTestHost::PointerAway();
    host.Show(ContentDecimal, 0);
    host.Box()->setFocus();
    // A typed leading zero stays only as long as the byte is not rewritten.
    PressKeys({Qt::Key_End, '5'});
    ASSERT_EQ(host.Shown(), "05");
    for (const KeyPress& open : {KeyPress(Qt::Key_F4), KeyPress(Qt::Key_Down, Qt::AltModifier)}) {
        const QStringList targets = PressKeys({open, Qt::Key_Down, Qt::Key_Escape, Qt::Key_Home});
        EXPECT_EQ(targets, QStringList({"MyTextBox1", "ByteModeForm", "ByteModeForm", "MyTextBox1"}));
        EXPECT_EQ(host.Shown(), "05");
        EXPECT_EQ(host.cell->Mode(), ContentDecimal);
        EXPECT_EQ(host.modeChanges->count(), 0);
    }
    // Plain Down is no key of the pop-up's.
    EXPECT_EQ(PressKeys({Qt::Key_Down}), QStringList({"MyTextBox1"}));

    const QStringList targets =
        PressKeys({{Qt::Key_Down, Qt::AltModifier}, Qt::Key_Down, Qt::Key_Return, Qt::Key_End, '1'});
    EXPECT_EQ(targets, QStringList({"MyTextBox1", "ByteModeForm", "ByteModeForm", "MyTextBox1", "MyTextBox1"}));
    EXPECT_EQ(host.cell->Mode(), ContentBinary);
    EXPECT_EQ(host.Caption()->text(), "BIN");
    EXPECT_EQ(host.modeChanges->count(), 1);
    EXPECT_EQ(host.Shown(), "00001011") << "the byte took the typed digit after the pop-up";
}

// Opened from the keyboard, a pop-up does not stand under the pointer: only
// a pointer that came inside and left again closes it.
TEST(BytePopups, OpenedByKeyTheyWaitForThePointerToComeInside)
{
    ByteCellTestHost host;
    ByteCellTestHost::PointerAway();
    for (const auto& [mode, key] : {std::pair{ContentHex, Qt::Key_F4}, std::pair{ContentControl, Qt::Key_Space}}) {
        host.Show(mode, 1);
        bool stayedOpen = false;
        bool closedByPointer = false;
        ByteCellTestHost::WhenPopupOpens([&](BytePopup* popup) {
            QTest::qWait(700);
            stayedOpen = popup->isVisible();
            const QPoint inside = popup->RowRect(2).center();
            QCursor::setPos(popup->mapToGlobal(inside));
            QTest::mouseMove(popup, inside);
            ByteCellTestHost::PointerAway();
            closedByPointer = QTest::qWaitFor([popup] { return !popup->isVisible(); });
        });
        host.Key(key);
        EXPECT_TRUE(stayedOpen) << mode;
        EXPECT_TRUE(closedByPointer) << mode;
        EXPECT_EQ(host.cell->value(), 1) << mode;
    }
}

TEST(ByteModeForm, ChoosingVariableRecordsThePositionAndOpensTheVolumeEditor)
{
    ByteCellTestHost host;
    host.GiveVolumeFormat(0);
    host.Show(ContentHex, 0);
    ByteCellTestHost::ClickRowWhenOpen(ContentVariable);
    host.ClickCaption();
    EXPECT_EQ(host.cell->Mode(), ContentVariable);
    EXPECT_EQ(host.Caption()->text(), "VAR");
    EXPECT_EQ(host.message.VolumeExtension()->VolumeInsertByteNumber(), 3);
    EXPECT_EQ(host.volumeEditor->opened, 1);
    EXPECT_EQ(host.volumeEditor->insertPositionSeen, 3);
    EXPECT_EQ(host.modeChanges->count(), 1);
}

// The host's handler of ModeChanged runs before the position is recorded and
// may give the message a new volume format object.
TEST(ByteModeForm, VariablePositionGoesToTheFormatTheMessageHasAfterTheHostReacted)
{
    ByteCellTestHost host;
    host.GiveVolumeFormat(0);
    host.Show(ContentHex, 0);
    QObject::connect(host.cell, &ByteValueControl::ModeChanged, [&host] {
        host.message.VolumeExtension(std::make_shared<VolumeExtensionClass>(*host.message.VolumeExtension()));
    });
    ByteCellTestHost::ClickRowWhenOpen(ContentVariable);
    host.ClickCaption();
    EXPECT_EQ(host.message.VolumeExtension()->VolumeInsertByteNumber(), 3);
    EXPECT_EQ(host.volumeEditor->insertPositionSeen, 3);
}

TEST(ByteModeForm, OffersTheLastRowOnlyWhereItMayBeUsed)
{
    struct Case {
        bool hasVolume;
        int16_t insertPosition;
        int cellMode;
        bool canBeInput;
        QList<int> offered;
    };
    const QList<int> five = {0, 1, 2, 3, 4};
    const Case cases[] = {
        {false, 0, ContentHex, false, five},
        {false, 0, ContentHex, true, {0, 1, 2, 3, 4, 6}},
        {true, 0, ContentHex, false, {0, 1, 2, 3, 4, 5}},
        {true, 7, ContentHex, false, five},
        {true, 7, ContentHex, true, five},
        {true, 3, ContentVariable, false, {0, 1, 2, 3, 4, 5}},
        // A message that may be received shows IGNORE in the last row.
        {true, 0, ContentHex, true, {0, 1, 2, 3, 4, 6}},
    };
    for (const Case& c : cases) {
        ByteCellTestHost host;
        if (c.hasVolume) host.GiveVolumeFormat(c.insertPosition);
        host.context.CanBeInput = c.canBeInput;
        host.Show(c.cellMode, 0);
        QList<int> offered;
        ByteCellTestHost::WhenPopupOpens([&offered](BytePopup* popup) {
            offered = OfferedRows(popup);
            popup->reject();
        });
        host.ClickCaption();
        EXPECT_EQ(offered, c.offered) << c.hasVolume << " " << c.insertPosition << " " << c.canBeInput;
    }
}

TEST(ByteModeForm, AVariableCellInAMessageWithoutVolumeFormatStaysSafe)
{
    ByteCellTestHost host;
    host.Show(ContentVariable, 0);
    ByteCellTestHost::PointerAway();
    host.ClickCaption();
    EXPECT_EQ(host.cell->Mode(), ContentVariable);
    EXPECT_EQ(host.volumeEditor->opened, 0);
    EXPECT_EQ(host.modeChanges->count(), 1);
}

TEST(ByteModeForm, OpensWithTheCurrentTypeUnderThePointer)
{
    ByteCellTestHost host;
    host.Show(ContentBinary, 0);
    ByteCellTestHost::WhenPopupOpens([&](BytePopup* popup) {
        const QRect row = popup->RowRect(ContentBinary).translated(popup->pos());
        const QRect caption = host.Caption()->rect().translated(host.Caption()->mapToGlobal(QPoint(0, 0)));
        EXPECT_TRUE(row.contains(caption.center())) << row.y() << " " << caption.center().y();
        popup->reject();
    });
    host.ClickCaption();
}

TEST(BytePopups, StayOnTheScreenNearItsEdges)
{
    const QRect screen(0, 0, 800, 600);
    const QSize size(60, 100);
    EXPECT_EQ(KeptOnScreen({-20, -30}, size, screen, 0), QPoint(0, 0));
    EXPECT_EQ(KeptOnScreen({790, 550}, size, screen, 0), QPoint(740, 500));
    EXPECT_EQ(KeptOnScreen({100, 550}, size, screen, 23), QPoint(100, 477));
    EXPECT_EQ(KeptOnScreen({100, 200}, size, screen, 23), QPoint(100, 200));
    // A second screen to the right keeps its own edges.
    EXPECT_EQ(KeptOnScreen({2000, 10}, size, QRect(800, 0, 1024, 768), 0), QPoint(1764, 10));
}

TEST(BytePopups, ModePopupNearTheBottomKeepsItsMarginAndClosesByItself)
{
    ByteCellTestHost host;
    const QRect screen = host.window->screen()->geometry();
    ByteModeForm popup(ContentHex, false, false, false);
    ByteCellTestHost::PointerAway();
    popup.OpenAt(QPoint(100, screen.bottom() - 5));
    const int margin = qRound(350 * host.window->screen()->logicalDotsPerInchY() / 1440.0);
    EXPECT_EQ(popup.geometry().top(), screen.y() + screen.height() - popup.height() - margin);
    EXPECT_EQ(popup.Choice(), ContentHex);
    EXPECT_EQ(popup.result(), QDialog::Rejected);

    FormControlcodeForm codes(9, host.names.ControlCodeNames);
    EXPECT_EQ(codes.RowRect(9).topLeft(), QPoint(codes.ColumnPitch(), codes.RowPitch()));
    QCursor::setPos(screen.center());
    codes.OpenAt(QPoint(-40, -40));
    EXPECT_EQ(codes.geometry().topLeft(), screen.topLeft());
    EXPECT_EQ(codes.Choice(), 9);
}
