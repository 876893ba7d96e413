#include "infrared/IRCapturePanel.h"

#include "controls/FocusReturn.h"
#include "controls/SerialDeviceToolTip.h"
#include "devicelink/CaptureSession.h"
#include "infrared/IRGraph.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"
#include "platform/SerialPortMaker.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QFrame* Frame(const QString& name)
{
    auto* frame = WithName(new QFrame, name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

}  // namespace

IRCapturePanel::IRCapturePanel(ApplicationState& state, QTreeWidget& commands, IRGraph& codeView,
                               CaptureDurations durations, QWidget* parent)
    : QWidget(parent), commands_(commands), codeView_(codeView), MSComm1(MakeSerialPortOwnedBy(this, state.Installed))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(BuildButtons());
    column->addWidget(BuildCapture());
    session_ = std::make_unique<CaptureSession>(*MSComm1, state.Prompts(), state.DeviceTypes,
                                                static_cast<CaptureView&>(*this), durations);
    ConnectControls();
    for (QLineEdit* pod : PodType) pod->clear();
}

IRCapturePanel::~IRCapturePanel() = default;

void IRCapturePanel::ConnectControls()
{
    connect(AddCommand, &QPushButton::clicked, this, &IRCapturePanel::AddCommandPressed);
    connect(Delete, &QPushButton::clicked, this, &IRCapturePanel::DeletePressed);
    connect(ReCapture, &QPushButton::clicked, this, &IRCapturePanel::ReCapturePressed);
    connect(PlayBack, &QPushButton::clicked, this, &IRCapturePanel::PlayBackPressed);
    connect(search, &QPushButton::clicked, this, &IRCapturePanel::SearchPressed);
    connect(MainCancel, &QPushButton::clicked, this, &IRCapturePanel::MainCancelPressed);
    connect(Done, &QPushButton::clicked, this, &IRCapturePanel::DonePressed);
    for (QRadioButton* option : IRport)
        connect(option, &QRadioButton::clicked, this, [this] { session_->PortClicked(); });
    for (QPushButton* button : Cancel)
        connect(button, &QPushButton::clicked, this, [this] { session_->CancelClicked(); });
    connect(Retry, &QPushButton::clicked, this, [this] { session_->RetryClicked(); });
}

void IRCapturePanel::CloseDown()
{
    frontOfButtons_->setCurrentWidget(ClosingFrame);
    session_->CloseEditor();
}

void IRCapturePanel::AbortForClose()
{
    // A capture panel shows only once the pod has answered.
    const QWidget* front = frontOfButtons_->currentWidget();
    session_->AbortForClose(front != ControlFrame && front != ClosingFrame);
}

bool IRCapturePanel::ClickPanelCancelInView()
{
    for (QPushButton* cancel : Cancel) {
        if (cancel->isVisible() && cancel->isEnabled()) {
            cancel->click();
            return true;
        }
    }
    return false;
}

bool IRCapturePanel::MainCancelInView() const
{
    return MainCancel->isVisible() && MainCancel->isEnabled();
}

void IRCapturePanel::ClickMainCancel()
{
    MainCancel->click();
}

// The capture panels and the closing notice stand in front of the buttons.
QWidget* IRCapturePanel::BuildButtons()
{
    ControlFrame = Frame("ControlFrame");
    AddCommand = WithName(new QPushButton("Add Command"), "AddCommand");
    Delete = WithName(new QPushButton("Delete Command"), "Delete");
    ReCapture = WithName(new QPushButton("ReCapture Command"), "ReCapture");
    PlayBack = WithName(new QPushButton("Test"), "PlayBack");
    MainCancel = WithName(new QPushButton("Cancel"), "MainCancel");
    Done = WithName(new QPushButton("Done"), "Done");
    auto* grid = new QGridLayout(ControlFrame);
    grid->addWidget(AddCommand, 0, 0);
    grid->addWidget(Delete, 0, 1);
    grid->addWidget(ReCapture, 0, 2);
    grid->addWidget(PlayBack, 1, 0);
    grid->addWidget(MainCancel, 1, 1);
    grid->addWidget(Done, 1, 2);
    for (QPushButton* button : {AddCommand, Delete, ReCapture, PlayBack, MainCancel, Done})
        button->setAutoDefault(false);

    Press = Frame("Press");
    Cancel[0] = WithName(new QPushButton("Cancel"), "Cancel", 0);
    Release = Frame("Release");
    Cancel[1] = WithName(new QPushButton("Cancel"), "Cancel", 1);
    DoneOk = Frame("DoneOk");
    Cancel[2] = WithName(new QPushButton("OK"), "Cancel", 2);
    DoneFailed = Frame("DoneFailed");
    Cancel[3] = WithName(new QPushButton("Abandon"), "Cancel", 3);
    Retry = WithName(new QPushButton("Retry"), "Retry");
    Downloading = Frame("Downloading");
    Cancel[4] = WithName(new QPushButton("Cancel"), "Cancel", 4);
    ProgressBar1 = WithName(new QProgressBar, "ProgressBar1");
    ProgressBar1->setRange(0, 33);
    const std::pair<QFrame*, QString> texts[] = {{Press, "  Press and hold remote button"},
                                                 {Release, "Release remote button"},
                                                 {Downloading, "Please wait whilst saving"},
                                                 {DoneOk, "Button captured"},
                                                 {DoneFailed, "Failed to capture button"}};
    for (const auto& [panel, text] : texts) {
        auto* column = new QVBoxLayout(panel);
        column->addWidget(new QLabel(text), 0, Qt::AlignHCenter);
        if (panel == Downloading) column->addWidget(ProgressBar1);
        auto* row = new QHBoxLayout;
        row->addStretch();
        column->addLayout(row);
    }
    const std::pair<QFrame*, QPushButton*> buttons[] = {{Press, Cancel[0]},  {Release, Cancel[1]},
                                                        {DoneOk, Cancel[2]}, {DoneFailed, Cancel[3]},
                                                        {DoneFailed, Retry}, {Downloading, Cancel[4]}};
    for (const auto& [panel, button] : buttons) {
        button->setAutoDefault(false);
        auto* row = static_cast<QHBoxLayout*>(panel->layout()->itemAt(panel->layout()->count() - 1)->layout());
        row->addWidget(button);
    }

    ClosingFrame = Frame("ClosingFrame");
    auto* closing = new QVBoxLayout(ClosingFrame);
    closing->addWidget(new QLabel("Please wait, closing down."), 0, Qt::AlignCenter);

    auto* area = new QWidget;
    frontOfButtons_ = new QStackedLayout(area);
    for (QFrame* page : {ControlFrame, Press, Release, Downloading, DoneOk, DoneFailed, ClosingFrame})
        frontOfButtons_->addWidget(page);
    frontOfButtons_->setCurrentWidget(ControlFrame);
    return area;
}

QWidget* IRCapturePanel::BuildCapture()
{
    auto* capture = new QGroupBox("Capture");
    auto* grid = new QGridLayout(capture);
    // The options stand in rows of their own, so one group keeps them exclusive.
    portGroup_ = new QButtonGroup(this);
    // A search hides the ports it could not use; the rest keep their places.
    const auto keepPlaceWhenHidden = [](QWidget* widget) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    };
    for (std::size_t i = 0; i < IRport.size(); ++i) {
        IRport[i] = WithName(new QRadioButton(QString::number(i + 1)), "IRport", i);
        portGroup_->addButton(IRport[i]);
        PodType[i] = WithName(new QLineEdit, "PodType", i);
        PodType[i]->setReadOnly(true);
        PodType[i]->setFocusPolicy(Qt::NoFocus);
        ShowSerialDeviceInToolTip(*IRport[i], static_cast<int>(i) + 1);
        ShowSerialDeviceInToolTip(*PodType[i], static_cast<int>(i) + 1);
        keepPlaceWhenHidden(IRport[i]);
        keepPlaceWhenHidden(PodType[i]);
        auto* row = new QWidget;
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(IRport[i]);
        rowLayout->addWidget(PodType[i], 1);
        Blanking[i] = Frame("Blanking_" + QString::number(i));
        auto* rowArea = new QWidget;
        portRows_[i] = new QStackedLayout(rowArea);
        portRows_[i]->addWidget(row);
        portRows_[i]->addWidget(Blanking[i]);
        grid->addWidget(rowArea, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    Blanking[4] = Frame("Blanking_4");
    auto* searching = new QHBoxLayout(Blanking[4]);
    searching->addWidget(WithName(new QLabel("Please Wait Searching for Pods"), "Blanking1"));
    keepPlaceWhenHidden(Blanking[4]);
    Blanking[4]->hide();
    search = WithName(new QPushButton("Find  Capture Pod"), "search");
    search->setAutoDefault(false);
    grid->addWidget(Blanking[4], 2, 0, 1, 2);
    grid->addWidget(search, 3, 0, 1, 2);
    return capture;
}

void IRCapturePanel::ShowPanel(CapturePanel panel)
{
    QWidget* front = ControlFrame;
    switch (panel) {
    case CapturePanel::None: break;
    case CapturePanel::Press: front = Press; break;
    case CapturePanel::Release: front = Release; break;
    case CapturePanel::Downloading: front = Downloading; break;
    case CapturePanel::DoneOk: front = DoneOk; break;
    case CapturePanel::DoneFailed: front = DoneFailed; break;
    }
    // The page with the focus would hand it on as it goes: it waits on the
    // window, and a panel's first button takes it, so the keys answer the panel.
    const QWidget* focus = window()->focusWidget();
    const bool focusHere = focus == window() || frontOfButtons_->parentWidget()->isAncestorOf(focus);
    if (focusHere) FocusReturn::Park(*window());
    frontOfButtons_->setCurrentWidget(front);
    auto* answer = front->findChild<QPushButton*>();
    if (focusHere && front != ControlFrame && answer) answer->setFocus(Qt::OtherFocusReason);
}

void IRCapturePanel::SetProgress(int value)
{
    ProgressBar1->setValue(value);
}

std::optional<int> IRCapturePanel::CheckedPortRow() const
{
    for (std::size_t i = 0; i < IRport.size(); ++i)
        if (IRport[i]->isChecked()) return static_cast<int>(i);
    return std::nullopt;
}

void IRCapturePanel::SetPodType(int row, const QString& text)
{
    PodType.at(static_cast<std::size_t>(row))->setText(text);
}

void IRCapturePanel::SetPodTypeVisible(int row, bool visible)
{
    PodType.at(static_cast<std::size_t>(row))->setVisible(visible);
}

void IRCapturePanel::SetPortOption(int row, bool enabled, bool visible)
{
    QRadioButton* option = IRport.at(static_cast<std::size_t>(row));
    // An exclusive group keeps its one checked option: it lets go only while not exclusive.
    portGroup_->setExclusive(false);
    option->setChecked(false);
    portGroup_->setExclusive(true);
    option->setEnabled(enabled);
    option->setVisible(visible);
}

void IRCapturePanel::SetBlanking(int index, bool visible)
{
    if (index == SearchingBlanking) {
        Blanking[SearchingBlanking]->setVisible(visible);
        return;
    }
    const auto row = static_cast<std::size_t>(index);
    portRows_.at(row)->setCurrentIndex(visible ? 1 : 0);
}

void IRCapturePanel::UpdateCommandButtons()
{
    const bool portChosen = session_->Flags().PortChosen;
    const bool selected = !commands_.selectedItems().isEmpty();
    AddCommand->setEnabled(portChosen);
    ReCapture->setEnabled(selected && portChosen);
    PlayBack->setEnabled(selected && portChosen);
    Delete->setEnabled(selected);
}

void IRCapturePanel::EnableEditorControls(bool enabled)
{
    busy_ = !enabled;
    for (QWidget* control : {static_cast<QWidget*>(Done), static_cast<QWidget*>(search),
                             static_cast<QWidget*>(MainCancel), static_cast<QWidget*>(&commands_)})
        control->setEnabled(enabled);
    for (QRadioButton* option : IRport) option->setEnabled(enabled);
    if (!enabled)
        for (QPushButton* button : {AddCommand, ReCapture, PlayBack, Delete}) button->setEnabled(false);
}

void IRCapturePanel::RedrawCodeView()
{
    codeView_.display(true);
}
