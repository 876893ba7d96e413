#include "MessageToolsFixture.h"
#include "messages/RS232CaptureForm.h"
#include "platform/SerialPort.h"
#include "support/NamedChild.h"
#include "support/devices/SimulatedPortMaker.h"
#include "support/devices/TalkingDevice.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <numeric>

namespace {

class RS232CaptureFormTest : public MessageToolsTest {
protected:
    RS232CaptureFormTest()
    {
        // COM1 and COM3 exist, the device on COM3.
        InstallSimulatedPorts(state.Installed, [this](SimulatedSerialPort& port) {
            port.AddPort(1);
            port.AddPort(3, &device);
        });
        state.Messages.LastPortIndex = 2;
        message.SerialType(SerialClass::ConfigurationMessage);
        message.Baudrate(1);
        message.Parity(1);
        message.InterByteDelay(7);
        message.Command("POWER");
        SetBytes(message, {{ContentHex, 0x55}});
        state.Messages.WorkSerial = &message;
    }

    QPushButton* Button(const char* name) const { return Named<QPushButton>(*form, name); }
    QRadioButton* Option(const char* name, int i) const { return Named<QRadioButton>(*form, name, i); }
    QString Label(const char* name) const { return Named<QLabel>(*form, name)->text(); }
    SerialPort* Port() const { return Named<SerialPort>(*form, "MSComm1"); }
    QWidget* Grid() const { return Named<QWidget>(*form, "Picture1"); }
    QScrollBar* ScrollBar() const { return Named<QScrollBar>(*form, "VScroll1"); }

    // The centre of the cell of the byte at a 1-based position, counted
    // from the top visible row.
    QPoint CellOf(int position) const
    {
        const int width = (Grid()->width() - 1) / 12;
        const int height = (Grid()->height() - 1) / 21;
        return {((position - 1) % 12) * width + width / 2, ((position - 1) / 12) * height + height / 2};
    }

    void Drag(int from, int to) const
    {
        QTest::mousePress(Grid(), Qt::LeftButton, {}, CellOf(from));
        QTest::mouseMove(Grid(), CellOf((from + to) / 2));
        QTest::mouseRelease(Grid(), Qt::LeftButton, {}, CellOf(to));
    }

    // Connects and lets the device send the bytes; waits until they are in.
    void Capture(const std::vector<uint8_t>& bytes) const
    {
        if (Button("Connect")->text() == "Connect") Button("Connect")->click();
        const int before = Label("BytesReceivedLabel").toInt();
        device.Say(bytes);
        const QString expected = QString::number(before + static_cast<int>(bytes.size()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Label("BytesReceivedLabel") == expected; }, 3000));
    }

    static std::vector<uint8_t> Counting(int count)
    {
        std::vector<uint8_t> bytes(static_cast<std::size_t>(count));
        std::iota(bytes.begin(), bytes.end(), uint8_t{0});
        return bytes;
    }

    void Open()
    {
        // One port at a time holds the device, as one cable would.
        form.reset();
        form = std::make_unique<RS232CaptureForm>(state);
        form->show();
    }

    mutable TalkingDevice device;
    SerialClass message;
    std::unique_ptr<RS232CaptureForm> form;
};

}  // namespace

TEST_F(RS232CaptureFormTest, LoadProbesThePortsAndPresetsTheSettings)
{
    Open();
    EXPECT_EQ(form->windowTitle(), "Capture Serial");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Option("Option1", i)->isEnabled(), i == 0 || i == 2) << i;
    EXPECT_TRUE(Option("Option1", 2)->isChecked());
    EXPECT_TRUE(Option("Baudrate", 1)->isChecked());
    EXPECT_TRUE(Option("ParityOption", 1)->isChecked());
    EXPECT_TRUE(Option("Option2", 2)->isChecked());
    EXPECT_FALSE(Named<QCheckBox>(*form, "ShowControlCodesCheck")->isChecked());
    EXPECT_FALSE(Port()->IsOpen()) << "only Connect opens the port";
    EXPECT_EQ(Button("Connect")->text(), "Connect");
    EXPECT_FALSE(Button("Clear")->isEnabled());
    EXPECT_EQ(Label("BytesReceivedLabel"), "0");

    // A last port that is missing leaves every port unchosen: Connect fails quietly.
    state.Messages.LastPortIndex = 5;
    Open();
    for (int i = 0; i < 16; ++i) EXPECT_FALSE(Option("Option1", i)->isChecked()) << i;
    Button("Connect")->click();
    EXPECT_EQ(Button("Connect")->text(), "Connect");
    EXPECT_FALSE(Port()->IsOpen());
}

TEST_F(RS232CaptureFormTest, ConnectCapturesUntilDisconnectAndASettingReconnects)
{
    Open();
    Capture({'A', 'B', 'C'});
    EXPECT_EQ(Button("Connect")->text(), "Disconnect");
    EXPECT_EQ(Port()->CommPort(), 3);
    EXPECT_EQ(Port()->Settings().Text(), "19200,e,8,1");
    EXPECT_TRUE(Button("Clear")->isEnabled());

    Button("Connect")->click();
    EXPECT_EQ(Button("Connect")->text(), "Connect");
    EXPECT_FALSE(Port()->IsOpen());
    EXPECT_EQ(Label("BytesReceivedLabel"), "3") << "the captured bytes stay";
    Option("Baudrate", 4)->click();
    EXPECT_FALSE(Port()->IsOpen()) << "while disconnected a click only changes the choice";
    EXPECT_EQ(Label("BytesReceivedLabel"), "3");

    Capture({'D'});
    EXPECT_EQ(Port()->Settings().Text(), "115200,e,8,1");
    Drag(1, 2);
    Option("ParityOption", 2)->click();
    EXPECT_EQ(Port()->Settings().Text(), "115200,o,8,1");
    EXPECT_TRUE(Port()->IsOpen());
    EXPECT_EQ(Label("BytesReceivedLabel"), "0") << "a reconnection empties the buffer";
    EXPECT_EQ(Label("BytesSelectedLabel"), "0") << "and the selection with it";
    EXPECT_FALSE(Button("Clear")->isEnabled());

    Option("Option1", 0)->click();
    EXPECT_EQ(Port()->CommPort(), 1);
    EXPECT_TRUE(Port()->IsOpen());
}

TEST_F(RS232CaptureFormTest, TwelveToARowAndAScrollBarFromTwentyOneRows)
{
    Open();
    struct Case {
        int total;
        bool scrollBar;
        int maximum;
    };
    for (const Case c : {Case{13, false, 0}, Case{240, false, 0}, Case{241, true, 0}, Case{300, true, 4}}) {
        SCOPED_TRACE(c.total);
        Capture(Counting(c.total - Label("BytesReceivedLabel").toInt()));
        EXPECT_EQ(ScrollBar()->isVisibleTo(form.get()), c.scrollBar);
        if (c.scrollBar) {
            EXPECT_EQ(ScrollBar()->maximum(), c.maximum);
        }
    }
    // Scrolled to the end, the top-left cell is the first byte of row 4.
    ScrollBar()->setValue(4);
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, CellOf(1));
    Button("Done")->click();
    ASSERT_EQ(message.MyRS232StringClass().NumberOfBytes(), 1);
    // Positions 14 to 240 came as the second sending, counting from 0.
    EXPECT_EQ(message.MyRS232StringClass().ContentBytes(0), 49 - 14);

    Button("Clear")->click();
    EXPECT_FALSE(ScrollBar()->isVisibleTo(form.get()));
    EXPECT_EQ(ScrollBar()->value(), 0);
}

TEST_F(RS232CaptureFormTest, ASelectionHoldsAtMostThirtyTwoBytesFromWhereTheDragBegan)
{
    Open();
    Capture(Counting(60));
    struct Case {
        int from, to;
        int first, count;
    };
    for (const Case c : {Case{10, 50, 10, 32}, Case{50, 5, 19, 32}, Case{3, 3, 3, 1}, Case{7, 4, 4, 4}}) {
        SCOPED_TRACE(c.from);
        Drag(c.from, c.to);
        EXPECT_EQ(Label("BytesSelectedLabel"), QString::number(c.count));
        Button("Done")->click();
        const RS232_String_Class& bytes = message.MyRS232StringClass();
        ASSERT_EQ(bytes.NumberOfBytes(), c.count);
        EXPECT_EQ(bytes.ContentBytes(0), c.first - 1);
        EXPECT_EQ(bytes.ContentBytes(c.count - 1), c.first + c.count - 2);
    }
    // A click beyond the last byte clears the selection.
    QTest::mouseClick(Grid(), Qt::LeftButton, {}, CellOf(61));
    EXPECT_EQ(Label("BytesSelectedLabel"), "0");
}

TEST_F(RS232CaptureFormTest, DoneWritesTheSettingsAndTheSelectedBytesWithTheirTypes)
{
    struct Case {
        bool controlCodes;
        int view;
        std::vector<uint8_t> types;
    };
    const Case cases[] = {
        {true, 1, {ContentControl, ContentHex, ContentControl}},
        {false, 2, {ContentAscii, ContentAscii, ContentAscii}},
        {false, 0, {ContentDecimal, ContentDecimal, ContentDecimal}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.view);
        Open();
        Capture({0x02, 0x41, 0x0D, 0x30});
        Drag(1, 3);
        Named<QCheckBox>(*form, "ShowControlCodesCheck")->setChecked(c.controlCodes);
        Option("Option2", c.view)->click();
        Option("Baudrate", 3)->click();
        Button("Done")->click();
        EXPECT_EQ(message.Baudrate(), 3);
        EXPECT_EQ(message.Parity(), 1);
        const RS232_String_Class& bytes = message.MyRS232StringClass();
        ASSERT_EQ(bytes.NumberOfBytes(), 0) << "the reconnection at the new rate emptied the buffer";

        Capture({0x02, 0x41, 0x0D, 0x30});
        Drag(1, 3);
        Button("Done")->click();
        ASSERT_EQ(bytes.NumberOfBytes(), 3);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(bytes.ContentTypes(i), c.types[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(bytes.ContentBytes(2), 0x0D);
        EXPECT_EQ(message.InterByteDelay(), 7);
        EXPECT_EQ(QString::fromStdString(message.Command()).trimmed(), "POWER");
    }
}

TEST_F(RS232CaptureFormTest, ClearEmptiesTheBufferAndTheSelection)
{
    Open();
    Capture({1, 2, 3});
    Drag(1, 2);
    Button("Clear")->click();
    EXPECT_EQ(Label("BytesReceivedLabel"), "0");
    EXPECT_EQ(Label("BytesSelectedLabel"), "0");
    Button("Done")->click();
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 0) << "no selection left to read beyond the buffer";
    EXPECT_EQ(message.Baudrate(), 1);
}

TEST_F(RS232CaptureFormTest, AReconnectEmptiesTheSelectionAndOnlyNewBytesLeaveTheLibrary)
{
    message.IsFromLibrary(true);
    Open();
    Capture({0x55, 0x56});
    Drag(1, 2);
    Button("Connect")->click();
    Button("Connect")->click();
    EXPECT_EQ(Label("BytesReceivedLabel"), "2") << "a reconnect keeps the bytes";
    EXPECT_EQ(Label("BytesSelectedLabel"), "0") << "but not the selection";

    Option("Option2", 1)->click();
    Drag(1, 1);
    Button("Done")->click();
    EXPECT_TRUE(message.IsFromLibrary()) << "the very bytes the message had";
    Open();
    Capture({0x56});
    Drag(1, 1);
    Option("Option2", 1)->click();
    Button("Done")->click();
    EXPECT_EQ(message.MyRS232StringClass().ContentBytes(0), 0x56);
    EXPECT_FALSE(message.IsFromLibrary()) << "bytes of its own are no longer the library's";
}

TEST_F(RS232CaptureFormTest, CancelAndClosingLeaveTheMessageAndClosePort)
{
    Open();
    Capture({'x'});
    Drag(1, 1);
    Button("Cancel")->click();
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 1);
    EXPECT_EQ(message.MyRS232StringClass().ContentBytes(0), 0x55);
    Open();
    Button("Connect")->click();
    ASSERT_TRUE(Port()->IsOpen());
    form->close();
    EXPECT_FALSE(Port()->IsOpen());
    EXPECT_FALSE(Named<QTimer>(*form, "Timer1")->isActive());
}
