#include "messages/SerialTestDialog.h"

#include "controls/SerialDeviceToolTip.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"
#include "platform/SerialPortMaker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

SerialTestDialog::SerialTestDialog(ApplicationState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      ReceivedSerial(state.Messages.ReceivedSerial),
      MSComm1(MakeSerialPortOwnedBy(this, state.Installed))
{
    setWindowTitle("Serial test");
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        Option1[i] = WithName(new QRadioButton(QString::number(i + 1)), "Option1", i);
        ShowSerialDeviceInToolTip(*Option1[i], static_cast<int>(i) + 1);
    }
    Send = WithName(new QPushButton("Send"), "Send");
    Send->setEnabled(false);
    Copy = WithName(new QPushButton("Copy Received Message"), "Copy");
    Copy->setEnabled(false);
    Done = WithName(new QPushButton("Done"), "Done");
    for (QPushButton* button : {Send, Copy, Done}) button->setAutoDefault(false);
    SerialStringDisplay1 = WithName(new SerialStringDisplay(state), "SerialStringDisplay1");
    SerialStringDisplay2 = WithName(new SerialStringDisplay(state), "SerialStringDisplay2");
    const std::array<const char*, 3> views = {"Decimal", "HEX", "ASCII"};
    for (std::size_t i = 0; i < Option2.size(); ++i) Option2[i] = WithName(new QRadioButton(views[i]), "Option2", i);
    Option2[2]->setChecked(true);
    Timer1 = WithName(new QTimer(this), "Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &SerialTestDialog::ReplyDue);
    connect(Send, &QPushButton::clicked, this, [this] { SendClicked(); });
    connect(Copy, &QPushButton::clicked, this, [this] { CopyClicked(); });
    connect(Done, &QPushButton::clicked, this, [this] {
        ClosePort();
        accept();
    });
    for (QRadioButton* view : Option2) connect(view, &QRadioButton::clicked, this, &SerialTestDialog::ApplyView);
}

SerialTestDialog::~SerialTestDialog()
{
    ClosePort();
}

void SerialTestDialog::reject()
{
    ClosePort();
    QDialog::reject();
}

void SerialTestDialog::BuildLayout(QWidget* settingsArea)
{
    auto* portFrame = new QGroupBox("Port");
    auto* portGrid = new QGridLayout(portFrame);
    for (std::size_t i = 0; i < Option1.size(); ++i)
        portGrid->addWidget(Option1[i], static_cast<int>(i / 8), static_cast<int>(i % 8));

    auto* sentFrame = new QGroupBox("Message to be sent");
    auto* sentColumn = new QVBoxLayout(sentFrame);
    sentColumn->addWidget(SerialStringDisplay1);

    auto* receivedFrame = new QGroupBox("Message received");
    auto* receivedRow = new QHBoxLayout(receivedFrame);
    receivedRow->addWidget(SerialStringDisplay2, 1);
    auto* views = new QVBoxLayout;
    for (QRadioButton* view : Option2) views->addWidget(view);
    receivedRow->addLayout(views);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Send);
    buttons->addWidget(Copy);
    buttons->addStretch();
    buttons->addWidget(Done);

    auto* main = new QVBoxLayout(this);
    main->addWidget(portFrame);
    main->addWidget(sentFrame);
    if (settingsArea) main->addWidget(settingsArea);
    main->addWidget(receivedFrame);
    main->addLayout(buttons);
    resize(560, sizeHint().height());
}

void SerialTestDialog::ProbePorts()
{
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        ClosePort();
        MSComm1->SetCommPort(static_cast<int>(i) + 1);
        if (!MSComm1->Open()) Option1[i]->setEnabled(false);
    }
    ClosePort();
}

void SerialTestDialog::BindPanes()
{
    SerialStringDisplay1->SetupSerial(*state_.Messages.WorkSerial);
    SerialStringDisplay2->SetupSerial(ReceivedSerial);
    SerialStringDisplay1->DisableMenu();
    SerialStringDisplay2->DisableMenu();
}

void SerialTestDialog::ApplySettings(const std::string& text)
{
    // The text is built from option indexes already brought into range, so
    // an invalid one is a fault of ours and not caught here.
    MSComm1->SetSettings(text);
}

void SerialTestDialog::ClosePort()
{
    if (MSComm1 && MSComm1->IsOpen()) MSComm1->Close();
}

bool SerialTestDialog::PortIsOpen() const
{
    return MSComm1->IsOpen();
}

void SerialTestDialog::BeginSend(int16_t baudrateIndex, int16_t parityIndex)
{
    ReceivedSerial.Clear();
    ReceivedSerial.Baudrate(baudrateIndex);
    ReceivedSerial.Parity(parityIndex);
    MSComm1->Input();
}

void SerialTestDialog::WriteByte(uint8_t byte, int delayMilliseconds)
{
    if (!MSComm1->IsOpen()) return;
    MSComm1->Output(byte);
    BusyWait(delayMilliseconds);
}

// Delays of a few milliseconds are kept by watching the clock, not by a timer.
void SerialTestDialog::BusyWait(int milliseconds)
{
    if (milliseconds <= 0) return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
    }
}

void SerialTestDialog::EndSend()
{
    Timer1->start();
    Send->setEnabled(false);
    Copy->setEnabled(false);
}

void SerialTestDialog::ReplyDue()
{
    Timer1->stop();
    Send->setEnabled(true);
    // Bytes that arrived just now are still queued as window events; let
    // them reach the port's buffer before it is read.
    QApplication::processEvents();
    const SerialPort::Bytes reply = MSComm1->Input();
    if (reply.empty()) return;
    Copy->setEnabled(true);
    // The message holds 32 bytes; a longer reply keeps its first 32.
    RS232_String_Class& bytes = ReceivedSerial.MyRS232StringClass();
    const int count = std::min<int>(static_cast<int>(reply.size()), RS232_String_Class::Capacity);
    bytes.NumberOfBytes(count);
    bytes.MakeAllType(ViewType());
    for (int i = 0; i < count; ++i) bytes.ContentBytes(i, reply[static_cast<std::size_t>(i)]);
    SerialStringDisplay2->display(-1);
}

uint8_t SerialTestDialog::ViewType() const
{
    if (Option2[0]->isChecked()) return ContentDecimal;
    if (Option2[2]->isChecked()) return ContentAscii;
    return ContentHex;
}

void SerialTestDialog::ApplyView()
{
    ReceivedSerial.MyRS232StringClass().MakeAllType(ViewType());
    SerialStringDisplay2->display(-1);
}
