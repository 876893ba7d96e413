#include "editor/pages/InputPage.h"

#include "controls/TabOrder.h"
#include "editor/pages/RearPanelHint.h"
#include "editor/panels/AudioReroute.h"
#include "editor/panels/InputModes.h"
#include "editor/panels/VGACompControl.h"
#include "editor/pickers/IRDevicePicker.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int ComputerInputs = 4;
constexpr int FirstAudioInput = 8;
constexpr int ReceivedSlot = 19;     // slot of input 0's selecting message
constexpr int TransmittedSlot = 29;  // slot of input 0's message sent when selected

QGroupBox* LabelFrame(const char* frameName, const char* labelName, QLabel*& label)
{
    auto* frame = new QGroupBox;
    frame->setObjectName(frameName);
    label = new QLabel;
    label->setObjectName(labelName);
    label->setWordWrap(true);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(label);
    return frame;
}

}  // namespace

QString InputPage::ComputerTabCaption(int input, bool component)
{
    return QString(component ? "Component %1" : "Computer %1").arg(input + 1);
}

InputPage::InputPage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    UseInputFrame = LabelFrame("UseInputFrame", "UseThisRearPanelConnectionLabel", UseThisRearPanelConnectionLabel);
    AudioFromFrame = LabelFrame("AudioFromFrame", "AudioFromLabel", AudioFromLabel);
    HDFrame = LabelFrame("HDFrame", "HDLabel", HDLabel);

    InputModes1 = new InputModes(config_);
    InputModes1->setObjectName("InputModes1");
    AudioReroute1 = new AudioReroute(config_);
    AudioReroute1->setObjectName("AudioReroute1");
    VGACompControl1 = new VGACompControl(config_);
    VGACompControl1->setObjectName("VGACompControl1");

    IRFrame = new IRDevicePicker(state);

    RS232Frame = new QGroupBox("RS232");
    RS232Frame->setObjectName("RS232Frame");
    auto* paneGrid = new QGridLayout(RS232Frame);
    const std::array<const char*, 2> paneLabels{"Receive to select this input", "Transmitted when selected"};
    for (std::size_t j = 0; j < SerialStringDisplay1.size(); ++j) {
        auto* pane = SerialStringDisplay1[j] = new SerialStringDisplay(state);
        pane->setObjectName(QString("SerialStringDisplay1_%1").arg(j));
        pane->EnableLibraryFunctions();
        pane->EnableCaptureFunctions();
        paneGrid->addWidget(new QLabel(paneLabels[j]), static_cast<int>(j), 0);
        paneGrid->addWidget(pane, static_cast<int>(j), 1);
        const int firstSlot = j == 0 ? ReceivedSlot : TransmittedSlot;
        connect(pane, &SerialStringDisplay::Changed, this, [this, firstSlot] {
            if (input_ < 0) return;
            Edit(ConfigGroup::Inputs, [&] { config_.StoreSerialSlotToConfig(input_ + firstSlot); });
        });
    }
    paneGrid->setColumnStretch(1, 1);

    auto* connections = new QHBoxLayout;
    connections->addWidget(UseInputFrame, 2);
    connections->addWidget(AudioFromFrame, 1);
    connections->addWidget(HDFrame, 1);
    auto* panels = new QHBoxLayout;
    panels->addWidget(VGACompControl1, 0, Qt::AlignTop);
    panels->addWidget(AudioReroute1, 0, Qt::AlignTop);
    panels->addWidget(InputModes1, 0, Qt::AlignTop);
    panels->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(connections);
    column->addLayout(panels);
    column->addWidget(IRFrame);
    column->addWidget(RS232Frame);
    column->addStretch();
    SetTabOrderByRows();

    // The panels store their edits themselves.
    connect(InputModes1, &InputModes::SettingsChanged, this, &InputPage::ShapeChanged);
    connect(AudioReroute1, &AudioReroute::SettingsChanged, this, &InputPage::ShapeChanged);
    connect(VGACompControl1, &VGACompControl::SettingsChanged, this, &InputPage::ShapeChanged);
}

// Tab runs through the page as it is seen: the panels from left to right,
// then the IR frame's top row (device, grouping, "Clear") and its command
// boxes, then the message panes.
void InputPage::SetTabOrderByRows()
{
    const auto ir = [this](const char* name) { return IRFrame->findChild<QWidget*>(name); };
    SetTabOrder({VGACompControl1, AudioReroute1, InputModes1, ir("IRLabel"), ir("SortBy_0"), ir("SortBy_1"),
                 ir("Clear"), ir("IRCommandFrame"), RS232Frame});
}

void InputPage::ArrangeFor(int input)
{
    if (input < 0 || input >= FirstAudioInput + 2) return;
    input_ = input;
    const ConfigurationRecord& record = config_.Record;
    const RearPanelHint hint = RearPanelHintFor(input, record);
    QString hintText = hint.hint;
    AudioFromFrame->setVisible(hint.audioFrom.has_value());
    AudioFromLabel->setText(hint.audioFrom.value_or(QString()));
    HDFrame->setVisible(hint.hdVideo.has_value());
    HDLabel->setText(hint.hdVideo.value_or(QString()));

    InputModes1->show();
    RS232Frame->show();
    UseInputFrame->show();
    const bool addOns = record.QuilmarDraventEnabled;
    // A computer input takes IR commands only as a component video input.
    bool irShown = addOns && (input >= ComputerInputs || record.ComputerIsComponent[static_cast<std::size_t>(input)]);
    IRFrame->ShowInput(input);
    InputModes1->SetToDisplay(static_cast<int16_t>(input));
    SerialStringDisplay1[0]->SetupSerial(config_.ConfigSerialStrings(input + ReceivedSlot));
    SerialStringDisplay1[1]->SetupSerial(config_.ConfigSerialStrings(input + TransmittedSlot));

    const bool audioInput = input >= FirstAudioInput;
    AudioReroute1->setVisible(audioInput);
    if (audioInput) {
        AudioReroute1->SetToDisplay(static_cast<int16_t>(input - FirstAudioInput));
        // An audio input that serves a computer or video input has nothing more of its own.
        const bool usedAsItself = record.AudioRerouteMode[static_cast<std::size_t>(input - FirstAudioInput)] == 0;
        InputModes1->setVisible(usedAsItself);
        RS232Frame->setVisible(usedAsItself);
        irShown = addOns && usedAsItself;
    }

    const bool computer = input < ComputerInputs;
    VGACompControl1->setVisible(computer && !record.InputNotInUse[static_cast<std::size_t>(input)]);
    if (computer) {
        VGACompControl1->SetToDisplay(static_cast<int16_t>(input));
        if (record.ComputerIsComponent[static_cast<std::size_t>(input)])
            hintText +=
                " using Brenlo breakout lead\r\nEnsure projector serial code Data 2 is set to select component video";
    }

    if (record.InputNotInUse[static_cast<std::size_t>(input)]) {
        // An input not in use shows only its settings.
        RS232Frame->hide();
        UseInputFrame->hide();
        VGACompControl1->hide();
        irShown = false;
    }
    IRFrame->setVisible(irShown);
    if (addOns && irShown)
        hintText +=
            "\r\nQuilmar module must be fitted to use infra-red control,  the Dravent module must also be added "
            "if you wish to use front pael control";
    UseThisRearPanelConnectionLabel->setText(hintText);
}

void InputPage::ClearIRDisplay()
{
    IRFrame->ClearIRDisplay();
}
