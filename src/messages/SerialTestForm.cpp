#include "messages/SerialTestForm.h"

#include "controls/IntegerEntry.h"
#include "messages/OptionButtons.h"
#include "messages/PortSettingsText.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"
#include "platform/SerialPort.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

SerialTestForm::SerialTestForm(ApplicationState& state, QWidget* parent) : SerialTestDialog(state, parent)
{
    auto* settings = new QWidget;
    auto* settingsRow = new QHBoxLayout(settings);
    settingsRow->setContentsMargins(0, 0, 0, 0);
    auto* baudFrame = new QGroupBox("Baudrate");
    auto* baudRow = new QHBoxLayout(baudFrame);
    const std::array<const char*, 5> rates = {"9600", "19k2", "38k4", "57k6", "115k2"};
    for (std::size_t i = 0; i < Baudrate.size(); ++i) {
        Baudrate[i] = WithName(new QRadioButton(rates[i]), "Baudrate", i);
        baudRow->addWidget(Baudrate[i]);
    }
    auto* parityFrame = new QGroupBox("Parity");
    auto* parityRow = new QHBoxLayout(parityFrame);
    const std::array<const char*, 3> parities = {"None", "Even", "Odd"};
    for (std::size_t i = 0; i < ParityOption.size(); ++i) {
        ParityOption[i] = WithName(new QRadioButton(parities[i]), "ParityOption", i);
        parityRow->addWidget(ParityOption[i]);
    }
    auto* delayFrame = new QGroupBox("Byte delay");
    auto* delayRow = new QHBoxLayout(delayFrame);
    InterByteDelay = WithName(new IntegerEntry, "InterByteDelay");
    delayRow->addWidget(InterByteDelay);
    settingsRow->addWidget(baudFrame);
    settingsRow->addWidget(parityFrame);
    settingsRow->addWidget(delayFrame);
    BuildLayout(settings);

    for (QRadioButton* option : Option1)
        connect(option, &QRadioButton::clicked, this, &SerialTestForm::OpenSelectedPort);
    for (QRadioButton* option : Baudrate)
        connect(option, &QRadioButton::clicked, this, &SerialTestForm::OpenSelectedPort);
    for (QRadioButton* option : ParityOption)
        connect(option, &QRadioButton::clicked, this, &SerialTestForm::OpenSelectedPort);
    connect(InterByteDelay, &IntegerEntry::ValueChanged, this, &SerialTestForm::OpenSelectedPort);
    Load();
}

void SerialTestForm::Load()
{
    ReceivedSerial.Clear();
    ProbePorts();
    const SerialClass& message = *state_.Messages.WorkSerial;
    const int16_t baud = message.Baudrate();
    const int16_t parity = message.Parity();
    Baudrate[baud >= 0 && baud <= 4 ? static_cast<std::size_t>(baud) : 0]->setChecked(true);
    ParityOption[parity >= 0 && parity <= 2 ? static_cast<std::size_t>(parity) : 0]->setChecked(true);
    InterByteDelay->set_values(message.InterByteDelay(), 0, 255, "Interbyte delay");
    ReceivedSerial.Baudrate(baud);
    ReceivedSerial.Parity(parity);
    BindPanes();
    const int16_t last = state_.Messages.LastPortIndex;
    if (last >= 0 && last < static_cast<int16_t>(Option1.size()) &&
        Option1[static_cast<std::size_t>(last)]->isEnabled()) {
        Option1[static_cast<std::size_t>(last)]->setChecked(true);
        OpenSelectedPort();
    } else {
        for (QRadioButton* option : Option1) Deselect(option);
    }
}

void SerialTestForm::OpenSelectedPort()
{
    Send->setEnabled(false);
    ClosePort();
    const int port = SelectedIndex(Option1);
    if (port < 0) return;
    ApplySettings(PortSettingsText(static_cast<int16_t>(SelectedIndex(Baudrate)),
                                   static_cast<int16_t>(SelectedIndex(ParityOption))));
    Port().SetCommPort(port + 1);
    if (!Port().Open()) return;
    Port().Input();
    Send->setEnabled(true);
    state_.Messages.LastPortIndex = static_cast<int16_t>(port);
}

void SerialTestForm::SendClicked()
{
    // The reply comes at the settings chosen here, not the message's.
    BeginSend(static_cast<int16_t>(SelectedIndex(Baudrate)), static_cast<int16_t>(SelectedIndex(ParityOption)));
    const RS232_String_Class& bytes = state_.Messages.WorkSerial->MyRS232StringClass();
    const int delay = InterByteDelay->return_value();
    for (int i = 0; i < bytes.NumberOfBytes(); ++i) WriteByte(bytes.ContentBytes(i), delay);
    EndSend();
}

void SerialTestForm::CopyClicked()
{
    ReceivedSerial.Copy(state_.SerialClipboard);
}
