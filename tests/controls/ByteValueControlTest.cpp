#include "ByteCellTestHost.h"
#include "model/RS232_String_Class.h"
#include "support/KeyPresses.h"

#include <QFontMetrics>

TEST(ByteValueControl, AsciiShowsPrintableCharactersAndFlagsInvisibleOnes)
{
    ByteCellTestHost host;
    const std::pair<int, QString> shown[] = {{65, "A"},
                                             {32, "Space"},
                                             {128, QString(QChar(0x20AC))},
                                             {145, QString(QChar(0x2018))},
                                             {146, QString(QChar(0x2019))},
                                             {161, QString(QChar(0xA1))},
                                             {255, QString(QChar(0xFF))}};
    for (const auto& [byte, text] : shown) {
        host.Show(ContentAscii, static_cast<uint8_t>(byte));
        EXPECT_EQ(host.Shown(), text) << byte;
        EXPECT_FALSE(host.cell->Error()) << byte;
    }
    for (int byte : {0, 31, 127, 129, 144, 147, 160}) {
        host.Show(ContentAscii, static_cast<uint8_t>(byte));
        EXPECT_EQ(host.Shown(), "Invisible") << byte;
        EXPECT_TRUE(host.cell->Error()) << byte;
    }
    host.Type("B");
    EXPECT_EQ(host.cell->value(), 66);
    host.Type(QString(QChar(0x20AC)));
    EXPECT_EQ(host.cell->value(), 128);
    EXPECT_EQ(host.Shown(), QString(QChar(0x20AC)));
}

TEST(ByteValueControl, EachContentTypeHasItsNotationAndCaption)
{
    ByteCellTestHost host;
    struct Case {
        int mode;
        uint8_t byte;
        const char* text;
        const char* caption;
        bool error;
    };
    const Case cases[] = {{ContentHex, 10, "0A", "HEX", false},         {ContentDecimal, 200, "200", "DEC", false},
                          {ContentBinary, 5, "00000101", "BIN", false}, {ContentControl, 13, "CR", "CNT", false},
                          {ContentControl, 65, "Error", "CNT", true},   {ContentVariable, 9, "Variable", "VAR", false},
                          {ContentIgnore, 9, "Ignore", "IGN", false},   {ContentAscii, 65, "A", "ASC", false}};
    for (const Case& c : cases) {
        host.Show(c.mode, c.byte);
        EXPECT_EQ(host.Shown(), c.text) << c.mode;
        EXPECT_EQ(host.Caption()->text(), c.caption) << c.mode;
        EXPECT_EQ(host.cell->Error(), c.error) << c.mode;
        EXPECT_EQ(host.cell->value(), c.byte);
    }
    // Writing Mode alone leaves the caption for the value to update.
    host.cell->Mode(ContentHex);
    EXPECT_EQ(host.Caption()->text(), "ASC");
    EXPECT_EQ(host.Shown(), "41");
    host.cell->MyIndex(17);
    EXPECT_EQ(Named<QLabel>(*host.cell, "Label1")->text(), "17");
    EXPECT_EQ(host.Caption()->toolTip(), "Click to change byte mode");
}

TEST(ByteValueControl, HexTakesTwoDigitsGivingUpALeadingZero)
{
    ByteCellTestHost host;
    host.Show(ContentHex, 10);
    host.Type("");
    host.Key(Qt::Key_End);
    host.Type("5");
    EXPECT_EQ(host.Shown(), "A5");
    EXPECT_EQ(host.cell->value(), 165);
    host.Show(ContentHex, 0x1A);
    host.Key(Qt::Key_End);
    host.Type("5g");
    EXPECT_EQ(host.Shown(), "1A");
    // A full field with its caret at the start takes nothing.
    host.Show(ContentHex, 0x0A);
    host.Type("7");
    EXPECT_EQ(host.Shown(), "0A");
    host.Key(Qt::Key_Delete);
    EXPECT_EQ(host.Shown(), "A");
    host.Type("b");
    EXPECT_EQ(host.Shown(), "BA");
    EXPECT_EQ(host.cell->value(), 0xBA);
}

TEST(ByteValueControl, DecimalAboveAByteIsShownInErrorAndReadsAsTheLargestByte)
{
    ByteCellTestHost host;
    host.Show(ContentDecimal, 0);
    host.Type("");
    host.Key(Qt::Key_End);
    host.Key(Qt::Key_Backspace);
    EXPECT_EQ(host.Shown(), "");
    host.Type("999");
    EXPECT_EQ(host.Shown(), "999");
    EXPECT_TRUE(host.cell->Error());
    EXPECT_EQ(host.cell->value(), 255);
    // The typed number is kept when the type changes, still in error.
    host.cell->Mode(ContentHex);
    EXPECT_EQ(host.Shown(), "3E7");
    EXPECT_TRUE(host.cell->Error());
    host.cell->Mode(ContentBinary);
    EXPECT_EQ(host.Shown(), "11111111");
    EXPECT_TRUE(host.cell->Error());

    host.Show(ContentDecimal, 25);
    host.Key(Qt::Key_End);
    host.Key(Qt::Key_Backspace);
    EXPECT_EQ(host.Shown(), "2");
    EXPECT_EQ(host.cell->value(), 2);
    EXPECT_FALSE(host.cell->Error());
    EXPECT_EQ(host.Box()->CaretPosition(), 1);
}

TEST(ByteValueControl, BinaryShiftsOutALeadingZero)
{
    ByteCellTestHost host;
    host.Show(ContentBinary, 5);
    host.Type("");
    host.Key(Qt::Key_End);
    host.Type("1");
    EXPECT_EQ(host.Shown(), "00001011");
    EXPECT_EQ(host.cell->value(), 11);
    host.Type("2");
    EXPECT_EQ(host.Shown(), "00001011");
    host.Key(Qt::Key_Home);
    host.Key(Qt::Key_Right);
    host.Key(Qt::Key_Left);
    host.Key(Qt::Key_Left);
    EXPECT_EQ(host.Box()->CaretPosition(), 0);
    host.Key(Qt::Key_Backspace);
    EXPECT_EQ(host.Shown(), "00001011");
}

TEST(ByteValueControl, ControlVariableAndIgnoreTakeNoTypedCharacters)
{
    ByteCellTestHost host;
    for (int mode : {ContentControl, ContentVariable, ContentIgnore}) {
        host.Show(mode, 3);
        const QString before = host.Shown();
        host.Type("41");
        host.Key(Qt::Key_Backspace);
        EXPECT_EQ(host.Shown(), before);
        EXPECT_EQ(host.cell->value(), 3);
    }
}

TEST(ByteValueControl, ClickingPlacesTheCaretAndFocusBlinksIt)
{
    ByteCellTestHost host;
    host.Show(ContentDecimal, 123);
    const QFontMetrics metrics(host.Box()->font());
    const int middleOfSecondDigit = 3 + metrics.horizontalAdvance('1') + metrics.horizontalAdvance('2') / 2;
    QTest::mouseClick(host.Box(), Qt::LeftButton, {}, QPoint(middleOfSecondDigit, 5));
    EXPECT_EQ(host.Box()->CaretPosition(), 2);
    QTest::mouseClick(host.Box(), Qt::LeftButton, {}, QPoint(1, 5));
    EXPECT_EQ(host.Box()->CaretPosition(), 0);
    QTest::mouseClick(host.Box(), Qt::LeftButton, {}, QPoint(host.Box()->width() - 2, 5));
    EXPECT_EQ(host.Box()->CaretPosition(), 3);

    auto* blink = Named<QTimer>(*host.Box(), "Timer1");
    EXPECT_TRUE(host.Box()->hasFocus());
    EXPECT_TRUE(blink->isActive());
    host.cell->value(7);
    EXPECT_EQ(host.Box()->CaretPosition(), 0);
    host.Box()->clearFocus();
    EXPECT_FALSE(blink->isActive());
}

TEST(ByteValueControl, ControlCodePopupKeepsTheCodeWhenLeftWithoutAClick)
{
    ByteCellTestHost host;
    host.Show(ContentControl, 65);
    EXPECT_EQ(host.Shown(), "Error");
    EXPECT_TRUE(host.cell->Error());
    ByteCellTestHost::PointerAway();
    QTest::mouseClick(host.Box(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "NUL");
    EXPECT_EQ(host.cell->value(), 0);
    EXPECT_FALSE(host.cell->Error());

    host.Show(ContentControl, 13);
    ByteCellTestHost::WhenPopupOpens([](BytePopup* popup) {
        // The cell's own code is highlighted and lies under the pointer's column.
        EXPECT_EQ(popup->HighlightedRow(), 13);
        EXPECT_EQ(popup->objectName(), "FormControlcodeForm");
        QCursor::setPos(popup->mapToGlobal(popup->RowRect(27).center()));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->RowRect(27).center());
    });
    QTest::mouseClick(host.Box(), Qt::LeftButton);
    EXPECT_EQ(host.Shown(), "ESC");
    EXPECT_EQ(host.cell->value(), 27);
    // A right button on the field does nothing.
    QTest::mouseClick(host.Box(), Qt::RightButton);
    EXPECT_EQ(host.Shown(), "ESC");
}

TEST(ByteValueControl, VariableByteOpensTheVolumeEditorOfItsMessage)
{
    ByteCellTestHost host;
    host.GiveVolumeFormat(3);
    host.Show(ContentVariable, 0);
    QTest::mouseClick(host.Box(), Qt::LeftButton);
    EXPECT_EQ(host.volumeEditor->opened, 1);
    EXPECT_EQ(host.variableChanges->count(), 0);
    host.volumeEditor->reportChange = true;
    QTest::mouseClick(host.Box(), Qt::LeftButton);
    EXPECT_EQ(host.volumeEditor->opened, 2);
    EXPECT_EQ(host.variableChanges->count(), 1);
}

TEST(ByteValueControl, VariableByteWithoutAVolumeFormatOpensNoEditor)
{
    ByteCellTestHost host;
    host.Show(ContentVariable, 0);
    QTest::mouseClick(host.Box(), Qt::LeftButton);
    host.context.Message = nullptr;
    QTest::mouseClick(host.Box(), Qt::LeftButton);
    EXPECT_EQ(host.volumeEditor->opened, 0);
    EXPECT_EQ(host.variableChanges->count(), 0);
    EXPECT_EQ(host.Shown(), "Variable");
}

// Space does what a click does on the bytes that take no typed characters.
TEST(ByteValueControl, SpacePicksAControlCodeOrOpensTheVolumeEditor)
{
    ByteCellTestHost host;
    host.Show(ContentControl, 65);
    host.Box()->setFocus();
    const QStringList targets = PressKeys({' ', Qt::Key_Right, Qt::Key_Escape, Qt::Key_Left});
    EXPECT_EQ(targets, QStringList({"MyTextBox1", "FormControlcodeForm", "FormControlcodeForm", "MyTextBox1"}));
    EXPECT_EQ(host.Shown(), "Error") << "Escape leaves even a wrong byte as it was";
    EXPECT_EQ(host.cell->value(), 65);

    PressKeys({' ', Qt::Key_Right, Qt::Key_Return});
    EXPECT_EQ(host.Shown(), "BS");
    EXPECT_FALSE(host.cell->Error());

    host.GiveVolumeFormat(3);
    host.Show(ContentVariable, 0);
    host.Box()->setFocus();
    PressKeys({' '});
    EXPECT_EQ(host.volumeEditor->opened, 1);
    host.Show(ContentAscii, 0);
    host.Box()->setFocus();
    PressKeys({' '});
    EXPECT_EQ(host.Shown(), "Space") << "in ASCII Space is the character";
    EXPECT_EQ(host.volumeEditor->opened, 1);
}
