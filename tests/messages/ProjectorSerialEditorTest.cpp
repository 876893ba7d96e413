#include "MessageToolsFixture.h"
#include "PaneParts.h"
#include "SerialTestSupport.h"
#include "controls/ByteValueControl.h"
#include "controls/IntegerEntry.h"
#include "controls/MyTextBox.h"
#include "messages/ProjectorSerialEditor.h"
#include "messages/ProjectorSerialTestForm.h"
#include "messages/SerialStringDisplay.h"
#include "support/KeyPresses.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class ProjectorSerialEditorTest : public MessageToolsTest {
protected:
    ProjectorSerialEditorTest()
    {
        SetBytes(message, {{ContentAscii, 'A'}, {ContentHex, 0x0D}, {ContentDecimal, 7}});
        message.CanBeInput(true);
        message.CanBeVariable(true);
        state.Messages.WorkSerial = &message;
    }

    static ByteValueControl* Cell(const QWidget& editor, int index)
    {
        return Named<ByteValueControl>(editor, "ByteValueControl1", index);
    }
    static IntegerEntry* Count(const QWidget& editor) { return Named<IntegerEntry>(editor, "NumberOfBytes1"); }
    static QPushButton* Button(const QWidget& editor, const QString& name) { return Named<QPushButton>(editor, name); }

    static void SetCount(ProjectorSerialEditor& editor, int count)
    {
        auto* box = Named<QLineEdit>(*Count(editor), "Text1");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::number(count));
        QTest::keyClick(box, Qt::Key_Return);
    }

    // Gives a cell a content type as the type pop-up does.
    static void PickType(ByteValueControl* cell, int type)
    {
        cell->Mode(type);
        emit cell->ModeChanged();
    }

    SerialClass message;
};

}  // namespace

TEST_F(ProjectorSerialEditorTest, LoadShowsTheMessageInTheCells)
{
    state.Messages.EditStringCanBeInput = false;
    ProjectorSerialEditor editor(state);
    EXPECT_EQ(editor.windowTitle(), "Serial String Editor");
    EXPECT_EQ(Count(editor)->return_value(), 3);
    EXPECT_EQ(Cell(editor, 1)->Mode(), ContentHex);
    EXPECT_EQ(Cell(editor, 1)->value(), 0x0D);
    EXPECT_EQ(Cell(editor, 31)->MyIndex(), 32);
    EXPECT_TRUE(Cell(editor, 2)->isEnabled());
    EXPECT_FALSE(Cell(editor, 3)->isEnabled());
    EXPECT_EQ(Cell(editor, 3)->Mode(), ContentAscii);
    EXPECT_EQ(Cell(editor, 3)->value(), 0);
    EXPECT_TRUE(state.Messages.EditStringCanBeInput);
}

TEST_F(ProjectorSerialEditorTest, EveryCellShowsItsWholeByteOnASmallScreen)
{
    ProjectorSerialEditor editor(state);
    editor.show();
    for (int i = 0; i < 32; ++i) {
        const auto* box = Named<MyTextBox>(*Cell(editor, i), "MyTextBox1");
        EXPECT_GE(box->width(), box->sizeHint().width()) << i;
    }
}

TEST_F(ProjectorSerialEditorTest, ByteCountKeepsTheCellsAndDoneWritesThemAll)
{
    ProjectorSerialEditor editor(state);
    editor.show();
    SetCount(editor, 1);
    EXPECT_FALSE(Cell(editor, 1)->isEnabled());
    EXPECT_EQ(Cell(editor, 1)->value(), 0x0D) << "lowering the count keeps the contents";
    SetCount(editor, 2);
    EXPECT_TRUE(Cell(editor, 1)->isEnabled());
    Cell(editor, 5)->Mode(ContentHex);
    Cell(editor, 5)->value(0x99);
    Button(editor, "Done")->click();
    EXPECT_EQ(state.Messages.WorkSerial, nullptr) << "Done releases the work message";
    const RS232_String_Class& bytes = message.MyRS232StringClass();
    EXPECT_EQ(bytes.NumberOfBytes(), 2);
    EXPECT_EQ(bytes.ContentBytes(1), 0x0D);
    EXPECT_EQ(bytes.ContentBytes(2), 7) << "cells beyond the count are written too";
    EXPECT_EQ(bytes.ContentBytes(5), 0x99);
    EXPECT_EQ(bytes.ContentTypes(5), ContentHex);
}

TEST_F(ProjectorSerialEditorTest, InsertPositionIsTheLastVariableCellInsideTheMessage)
{
    auto format = AddVolumeFormat(message);
    ProjectorSerialEditor editor(state);
    PickType(Cell(editor, 0), ContentVariable);
    EXPECT_EQ(format->VolumeInsertByteNumber(), 1);
    PickType(Cell(editor, 2), ContentVariable);
    EXPECT_EQ(format->VolumeInsertByteNumber(), 3) << "the later of two VARIABLE cells";
    Cell(editor, 10)->Mode(ContentVariable);
    PickType(Cell(editor, 1), ContentHex);
    EXPECT_EQ(format->VolumeInsertByteNumber(), 3) << "a VARIABLE cell beyond the count is not a position";
    PickType(Cell(editor, 0), ContentAscii);
    PickType(Cell(editor, 2), ContentAscii);
    EXPECT_EQ(format->VolumeInsertByteNumber(), 0);
    EXPECT_EQ(message.MyRS232StringClass().ContentTypes(10), ContentVariable);
}

TEST_F(ProjectorSerialEditorTest, CancelAfterTestRestoresEverything)
{
    auto format = AddVolumeFormat(message);
    format->MaxVolume(50);
    SerialClass original;
    original.CopyFrom(message);
    AnsweringPeer peer(2, {});
    InstallPortsWith(state, peer, 1);
    ProjectorSerialEditor editor(state);
    editor.show();
    SetCount(editor, 2);
    PickType(Cell(editor, 1), ContentVariable);
    WhenModalOpens(SendOnFirstPortAndClose);
    Button(editor, "Test")->click();
    EXPECT_EQ(peer.Bytes().size(), 2u) << "the test sends the applied edits";
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 2);
    format->MaxVolume(99);

    Button(editor, "CancelCommand")->click();
    EXPECT_TRUE(message.IsSameAs(original));
    ASSERT_TRUE(message.VolumeExtension());
    EXPECT_EQ(message.VolumeExtension()->MaxVolume(), 50);
}

TEST_F(ProjectorSerialEditorTest, EditFromThePane)
{
    message.IsFromLibrary(true);
    SerialStringDisplay pane(state);
    pane.SetupSerial(message);
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);
    const auto edit = [&pane] { MenuItem(pane, "menuEdit")->trigger(); };

    WhenModalOpens([](QWidget* modal) { Button(*modal, "CancelCommand")->click(); });
    edit();
    EXPECT_EQ(changed.count(), 1) << "Cancel still raises Changed";
    EXPECT_TRUE(message.IsFromLibrary());

    AddVolumeFormat(message);
    WhenModalOpens([this](QWidget* modal) {
        message.VolumeExtension()->MaxVolume(77);
        Button(*modal, "Done")->click();
    });
    edit();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_TRUE(message.IsFromLibrary()) << "a new level format alone keeps the library reference";

    WhenModalOpens([](QWidget* modal) {
        auto* editor = static_cast<ProjectorSerialEditor*>(modal);
        Cell(*editor, 0)->value('B');
        Button(*editor, "Done")->click();
    });
    edit();
    EXPECT_EQ(changed.count(), 3);
    EXPECT_FALSE(message.IsFromLibrary()) << "a changed byte is no longer the library's";
    EXPECT_EQ(pane.LineText(), "B,0Dh,007d");
}

TEST_F(ProjectorSerialEditorTest, DoubleClickEditsUnlessTheMenuIsDisabled)
{
    SerialStringDisplay pane(state);
    pane.SetupSerial(message);
    pane.show();
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);
    WhenModalOpens([](QWidget* modal) { Button(*modal, "Done")->click(); });
    QTest::mouseDClick(PictureOf(pane), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(PictureOf(pane), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(changed.count(), 1);

    pane.DisableMenu();
    QTest::mouseDClick(PictureOf(pane), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(PictureOf(pane), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ProjectorSerialEditorTest, ClosingTheWindowUndoesTheEdits)
{
    SerialClass original;
    original.CopyFrom(message);
    ProjectorSerialEditor editor(state);
    editor.show();
    Cell(editor, 0)->value('Z');
    PickType(Cell(editor, 0), ContentHex);
    EXPECT_EQ(message.MyRS232StringClass().ContentTypes(0), ContentHex) << "a type change applies at once";
    editor.close();
    EXPECT_TRUE(message.IsSameAs(original));

    ProjectorSerialEditor escaped(state);
    escaped.show();
    PickType(Cell(escaped, 1), ContentDecimal);
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_FALSE(escaped.isVisible());
    EXPECT_TRUE(message.IsSameAs(original)) << "Escape undoes the edits like Cancel";
}

TEST_F(ProjectorSerialEditorTest, VariableBytesOfAMessageWithoutAFormatAreKept)
{
    SetBytes(message, {{ContentAscii, 'A'}, {ContentVariable, 9}});
    ProjectorSerialEditor editor(state);
    PickType(Cell(editor, 0), ContentHex);
    EXPECT_EQ(message.MyRS232StringClass().ContentTypes(1), ContentVariable);
    EXPECT_FALSE(message.VolumeExtension()) << "no level format is made up for it";
}

// A message that ends with CR, made with keys alone: Up steps the count,
// Tab goes from byte to byte, F4 gives a byte its type and Space its code.
TEST_F(ProjectorSerialEditorTest, AMessageEndingWithCarriageReturnIsTypedFromTheKeyboard)
{
    SetBytes(message, {});
    ProjectorSerialEditor editor(state);
    editor.show();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    const auto box = [&editor](int index) { return Named<MyTextBox>(*Cell(editor, index), "MyTextBox1"); };
    Named<QLineEdit>(*Count(editor), "Text1")->setFocus();

    PressKeys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Tab, 'O', Qt::Key_Tab, 'K', Qt::Key_Tab});
    EXPECT_EQ(Count(editor)->return_value(), 3);
    ASSERT_TRUE(box(2)->hasFocus());
    // ASCII is the top row: four down is CONTROL. From NUL, CR is one column
    // right and five rows down.
    QStringList targets = PressKeys({Qt::Key_F4, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return,
                                     ' ', Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                     Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(targets.count("ByteModeForm"), 5);
    EXPECT_EQ(targets.count("FormControlcodeForm"), 7);
    EXPECT_EQ(Named<QLabel>(*Cell(editor, 2), "Text2")->text(), "CNT");
    EXPECT_EQ(box(2)->DisplayText(), "CR");
    ASSERT_TRUE(box(2)->hasFocus());

    // Escape leaves each pop-up with the byte as it was.
    targets = PressKeys({Qt::Key_F4, Qt::Key_Up, Qt::Key_Escape, ' ', Qt::Key_Up, Qt::Key_Escape});
    EXPECT_EQ(targets, QStringList({"MyTextBox1", "ByteModeForm", "ByteModeForm", "MyTextBox1", "FormControlcodeForm",
                                    "FormControlcodeForm"}));
    EXPECT_EQ(Cell(editor, 2)->Mode(), ContentControl);
    EXPECT_EQ(box(2)->DisplayText(), "CR");
    EXPECT_TRUE(box(2)->hasFocus());

    // Tab and Shift+Tab go from byte to byte; the disabled bytes are passed.
    PressKeys({{Qt::Key_Tab, Qt::ShiftModifier}});
    EXPECT_TRUE(box(1)->hasFocus());
    PressKeys({Qt::Key_Tab, Qt::Key_Tab});
    EXPECT_EQ(QApplication::focusWidget(), Button(editor, "Test"));
    PressKeys({{Qt::Key_Tab, Qt::ShiftModifier}, Qt::Key_Return});

    EXPECT_FALSE(editor.isVisible()) << "Return in a byte is Done";
    EXPECT_EQ(state.Messages.WorkSerial, nullptr);
    const RS232_String_Class& bytes = message.MyRS232StringClass();
    ASSERT_EQ(bytes.NumberOfBytes(), 3);
    const std::pair<int, int> expected[] = {{ContentAscii, 'O'}, {ContentAscii, 'K'}, {ContentControl, 13}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(bytes.ContentTypes(i), expected[i].first) << i;
        EXPECT_EQ(bytes.ContentBytes(i), expected[i].second) << i;
    }
}
