#include "messages/ProjectorSerialTestForm.h"

#include "messages/LevelControls.h"
#include "messages/LevelInsertion.h"
#include "messages/MessageDialogs.h"
#include "messages/OptionButtons.h"
#include "messages/PortSettingsText.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "model/WorkSerialHandOff.h"
#include "platform/ObjectName.h"
#include "platform/SerialPort.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ProjectorSerialTestForm::ProjectorSerialTestForm(ApplicationState& state, QWidget* parent)
    : SerialTestDialog(state, parent)
{
    VolumeFrame = WithName(new QGroupBox("Volume Setting"), "VolumeFrame");
    auto* level = levelControls_ = new LevelControls;
    auto* volumeColumn = new QVBoxLayout(VolumeFrame);
    volumeColumn->addWidget(level);
    BuildLayout(VolumeFrame);

    for (std::size_t i = 0; i < Option1.size(); ++i)
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { PortOptionClicked(static_cast<int>(i)); });
    connect(level, &LevelControls::UpClicked, this, [this] { MoveLevel(LevelAfterUp); });
    connect(level, &LevelControls::DownClicked, this, [this] { MoveLevel(LevelAfterDown); });
    connect(level, &LevelControls::PowerUpClicked, this,
            [this] { MoveLevel([](int16_t, const VolumeExtensionClass& f) { return PowerUpLevel(f); }); });
    Load();
}

void ProjectorSerialTestForm::Load()
{
    ReceivedSerial.Clear();
    ProbePorts();
    const SerialClass& message = *state_.Messages.WorkSerial;
    if (const auto& format = message.VolumeExtension()) {
        VolumeFrame->setVisible(format->UseLevelForVolume());
        if (format->UsePreviousLevel()) {
            currentLevel_ = format->MinVolume();
            levelControls_->HidePowerUp();
        } else {
            currentLevel_ = format->StartUpVolume();
        }
    } else {
        VolumeFrame->hide();
    }
    ShowLevel();
    ApplySettings(PortSettingsText(message.Baudrate(), message.Parity()));
    ReceivedSerial.Baudrate(message.Baudrate());
    ReceivedSerial.Parity(message.Parity());
    BindPanes();
}

void ProjectorSerialTestForm::PortOptionClicked(int index)
{
    ClosePort();
    Port().SetCommPort(index + 1);
    if (Port().Open()) {
        Send->setEnabled(true);
    } else {
        Deselect(Option1[static_cast<std::size_t>(index)]);
        Send->setEnabled(false);
    }
}

void ProjectorSerialTestForm::ShowLevel()
{
    const auto& format = state_.Messages.WorkSerial->VolumeExtension();
    if (!format) return;
    currentLevel_ = LevelWithinRange(currentLevel_, *format);
    levelControls_->Show(currentLevel_, *format, RawLevelPreview::Quoted);
    levelText_ = MakeLevelText(currentLevel_, *format);
}

void ProjectorSerialTestForm::MoveLevel(int16_t (*move)(int16_t, const VolumeExtensionClass&))
{
    const auto& format = state_.Messages.WorkSerial->VolumeExtension();
    if (!format) return;
    currentLevel_ = move(currentLevel_, *format);
    ShowLevel();
}

void ProjectorSerialTestForm::SendClicked()
{
    const SerialClass& message = *state_.Messages.WorkSerial;
    BeginSend(message.Baudrate(), message.Parity());
    const RS232_String_Class& bytes = message.MyRS232StringClass();
    const auto& format = message.VolumeExtension();
    const int levelIndex = format && format->UseLevelForVolume() ? format->VolumeInsertByteNumber() - 1 : -1;
    const int delay = message.InterByteDelay();
    for (int i = 0; i < bytes.NumberOfBytes(); ++i) {
        if (!PortIsOpen()) continue;
        if (i == levelIndex) {
            for (const char levelByte : levelText_) WriteByte(static_cast<uint8_t>(levelByte), delay);
            BusyWait(delay);
        } else {
            WriteByte(bytes.ContentBytes(i), delay);
        }
    }
    EndSend();
}

// The reply pane shows ReceivedSerial itself; copying it onto itself redraws it.
void ProjectorSerialTestForm::CopyClicked()
{
    ReceivedSerial.CopyFrom(*SerialStringDisplay2->MySerialClass());
}

void ShowProjectorSerialTestForm(ApplicationState& state, SerialClass& message, QWidget* parent)
{
    const WorkSerialHandOff handOff(state.Messages, message);
    ProjectorSerialTestForm form(state, parent);
    form.exec();
}
